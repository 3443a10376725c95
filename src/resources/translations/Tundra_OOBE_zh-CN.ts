<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>AnimDialog</name>
    <message>
        <location filename="../../qml/AnimDialog.qml" line="+8"/>
        <source>Please wait...</source>
        <translation>请稍候…</translation>
    </message>
</context>
<context>
    <name>ContentAboutQT</name>
    <message>
        <location filename="../../qml/ContentAboutQT.qml" line="+15"/>
        <source>About Qt</source>
        <translation>关于 Qt</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>This program uses the Qt libraries, version 5.15, under the GNU Lesser General Public License version 3. See &lt;a href=&quot;%1&quot;&gt;qt.io/licensing&lt;/a&gt; for the license and the source code.</source>
        <translation>本程序依据 GNU 宽通用公共许可证第 3 版使用 Qt 库 5.15 版。许可证和源代码请见 &lt;a href=&quot;%1&quot;&gt;qt.io/licensing&lt;/a&gt;。</translation>
    </message>
</context>
<context>
    <name>Footer</name>
    <message>
        <location filename="../base/Footer.qml" line="+85"/>
        <source>Help</source>
        <translation>帮助</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Take screenshots</source>
        <translation>截取屏幕截图</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>BACK</source>
        <translation>返回</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>NEXT</source>
        <translation>下一步</translation>
    </message>
</context>
<context>
    <name>Header</name>
    <message>
        <location filename="../base/Header.qml" line="+35"/>
        <source>Install software</source>
        <translation>安装软件</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Get ready</source>
        <translation>准备</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Check your PC</source>
        <translation>检查电脑</translation>
    </message>
    <message>
        <location line="+111"/>
        <source>Minimize</source>
        <translation>最小化</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
</context>
<context>
    <name>InstallInfo</name>
    <message>
        <location filename="../../qml/InstallInfo.qml" line="+27"/>
        <source>About %1 min left</source>
        <translation>大约还剩 %1 分钟</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Installation will finish in a few minutes</source>
        <translation>安装将在几分钟内完成</translation>
    </message>
</context>
<context>
    <name>LanguageSelector</name>
    <message>
        <location filename="../../qml/LanguageSelector.qml" line="+42"/>
        <source>Language: %1</source>
        <translation>语言：%1</translation>
    </message>
</context>
<context>
    <name>Progress</name>
    <message>
        <location filename="../../qml/Progress.qml" line="+73"/>
        <source>Installation progress</source>
        <translation>安装进度</translation>
    </message>
</context>
<context>
    <name>ReplayBtn</name>
    <message>
        <location filename="../../qml/ReplayBtn.qml" line="+4"/>
        <source>Replay</source>
        <translation>重播</translation>
    </message>
</context>
<context>
    <name>SigninButton</name>
    <message>
        <location filename="../../qml/SigninButton.qml" line="+6"/>
        <source>SIGN IN</source>
        <translation>登录</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <location filename="../../qml/main.qml" line="+121"/>
        <location line="+56"/>
        <source>%1 Setup</source>
        <translation>%1 安装程序</translation>
    </message>
    <message>
        <location line="+137"/>
        <source>Version %1</source>
        <translation>版本 %1</translation>
    </message>
</context>
<context>
    <name>pCheck</name>
    <message>
        <location filename="../../qml/pCheck.qml" line="+30"/>
        <source>Your PC might not be NOVA ready</source>
        <translation>您的电脑可能无法满足 NOVA 的要求</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Some parts of your computer don&apos;t meet what NOVA needs. You can go on, but NOVA may not run well.</source>
        <translation>您电脑的部分配置未达到 NOVA 的要求。您可以继续，但 NOVA 可能无法流畅运行。</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Graphics card</source>
        <translation>显卡</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Your graphics card may not work well with NOVA.</source>
        <translation>您的显卡可能无法很好地支持 NOVA。</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Processor</source>
        <translation>处理器</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Your processor doesn&apos;t match our list of compatible processors.</source>
        <translation>您的处理器不在我们的兼容处理器列表中。</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Memory</source>
        <translation>内存</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>We recommended at least %1 GB.</source>
        <translation>建议至少 %1 GB。</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Operating system</source>
        <translation>操作系统</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Windows 7 SP1, Windows 8.1 or above (64-bit) is required.</source>
        <translation>需要 Windows 7 SP1、Windows 8.1 或更高版本（64 位）。</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>We recommended at USB 3.0 or higher.</source>
        <translation>建议使用 USB 3.0 或更高版本。</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>See NOVA-ready PCs</source>
        <translation>查看满足 NOVA 要求的电脑</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Test your PC with SteamVR</source>
        <translation>使用 SteamVR 测试电脑</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>QUIT SETUP</source>
        <translation>退出安装</translation>
    </message>
