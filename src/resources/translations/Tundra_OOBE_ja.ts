<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
<context>
    <name>AnimDialog</name>
    <message>
        <location filename="../../qml/AnimDialog.qml" line="+8"/>
        <source>Please wait...</source>
        <translation>お待ちください…</translation>
    </message>
</context>
<context>
    <name>ContentAboutQT</name>
    <message>
        <location filename="../../qml/ContentAboutQT.qml" line="+15"/>
        <source>About Qt</source>
        <translation>Qt について</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>This program uses the Qt libraries, version 5.15, under the GNU Lesser General Public License version 3. See &lt;a href=&quot;%1&quot;&gt;qt.io/licensing&lt;/a&gt; for the license and the source code.</source>
        <translation>このプログラムは、GNU Lesser General Public License バージョン 3 に基づいて Qt ライブラリ バージョン 5.15 を使用しています。ライセンスとソースコードについては &lt;a href=&quot;%1&quot;&gt;qt.io/licensing&lt;/a&gt; をご覧ください。</translation>
    </message>
</context>
<context>
    <name>Footer</name>
    <message>
        <location filename="../base/Footer.qml" line="+85"/>
        <source>Help</source>
        <translation>ヘルプ</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Take screenshots</source>
        <translation>スクリーンショットを撮る</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>BACK</source>
        <translation>戻る</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>NEXT</source>
        <translation>次へ</translation>
    </message>
</context>
<context>
    <name>Header</name>
    <message>
        <location filename="../base/Header.qml" line="+35"/>
        <source>Install software</source>
        <translation>ソフトウェアのインストール</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Get ready</source>
        <translation>準備</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Check your PC</source>
        <translation>PC のチェック</translation>
    </message>
    <message>
        <location line="+111"/>
        <source>Minimize</source>
        <translation>最小化</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
</context>
<context>
    <name>InstallInfo</name>
    <message>
        <location filename="../../qml/InstallInfo.qml" line="+27"/>
        <source>About %1 min left</source>
        <translation>残り約 %1 分</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Installation will finish in a few minutes</source>
        <translation>インストールは数分で完了します</translation>
    </message>
</context>
<context>
    <name>LanguageSelector</name>
    <message>
        <location filename="../../qml/LanguageSelector.qml" line="+42"/>
        <source>Language: %1</source>
        <translation>言語: %1</translation>
    </message>
</context>
<context>
    <name>Progress</name>
    <message>
        <location filename="../../qml/Progress.qml" line="+73"/>
        <source>Installation progress</source>
        <translation>インストールの進行状況</translation>
    </message>
</context>
<context>
    <name>ReplayBtn</name>
    <message>
        <location filename="../../qml/ReplayBtn.qml" line="+4"/>
        <source>Replay</source>
        <translation>もう一度再生</translation>
    </message>
</context>
<context>
    <name>SigninButton</name>
    <message>
        <location filename="../../qml/SigninButton.qml" line="+6"/>
        <source>SIGN IN</source>
        <translation>サインイン</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <location filename="../../qml/main.qml" line="+121"/>
        <location line="+56"/>
        <source>%1 Setup</source>
        <translation>%1 セットアップ</translation>
    </message>
    <message>
        <location line="+137"/>
        <source>Version %1</source>
        <translation>バージョン %1</translation>
    </message>
</context>
<context>
    <name>pCheck</name>
    <message>
        <location filename="../../qml/pCheck.qml" line="+30"/>
        <source>Your PC might not be NOVA ready</source>
        <translation>お使いの PC は NOVA に対応していない可能性があります</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Some parts of your computer don&apos;t meet what NOVA needs. You can go on, but NOVA may not run well.</source>
        <translation>お使いのコンピューターの一部が NOVA の要件を満たしていません。続行できますが、NOVA が正常に動作しない可能性があります。</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Graphics card</source>
        <translation>グラフィックカード</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Your graphics card may not work well with NOVA.</source>
        <translation>お使いのグラフィックカードでは NOVA が正常に動作しない可能性があります。</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Processor</source>
        <translation>プロセッサー</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Your processor doesn&apos;t match our list of compatible processors.</source>
        <translation>お使いのプロセッサーは互換プロセッサーのリストに含まれていません。</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Memory</source>
        <translation>メモリ</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>We recommended at least %1 GB.</source>
        <translation>%1 GB 以上を推奨します。</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Operating system</source>
        <translation>オペレーティングシステム</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Windows 7 SP1, Windows 8.1 or above (64-bit) is required.</source>
        <translation>Windows 7 SP1、Windows 8.1 以降 (64 ビット) が必要です。</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>We recommended at USB 3.0 or higher.</source>
        <translation>USB 3.0 以上を推奨します。</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>See NOVA-ready PCs</source>
        <translation>NOVA 対応 PC を見る</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Test your PC with SteamVR</source>
        <translation>SteamVR で PC をテストする</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>QUIT SETUP</source>
        <translation>セットアップを終了</translation>
    </message>