</context>
<context>
    <name>pComplete</name>
    <message>
        <location filename="../../qml/pComplete.qml" line="+14"/>
        <source>Install completed! Thanks for your waiting.</source>
        <translation>安装完成！感谢您的耐心等待。</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The %1 software is ready. Press OK to close setup.</source>
        <translation>%1 软件已准备就绪。按“确定”关闭安装程序。</translation>
    </message>
</context>
<context>
    <name>pDotNet</name>
    <message>
        <location filename="../../qml/pDotNet.qml" line="+18"/>
        <source>INSTALL REQUIRED SOFTWARE AGAIN</source>
        <translation>重新安装所需软件</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>RESTART COMPUTER</source>
        <translation>重新启动电脑</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>NEXT</source>
        <translation>下一步</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>INSTALL</source>
        <translation>安装</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>Install required software</source>
        <translation>安装所需软件</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>NOVA software needs Microsoft .NET Framework 4.6 or later. Setup downloads and installs it for you.</source>
        <translation>NOVA 软件需要 Microsoft .NET Framework 4.6 或更高版本。安装程序会为您下载并安装。</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Installing .NET Framework. This can take a few minutes.</source>
        <translation>正在安装 .NET Framework，这可能需要几分钟。</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>The installation did not finish. Try again to go on.</source>
        <translation>安装未完成。请重试以继续。</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Restart your computer to finish the installation, then open setup again from its desktop shortcut.</source>
        <translation>请重新启动电脑以完成安装，然后通过桌面快捷方式再次打开安装程序。</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>.NET Framework is installed.</source>
        <translation>.NET Framework 已安装。</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>QUIT SETUP</source>
        <translation>退出安装</translation>
    </message>
</context>
<context>
    <name>pDriver</name>
    <message>
        <location filename="../../qml/pDriver.qml" line="+25"/>
        <source>Update your graphics card driver</source>
        <translation>更新显卡驱动程序</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Your graphics card driver is out of date. For the best experience with NOVA, update it to version %1 or later.</source>
        <translation>您的显卡驱动程序已过时。为获得最佳 NOVA 体验，请将其更新到 %1 或更高版本。</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Setup closes while you update. Afterwards, open it again with the %1 shortcut on your desktop.</source>
        <translation>更新期间安装程序将关闭。更新完成后，请通过桌面上的 %1 快捷方式再次打开。</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>UPDATE DRIVER</source>
        <translation>更新驱动程序</translation>
    </message>
</context>
<context>
    <name>pFolder</name>
    <message>
        <location filename="../../qml/pFolder.qml" line="+38"/>
        <location line="+22"/>
        <location line="+7"/>
        <location line="+13"/>
        <source>INSTALL</source>
        <translation>安装</translation>
    </message>
    <message>
        <location line="-28"/>
        <source>%1 MB</source>
        <translation>%1 MB</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 GB</source>
        <translation>%1 GB</translation>
    </message>
    <message>
        <location line="+36"/>
        <source>Choose where to install</source>
        <translation>选择安装位置</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>NOVA software will be installed in this folder.</source>
        <translation>NOVA 软件将安装到此文件夹。</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Steam and SteamVR will be installed in this folder.</source>
        <translation>Steam 和 SteamVR 将安装到此文件夹。</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>Install folder: %1</source>
        <translation>安装文件夹：%1</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>CHANGE</source>
        <translation>更改</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Space required: %1</source>
        <translation>所需空间：%1</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>There isn&apos;t enough free space on this drive. Choose another folder.</source>
        <translation>此驱动器上的可用空间不足。请选择其他文件夹。</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>The software is already installed on this computer.</source>
        <translation>此电脑上已安装该软件。</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>SKIP INSTALLATION</source>
        <translation>跳过安装</translation>
    </message>
</context>
<context>
    <name>pHealth</name>
    <message>
        <location filename="../../qml/pHealth.qml" line="+15"/>
        <source>I UNDERSTAND</source>
        <translation>我已了解</translation>
    </message>
    <message>
        <location line="+35"/>
        <source>Clear your play area</source>
        <translation>清理游玩区域</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Keep the space around you free of obstacles, people and pets.</source>
        <translation>确保您周围没有障碍物、他人和宠物。</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Mind the cable</source>
        <translation>注意线缆</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Watch where the headset cable runs so that you don&apos;t trip over it.</source>
        <translation>留意头显线缆的位置，以免被绊倒。</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Wear it right</source>
        <translation>正确佩戴</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Adjust the head strap until the headset sits firmly and comfortably.</source>
        <translation>调整头带，使头显佩戴牢固且舒适。</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Take regular breaks</source>
        <translation>定期休息</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Rest for 10 to 15 minutes at least every 30 minutes.</source>
        <translation>至少每 30 分钟休息 10 到 15 分钟。</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Supervise children</source>
        <translation>看护儿童</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Children should use the headset only with an adult nearby.</source>
        <translation>儿童应仅在成人陪同下使用头显。</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Listen to your body</source>
        <translation>关注身体状况</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Stop at once if you feel dizzy, sick or uncomfortable.</source>
        <translation>如果感到头晕、恶心或不适，请立即停止使用。</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Health and safety</source>
        <translation>健康与安全</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Read these warnings before you use your headset. They help you enjoy VR safely.</source>
        <translation>使用头显前请阅读以下警告，它们可以帮助您安全地享受 VR。</translation>
    </message>
</context>
<context>
    <name>pInstall</name>
    <message>
        <location filename="../../qml/pInstall.qml" line="+12"/>
        <source>Preparing</source>
        <translation>正在准备</translation>
    </message>
    <message>
        <location line="+101"/>
        <source>Sign in or sign up for a Steam account</source>
        <translation>登录或注册 Steam 帐户</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Steam has opened its sign-in window. Sign in, or create a free account, to go on with the installation.</source>
        <translation>Steam 已打开登录窗口。请登录或创建免费帐户以继续安装。</translation>
    </message>
    <message>
        <location line="+30"/>
        <source>The download speed is very slow. Please check your network connection</source>
        <translation>下载速度非常慢。请检查您的网络连接</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Installation completed</source>
        <translation>安装完成</translation>
    </message>
</context>
<context>
    <name>pKeltSignin</name>
    <message>
        <location filename="../../qml/pKeltSignin.qml" line="+30"/>
        <location line="+13"/>
        <location line="+18"/>
        <source>SIGN IN</source>
        <translation>登录</translation>
    </message>
    <message>
        <location line="-6"/>
        <source>Sign in to KELT | NOVA Account</source>
        <translation>登录 KELT | NOVA 帐户</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>To download and install the NOVA software suite, sign in to KELT | NOVA Account.</source>
        <translation>要下载并安装 NOVA 软件套件，请登录 KELT | NOVA 帐户。</translation>
    </message>
</context>
<context>
    <name>pLegal</name>
    <message>
        <location filename="../../qml/pLegal.qml" line="+36"/>
        <source>Welcome to NOVA</source>
        <translation>欢迎使用 NOVA</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>%1 Setup installs the software your headset needs and checks that your computer is ready for it.</source>
        <translation>%1 安装程序将安装头显所需的软件，并检查您的电脑是否满足要求。</translation>
    </message>
    <message>
        <location line="+31"/>
        <source>I have read and accept the KELT &lt;a href=&quot;%1&quot;&gt;EULA&lt;/a&gt;, &lt;a href=&quot;%2&quot;&gt;terms of use&lt;/a&gt; and &lt;a href=&quot;%3&quot;&gt;privacy policy&lt;/a&gt;.</source>
        <translation>我已阅读并接受 KELT &lt;a href=&quot;%1&quot;&gt;最终用户许可协议&lt;/a&gt;、&lt;a href=&quot;%2&quot;&gt;使用条款&lt;/a&gt;和&lt;a href=&quot;%3&quot;&gt;隐私政策&lt;/a&gt;。</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>GET STARTED</source>
        <translation>开始</translation>
    </message>
</context>
<context>
    <name>pSignin</name>
    <message>
        <location filename="../../qml/pSignin.qml" line="+7"/>
        <source>Sign in or sign up for a Steam account</source>
        <translation>登录或注册 Steam 帐户</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Steam opens its sign-in window during the installation. Sign in, or create a free account, so that SteamVR can finish installing.</source>
        <translation>安装过程中 Steam 会打开登录窗口。请登录或创建免费帐户，以便完成 SteamVR 的安装。</translation>
    </message>
</context>
<context>
    <name>pSw01</name>
    <message>
        <location filename="../../qml/pSw01.qml" line="+7"/>
        <source>Install the NOVA software</source>
        <translation>安装 NOVA 软件</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Setup downloads and installs the NOVA software suite and SteamVR. Depending on your connection, this can take a while.</source>
        <translation>安装程序将下载并安装 NOVA 软件套件和 SteamVR。视网络连接情况，这可能需要一些时间。</translation>
    </message>
</context>
</TS>