</context>
<context>
    <name>pComplete</name>
    <message>
        <location filename="../../qml/pComplete.qml" line="+14"/>
        <source>Install completed! Thanks for your waiting.</source>
        <translation>インストールが完了しました。お待たせしました。</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The %1 software is ready. Press OK to close setup.</source>
        <translation>%1 ソフトウェアの準備ができました。[OK] を押してセットアップを閉じてください。</translation>
    </message>
</context>
<context>
    <name>pDotNet</name>
    <message>
        <location filename="../../qml/pDotNet.qml" line="+18"/>
        <source>INSTALL REQUIRED SOFTWARE AGAIN</source>
        <translation>必要なソフトウェアを再インストール</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>RESTART COMPUTER</source>
        <translation>コンピューターを再起動</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>NEXT</source>
        <translation>次へ</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>INSTALL</source>
        <translation>インストール</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>Install required software</source>
        <translation>必要なソフトウェアのインストール</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>NOVA software needs Microsoft .NET Framework 4.6 or later. Setup downloads and installs it for you.</source>
        <translation>NOVA ソフトウェアには Microsoft .NET Framework 4.6 以降が必要です。セットアップがダウンロードしてインストールします。</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Installing .NET Framework. This can take a few minutes.</source>
        <translation>.NET Framework をインストールしています。数分かかる場合があります。</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>The installation did not finish. Try again to go on.</source>
        <translation>インストールが完了しませんでした。続行するにはもう一度お試しください。</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Restart your computer to finish the installation, then open setup again from its desktop shortcut.</source>
        <translation>インストールを完了するにはコンピューターを再起動し、デスクトップのショートカットからセットアップをもう一度開いてください。</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>.NET Framework is installed.</source>
        <translation>.NET Framework がインストールされました。</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>QUIT SETUP</source>
        <translation>セットアップを終了</translation>
    </message>
</context>
<context>
    <name>pDriver</name>
    <message>
        <location filename="../../qml/pDriver.qml" line="+25"/>
        <source>Update your graphics card driver</source>
        <translation>グラフィックカードのドライバーを更新</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Your graphics card driver is out of date. For the best experience with NOVA, update it to version %1 or later.</source>
        <translation>グラフィックカードのドライバーが古くなっています。NOVA を快適にお使いいただくため、バージョン %1 以降に更新してください。</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Setup closes while you update. Afterwards, open it again with the %1 shortcut on your desktop.</source>
        <translation>更新中はセットアップが終了します。更新後、デスクトップの %1 ショートカットからもう一度開いてください。</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>UPDATE DRIVER</source>
        <translation>ドライバーを更新</translation>
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
        <translation>インストール</translation>
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
        <translation>インストール先の選択</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>NOVA software will be installed in this folder.</source>
        <translation>NOVA ソフトウェアはこのフォルダーにインストールされます。</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Steam and SteamVR will be installed in this folder.</source>
        <translation>Steam と SteamVR はこのフォルダーにインストールされます。</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>Install folder: %1</source>
        <translation>インストール先フォルダー: %1</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>CHANGE</source>
        <translation>変更</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Space required: %1</source>
        <translation>必要な空き容量: %1</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>There isn&apos;t enough free space on this drive. Choose another folder.</source>
        <translation>このドライブには十分な空き容量がありません。別のフォルダーを選択してください。</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>The software is already installed on this computer.</source>
        <translation>このコンピューターにはソフトウェアがすでにインストールされています。</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>SKIP INSTALLATION</source>
        <translation>インストールをスキップ</translation>
    </message>
</context>
<context>
    <name>pHealth</name>
    <message>
        <location filename="../../qml/pHealth.qml" line="+15"/>
        <source>I UNDERSTAND</source>
        <translation>了解しました</translation>
    </message>
    <message>
        <location line="+35"/>
        <source>Clear your play area</source>
        <translation>プレイエリアを片付ける</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Keep the space around you free of obstacles, people and pets.</source>
        <translation>周囲に障害物、人、ペットがいないようにしてください。</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Mind the cable</source>
        <translation>ケーブルに注意</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Watch where the headset cable runs so that you don&apos;t trip over it.</source>
        <translation>つまずかないよう、ヘッドセットのケーブルの位置に注意してください。</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Wear it right</source>
        <translation>正しく装着する</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Adjust the head strap until the headset sits firmly and comfortably.</source>
        <translation>ヘッドセットがしっかりと快適に固定されるよう、ヘッドストラップを調整してください。</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Take regular breaks</source>
        <translation>定期的に休憩する</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Rest for 10 to 15 minutes at least every 30 minutes.</source>
        <translation>少なくとも 30 分ごとに 10～15 分の休憩を取ってください。</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Supervise children</source>
        <translation>お子様を見守る</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Children should use the headset only with an adult nearby.</source>
        <translation>お子様がヘッドセットを使用する際は、必ず大人がそばにいるようにしてください。</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Listen to your body</source>
        <translation>体調に気を配る</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Stop at once if you feel dizzy, sick or uncomfortable.</source>
        <translation>めまい、吐き気、不快感を感じたら、すぐに使用を中止してください。</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Health and safety</source>
        <translation>健康と安全</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Read these warnings before you use your headset. They help you enjoy VR safely.</source>
        <translation>ヘッドセットを使用する前に、以下の注意事項をお読みください。VR を安全に楽しむためのものです。</translation>
    </message>
</context>
<context>
    <name>pInstall</name>
    <message>
        <location filename="../../qml/pInstall.qml" line="+12"/>
        <source>Preparing</source>
        <translation>準備中</translation>
    </message>
    <message>
        <location line="+101"/>
        <source>Sign in or sign up for a Steam account</source>
        <translation>Steam アカウントにサインインまたは登録</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Steam has opened its sign-in window. Sign in, or create a free account, to go on with the installation.</source>
        <translation>Steam のサインイン画面が開きました。インストールを続けるには、サインインするか無料アカウントを作成してください。</translation>
    </message>
    <message>
        <location line="+30"/>
        <source>The download speed is very slow. Please check your network connection</source>
        <translation>ダウンロード速度が非常に遅くなっています。ネットワーク接続を確認してください</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Installation completed</source>
        <translation>インストール完了</translation>
    </message>
</context>
<context>
    <name>pKeltSignin</name>
    <message>
        <location filename="../../qml/pKeltSignin.qml" line="+30"/>
        <location line="+13"/>
        <location line="+18"/>
        <source>SIGN IN</source>
        <translation>サインイン</translation>
    </message>
    <message>
        <location line="-6"/>
        <source>Sign in to KELT | NOVA Account</source>
        <translation>KELT | NOVA アカウントにサインイン</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>To download and install the NOVA software suite, sign in to KELT | NOVA Account.</source>
        <translation>NOVA ソフトウェアスイートをダウンロードしてインストールするには、KELT | NOVA アカウントにサインインしてください。</translation>
    </message>
</context>
<context>
    <name>pLegal</name>
    <message>
        <location filename="../../qml/pLegal.qml" line="+36"/>
        <source>Welcome to NOVA</source>
        <translation>NOVA へようこそ</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>%1 Setup installs the software your headset needs and checks that your computer is ready for it.</source>
        <translation>%1 セットアップは、ヘッドセットに必要なソフトウェアをインストールし、お使いのコンピューターの準備ができているかを確認します。</translation>
    </message>
    <message>
        <location line="+31"/>
        <source>I have read and accept the KELT &lt;a href=&quot;%1&quot;&gt;EULA&lt;/a&gt;, &lt;a href=&quot;%2&quot;&gt;terms of use&lt;/a&gt; and &lt;a href=&quot;%3&quot;&gt;privacy policy&lt;/a&gt;.</source>
        <translation>KELT の&lt;a href=&quot;%1&quot;&gt;使用許諾契約&lt;/a&gt;、&lt;a href=&quot;%2&quot;&gt;利用規約&lt;/a&gt;、&lt;a href=&quot;%3&quot;&gt;プライバシーポリシー&lt;/a&gt;を読み、同意します。</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>GET STARTED</source>
        <translation>開始する</translation>
    </message>
</context>
<context>
    <name>pSignin</name>
    <message>
        <location filename="../../qml/pSignin.qml" line="+7"/>
        <source>Sign in or sign up for a Steam account</source>
        <translation>Steam アカウントにサインインまたは登録</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Steam opens its sign-in window during the installation. Sign in, or create a free account, so that SteamVR can finish installing.</source>
        <translation>インストール中に Steam のサインイン画面が開きます。SteamVR のインストールを完了するには、サインインするか無料アカウントを作成してください。</translation>
    </message>
</context>
<context>
    <name>pSw01</name>
    <message>
        <location filename="../../qml/pSw01.qml" line="+7"/>
        <source>Install the NOVA software</source>
        <translation>NOVA ソフトウェアのインストール</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Setup downloads and installs the NOVA software suite and SteamVR. Depending on your connection, this can take a while.</source>
        <translation>セットアップは NOVA ソフトウェアスイートと SteamVR をダウンロードしてインストールします。接続状況によっては時間がかかる場合があります。</translation>
    </message>
</context>
</TS>
