<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko_KR">
<context>
    <name>AnimDialog</name>
    <message>
        <location filename="../../qml/AnimDialog.qml" line="+8"/>
        <source>Please wait...</source>
        <translation>잠시 기다려 주세요...</translation>
    </message>
</context>
<context>
    <name>CPageManager</name>
    <message>
        <location filename="../../wizard/PageDialogCatalogue.cpp" line="+14"/>
        <source>QUIT SETUP</source>
        <translation>설치 종료</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>QUIT SETUP&lt;span id=&quot;downloader-00&quot;&gt;&lt;/span&gt;</source>
        <translation>설치 종료&lt;span id=&quot;downloader-00&quot;&gt;&lt;/span&gt;</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>TRY AGAIN</source>
        <translation>다시 시도</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Sign in as an administrator</source>
        <translation>관리자로 로그인</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>You don&apos;t have necessary permissions to install software on this computer. Sign in as an administrator to continue with NOVA Tundra Setup.</source>
        <translation>이 컴퓨터에 소프트웨어를 설치하는 데 필요한 권한이 없습니다. NOVA Tundra 설치 프로그램을 계속 진행하려면 관리자로 로그인하세요.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Unsupported region</source>
        <translation>지원되지 않는 지역</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>This version of NOVA Tundra Setup is not supported in your region. Please download your region&apos;s version at </source>
        <translation>이 버전의 NOVA Tundra 설치 프로그램은 현재 지역에서 지원되지 않습니다. 해당 지역용 버전은 다음 주소에서 다운로드하세요. </translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Compatibility mode</source>
        <translation>호환성 모드</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>NOVA Tundra Setup can&apos;t run under compatibility mode, so we&apos;ve disabled compatibility mode for it. Close and relaunch NOVA Tundra Setup to continue.</source>
        <translation>NOVA Tundra 설치 프로그램은 호환성 모드에서 실행할 수 없으므로 호환성 모드를 해제했습니다. 계속하려면 NOVA Tundra 설치 프로그램을 닫았다가 다시 실행하세요.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Cancel setup?</source>
        <translation>설치를 취소하시겠습니까?</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>.Net framework is still installing. After installation, you could need to &lt;br&gt;restart PC and re-launch NOVA Tundra Setup manually.</source>
        <translation>.NET Framework를 아직 설치하고 있습니다. 설치가 완료되면 &lt;br&gt;PC를 다시 시작하고 NOVA Tundra 설치 프로그램을 직접 다시 실행해야 할 수 있습니다.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>CANCEL</source>
        <translation>취소</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Terms and conditions</source>
        <translation>이용 약관</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>To continue setup, accept the terms and conditions.</source>
        <translation>설치를 계속하려면 이용 약관에 동의하세요.</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+14"/>
        <location filename="../../wizard/PageList.cpp" line="+27"/>
        <source>OK</source>
        <translation>확인</translation>
    </message>
    <message>
        <location line="-13"/>
        <source>Download driver?</source>
        <translation>드라이버를 다운로드하시겠습니까?</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>NOVA Tundra Setup will close. After updating your graphics card driver, reopen it from the desktop.</source>
        <translation>NOVA Tundra 설치 프로그램이 닫힙니다. 그래픽 카드 드라이버를 업데이트한 후 바탕 화면에서 다시 여세요.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>CANCEL&lt;span id=&quot;driver-00&quot;&gt;&lt;/span&gt;</source>
        <translation>취소&lt;span id=&quot;driver-00&quot;&gt;&lt;/span&gt;</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>DOWNLOAD&lt;span id=&quot;driver-01&quot;&gt;&lt;/span&gt;</source>
        <translation>다운로드&lt;span id=&quot;driver-01&quot;&gt;&lt;/span&gt;</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cancel installation?</source>
        <translation>설치를 취소하시겠습니까?</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>NOVA Tundra Setup will quit if you choose to cancel software installation.</source>
        <translation>소프트웨어 설치를 취소하면 NOVA Tundra 설치 프로그램이 종료됩니다.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>CANCEL SETUP</source>
        <translation>설치 취소</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>BACK</source>
        <translation>뒤로</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Something went wrong</source>
        <translation>문제가 발생했습니다</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Please try to sign in to KELT | NOVA Account again.</source>
        <translation>KELT | NOVA 계정에 다시 로그인해 보세요.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Warning</source>
        <translation>경고</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The specified path is not available or do not have enough space.</source>
        <translation>지정한 경로를 사용할 수 없거나 공간이 부족합니다.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Sign in to KELT | NOVA Account</source>
        <translation>KELT | NOVA 계정에 로그인</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>To download and install the NOVA software suite, sign in to KELT | NOVA Account.</source>
        <translation>NOVA 소프트웨어 제품군을 다운로드하여 설치하려면 KELT | NOVA 계정에 로그인하세요.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>SIGN IN</source>
        <translation>로그인</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Couldn&apos;t connect to NOVA server</source>
        <translation>NOVA 서버에 연결할 수 없음</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Something went wrong while trying to connect with the NOVA server.</source>
        <translation>NOVA 서버에 연결하는 중 문제가 발생했습니다.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>QUIT SETUP&lt;span id=&quot;downloader-24&quot;&gt;&lt;/span&gt;</source>
        <translation>설치 종료&lt;span id=&quot;downloader-24&quot;&gt;&lt;/span&gt;</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>TRY AGAIN&lt;span id=&quot;downloader-25&quot;&gt;&lt;/span&gt;</source>
        <translation>다시 시도&lt;span id=&quot;downloader-25&quot;&gt;&lt;/span&gt;</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Couldn&apos;t download SteamVR&lt;span id=&quot;downloader-16&quot;&gt;&lt;/span&gt;</source>
        <translation>SteamVR을 다운로드할 수 없음&lt;span id=&quot;downloader-16&quot;&gt;&lt;/span&gt;</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Something went wrong while downloading SteamVR. Please try again.</source>
        <translation>SteamVR을 다운로드하는 중 문제가 발생했습니다. 다시 시도하세요.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>QUIT SETUP&lt;span id=&quot;downloader-17&quot;&gt;&lt;/span&gt;</source>
        <translation>설치 종료&lt;span id=&quot;downloader-17&quot;&gt;&lt;/span&gt;</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>TRY AGAIN&lt;span id=&quot;downloader-18&quot;&gt;&lt;/span&gt;</source>
        <translation>다시 시도&lt;span id=&quot;downloader-18&quot;&gt;&lt;/span&gt;</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Close SteamVR to continue</source>
        <translation>계속하려면 SteamVR을 닫으세요</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>NOVA Tundra Setup installs the latest version of SteamVR. To continue software installation, close SteamVR.</source>
        <translation>NOVA Tundra 설치 프로그램이 최신 버전의 SteamVR을 설치합니다. 소프트웨어 설치를 계속하려면 SteamVR을 닫으세요.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Reopen NOVA Tundra Setup</source>
        <translation>NOVA Tundra 설치 프로그램을 다시 여세요</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Something went wrong while trying to stop SteamVR.</source>
        <translation>SteamVR을 중지하는 중 문제가 발생했습니다.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Just a sec...</source>
        <translation>잠시만 기다려 주세요...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>It&apos;ll just be a moment while the NOVA software finishes downloading. (&lt;b&gt;%1%&lt;/b&gt;)</source>
        <translation>NOVA 소프트웨어 다운로드가 곧 완료됩니다. 잠시만 기다려 주세요. (&lt;b&gt;%1%&lt;/b&gt;)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Please wait</source>
        <translation>잠시 기다려 주세요</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The NOVA desktop app is still downloading. Please wait. (&lt;b&gt;%1%&lt;/b&gt;)</source>
        <translation>NOVA 데스크톱 앱을 아직 다운로드하고 있습니다. 잠시 기다려 주세요. (&lt;b&gt;%1%&lt;/b&gt;)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>CONTINUE</source>
        <translation>계속</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Quit NOVA Tundra Setup?</source>
        <translation>NOVA Tundra 설치 프로그램을 종료하시겠습니까?</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Installation is not complete. You may run NOVA Tundra Setup to complete the installation later.</source>
        <translation>설치가 완료되지 않았습니다. 나중에 NOVA Tundra 설치 프로그램을 실행하여 설치를 완료할 수 있습니다.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>QUIT SETUP&lt;span id=&quot;common-01&quot;&gt;&lt;/span&gt;</source>
        <translation>설치 종료&lt;span id=&quot;common-01&quot;&gt;&lt;/span&gt;</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>BACK&lt;span id=&quot;common-02&quot;&gt;&lt;/span&gt;</source>
        <translation>뒤로&lt;span id=&quot;common-02&quot;&gt;&lt;/span&gt;</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Quit NOVAPORT Setup?</source>
        <translation>NOVAPORT 설치 프로그램을 종료하시겠습니까?</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Installation is not complete. You may run NOVAPORT Setup to complete the installation later.</source>
        <translation>설치가 완료되지 않았습니다. 나중에 NOVAPORT 설치 프로그램을 실행하여 설치를 완료할 수 있습니다.</translation>
    </message>
    <message>
        <location filename="../../wizard/PageList.cpp" line="-11"/>
        <source>NEXT</source>
        <translation>다음</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>INSTALL</source>
        <translation>설치</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>I UNDERSTAND</source>
        <translation>확인했습니다</translation>
    </message>
</context>
<context>
    <name>CheckResult</name>
    <message>
        <location filename="../../qml/CheckResult.qml" line="+19"/>
        <source>Meets the requirements</source>
        <translation>요구 사항 충족</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Could not be checked</source>
        <translation>확인할 수 없음</translation>
    </message>
</context>
<context>
    <name>ContentAboutQT</name>
    <message>
        <location filename="../../qml/ContentAboutQT.qml" line="+16"/>
        <source>About Qt</source>
        <translation>Qt 정보</translation>
    </message>
    <message>
        <location line="+32"/>
        <source>This program uses the Qt libraries, version 5.15, under the GNU Lesser General Public License version 3. See &lt;a href=&quot;%1&quot;&gt;qt.io/licensing&lt;/a&gt; for the license and the source code.</source>
        <translation>이 프로그램은 GNU Lesser General Public License 버전 3에 따라 Qt 라이브러리 버전 5.15를 사용합니다. 라이선스와 소스 코드는 &lt;a href=&quot;%1&quot;&gt;qt.io/licensing&lt;/a&gt;에서 확인하세요.</translation>
    </message>
</context>
<context>
    <name>DialogManager</name>
    <message>
        <location filename="../../wizard/DialogCatalogue.cpp" line="+15"/>
        <source>QUIT SETUP</source>
        <translation>설치 종료</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>TRY AGAIN</source>
        <translation>다시 시도</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>BACK</source>
        <translation>뒤로</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>OK</source>
        <translation>확인</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>CANCEL</source>
        <translation>취소</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>CONTINUE</source>
        <translation>계속</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>RETRY</source>
        <translation>재시도</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Warning</source>
        <translation>경고</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Installation failed</source>
        <translation>설치 실패</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Are you sure you want to skip?</source>
        <translation>이 단계를 건너뛰시겠습니까?</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>SKIP ANYWAY</source>
        <translation>그래도 건너뛰기</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Please wait</source>
        <translation>잠시 기다려 주세요</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>CONTINUE ANYWAY</source>
        <translation>그래도 계속</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>QUIT</source>
        <translation>종료</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Quit %1 Setup?</source>
        <translation>%1 설치 프로그램을 종료하시겠습니까?</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Couldn&apos;t install Steam</source>
        <translation>Steam을 설치할 수 없음</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 is already running</source>
        <translation>%1이(가) 이미 실행 중입니다</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Another instance of %1 Setup is already running. Would you like to close this one or force to resume?</source>
        <translation>다른 %1 설치 프로그램이 이미 실행 중입니다. 이 프로그램을 닫으시겠습니까, 아니면 강제로 계속하시겠습니까?</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>FORCE TO RESUME</source>
        <translation>강제로 계속</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Updating NOVA desktop app...</source>
        <translation>NOVA 데스크톱 앱 업데이트 중...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The NOVA desktop app is being updated. Please wait until the update has been installed before running %1 Setup.</source>
        <translation>NOVA 데스크톱 앱을 업데이트하고 있습니다. 업데이트 설치가 끝날 때까지 기다린 후 %1 설치 프로그램을 실행하세요.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Unsupported region</source>
        <translation>지원되지 않는 지역</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>This version of %1 Setup is not supported in your region. Please download your region&apos;s version at </source>
        <translation>이 버전의 %1 설치 프로그램은 현재 지역에서 지원되지 않습니다. 해당 지역용 버전은 다음 주소에서 다운로드하세요. </translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Installation is not complete. You may run %1 Setup to complete the installation later.</source>
        <translation>설치가 완료되지 않았습니다. 나중에 %1 설치 프로그램을 실행하여 설치를 완료할 수 있습니다.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Software installation is in progress. Closing %1 Setup will also stop ongoing installation process. You&apos;ll need to run %1 Setup again.</source>
        <translation>소프트웨어 설치가 진행 중입니다. %1 설치 프로그램을 닫으면 진행 중인 설치도 중지되며, %1 설치 프로그램을 다시 실행해야 합니다.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Invalid installation folder</source>
        <translation>잘못된 설치 폴더</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Please avoid special non-English characters as installation path. It may cause content compatibility issues.</source>
        <translation>설치 경로에 영문 이외의 문자나 특수 문자를 사용하지 마세요. 콘텐츠 호환성 문제가 발생할 수 있습니다.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Couldn&apos;t install NOVA software</source>
        <translation>NOVA 소프트웨어를 설치할 수 없음</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Make sure that you have sufficient permissions to install on the selected folder.</source>
        <translation>선택한 폴더에 설치할 수 있는 권한이 있는지 확인하세요.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Couldn&apos;t download NOVA software</source>
        <translation>NOVA 소프트웨어를 다운로드할 수 없음</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Something went wrong while downloading NOVA software.</source>
        <translation>NOVA 소프트웨어를 다운로드하는 중 문제가 발생했습니다.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Close Steam</source>
        <translation>Steam 닫기</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Confirm that you&apos;ve closed the Steam client, and then click &quot;Continue&quot;.</source>
        <translation>Steam 클라이언트를 닫았는지 확인한 후 &apos;계속&apos;을 클릭하세요.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Something went wrong while trying to open Steam.</source>
        <translation>Steam을 여는 중 문제가 발생했습니다.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Something went wrong while installing Steam.</source>
        <translation>Steam을 설치하는 중 문제가 발생했습니다.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>CLOSE SETUP</source>
        <translation>설치 프로그램 닫기</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Please close your SteamVR and press &quot;Continue&quot;.</source>
        <translation>SteamVR을 닫고 &apos;계속&apos;을 누르세요.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Couldn&apos;t download SteamVR</source>
        <translation>SteamVR을 다운로드할 수 없음</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Something went wrong while downloading SteamVR.</source>
        <translation>SteamVR을 다운로드하는 중 문제가 발생했습니다.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Openvr driver register fail.</source>
        <translation>OpenVR 드라이버를 등록하지 못했습니다.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Zeph runtime register fail.</source>
        <translation>Zeph 런타임을 등록하지 못했습니다.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Both openvr driver and zeph runtime register fail.</source>
        <translation>OpenVR 드라이버와 Zeph 런타임을 모두 등록하지 못했습니다.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Restart required</source>
        <translation>다시 시작 필요</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Your computer needs to be restarted to finish the installation.</source>
        <translation>설치를 완료하려면 컴퓨터를 다시 시작해야 합니다.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>RESTART LATER</source>
        <translation>나중에 다시 시작</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>RESTART NOW</source>
        <translation>지금 다시 시작</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>An error occurred during installation, please try again. If the error persists, go to %1FAQ%2 to check for possible solutions.</source>
        <translation>설치 중 오류가 발생했습니다. 다시 시도하세요. 오류가 계속되면 %1FAQ%2에서 해결 방법을 확인하세요.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Another installation is in progress. Wait a few minutes and try again. If the problem persists, go to %1FAQ%2 to check for possible solutions.</source>
        <translation>다른 설치가 진행 중입니다. 몇 분 후에 다시 시도하세요. 문제가 계속되면 %1FAQ%2에서 해결 방법을 확인하세요.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>An error occurred during installation. Go to %1FAQ%2 to check for possible solutions.</source>
        <translation>설치 중 오류가 발생했습니다. %1FAQ%2에서 해결 방법을 확인하세요.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Terms and conditions</source>
        <translation>이용 약관</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>To continue, accept the KELT EULA, terms of use, and privacy policy by selecting the check box.</source>
        <translation>계속하려면 확인란을 선택하여 KELT 최종 사용자 라이선스 계약, 이용 약관 및 개인정보 처리방침에 동의하세요.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Computer update recommended</source>
        <translation>컴퓨터 업데이트 권장</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Your computer may not work well with NOVA. For the best experience, update your system before installing NOVA.</source>
        <translation>컴퓨터에서 NOVA가 제대로 작동하지 않을 수 있습니다. 최상의 환경을 위해 NOVA를 설치하기 전에 시스템을 업데이트하세요.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Cancel setup?</source>
        <translation>설치를 취소하시겠습니까?</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>.NET framework is still installing. After the installation, restart your computer and relaunch %1 Setup manually.</source>
        <translation>.NET Framework를 아직 설치하고 있습니다. 설치가 완료되면 컴퓨터를 다시 시작하고 %1 설치 프로그램을 직접 다시 실행하세요.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Driver update required</source>
        <translation>드라이버 업데이트 필요</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Your computer may not work well with NOVA. Update your graphics card driver before installing NOVA.</source>
        <translation>컴퓨터에서 NOVA가 제대로 작동하지 않을 수 있습니다. NOVA를 설치하기 전에 그래픽 카드 드라이버를 업데이트하세요.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Exit setup and update driver</source>
        <translation>설치 종료 및 드라이버 업데이트</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 Setup will now close and open your web browser to the driver update page. After updating the driver, run %1 Setup again by double-clicking its shortcut on the computer desktop.</source>
        <translation>이제 %1 설치 프로그램이 닫히고 웹 브라우저에서 드라이버 업데이트 페이지가 열립니다. 드라이버를 업데이트한 후 바탕 화면의 바로 가기를 두 번 클릭하여 %1 설치 프로그램을 다시 실행하세요.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The USB / %1 connection is not yet detected. You can return to this screen later to confirm the connection status.</source>
        <translation>USB / %1 연결이 아직 감지되지 않았습니다. 나중에 이 화면으로 돌아와 연결 상태를 확인할 수 있습니다.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The headset has a dual front cameras that lets you see through or interact with the actual environment outside of VR. For the best experience, you need to connect using USB 3.0 port or higher.</source>
        <translation>헤드셋에는 전면 듀얼 카메라가 있어 VR 밖의 실제 환경을 보거나 실제 환경과 상호 작용할 수 있습니다. 최상의 환경을 위해 USB 3.0 이상의 포트에 연결해야 합니다.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>To troubleshoot USB connection issues, try the following:&lt;ul&gt;&lt;li&gt;Open Windows Device Manager and check that no USB devices are still installing. USB driver installation may take about 5-10 minutes.&lt;/li&gt;&lt;li&gt;Unplug the headset&apos;s USB cable from the computer, wait a few seconds, and plug it in again.&lt;/li&gt;&lt;li&gt;Connect the USB cable to another USB 3.0 port, preferably one on the back of the computer.&lt;/li&gt;&lt;li&gt;If you use a USB hub or an extension cable, connect the headset directly to the computer.&lt;/li&gt;&lt;/ul&gt;</source>
        <translation>USB 연결 문제를 해결하려면 다음을 시도해 보세요.&lt;ul&gt;&lt;li&gt;Windows 장치 관리자를 열고 아직 설치 중인 USB 장치가 없는지 확인하세요. USB 드라이버 설치에는 약 5~10분이 걸릴 수 있습니다.&lt;/li&gt;&lt;li&gt;헤드셋의 USB 케이블을 컴퓨터에서 분리하고 몇 초 후에 다시 연결하세요.&lt;/li&gt;&lt;li&gt;USB 케이블을 다른 USB 3.0 포트에 연결하세요. 가급적 컴퓨터 뒷면의 포트를 사용하세요.&lt;/li&gt;&lt;li&gt;USB 허브나 연장 케이블을 사용하는 경우 헤드셋을 컴퓨터에 직접 연결하세요.&lt;/li&gt;&lt;/ul&gt;</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>HMD is not ready and will not work appropriately later.</source>
        <translation>헤드셋이 준비되지 않았으며 이후에 제대로 작동하지 않습니다.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Oops...</source>
        <translation>이런...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Something went wrong when downloading required component.</source>
        <translation>필요한 구성 요소를 다운로드하는 중 문제가 발생했습니다.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>One or both controllers are not yet detected. You will need the controllers to complete the setup. You can pair the controllers using the NOVA Console if you choose to skip the step.</source>
        <translation>컨트롤러 한 개 또는 두 개가 아직 감지되지 않았습니다. 설정을 완료하려면 컨트롤러가 필요합니다. 이 단계를 건너뛰는 경우 NOVA Console에서 컨트롤러를 페어링할 수 있습니다.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Left controller is paired.</source>
        <translation>왼쪽 컨트롤러가 페어링되었습니다.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Now let&apos;s pair your right controller.</source>
        <translation>이제 오른쪽 컨트롤러를 페어링하세요.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Right controller paired.</source>
        <translation>오른쪽 컨트롤러 페어링됨</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Your right controller is paired.</source>
        <translation>오른쪽 컨트롤러가 페어링되었습니다.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Launching roomsetup...</source>
        <translation>룸 설정을 시작하는 중...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Waiting for HMD ready...</source>
        <translation>헤드셋이 준비되기를 기다리는 중...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Could not find the headset</source>
        <translation>헤드셋을 찾을 수 없음</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Please make sure the headset is connected and powered on and try again.</source>
        <translation>헤드셋이 연결되어 있고 전원이 켜져 있는지 확인한 후 다시 시도하세요.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Are you sure you want to quit?</source>
        <translation>종료하시겠습니까?</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>NOVA won&apos;t work until the room setup is completed. Are you sure you want to quit? You can still resume the room settings in NOVA Console after leaving.</source>
        <translation>룸 설정을 완료해야 NOVA가 작동합니다. 종료하시겠습니까? 종료한 후에도 NOVA Console에서 룸 설정을 계속할 수 있습니다.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Couldn&apos;t launch room setup</source>
        <translation>룸 설정을 시작할 수 없음</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Room setup could not be launched because steamVR is not installed completely. After installing steamVR, you can still resume the room settings in NOVA Console.</source>
        <translation>SteamVR이 완전히 설치되지 않아 룸 설정을 시작할 수 없습니다. SteamVR을 설치한 후 NOVA Console에서 룸 설정을 계속할 수 있습니다.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Quit %1 Hardware Setup Guide?</source>
        <translation>%1 하드웨어 설정 가이드를 종료하시겠습니까?</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>You may run %1 Hardware Setup Guide to set up the hardware later.</source>
        <translation>나중에 %1 하드웨어 설정 가이드를 실행하여 하드웨어를 설정할 수 있습니다.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Quit NOVAPORT Setup?</source>
        <translation>NOVAPORT 설치 프로그램을 종료하시겠습니까?</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Installation is not complete. You may run NOVAPORT Setup to complete the installation later.</source>
        <translation>설치가 완료되지 않았습니다. 나중에 NOVAPORT 설치 프로그램을 실행하여 설치를 완료할 수 있습니다.</translation>
    </message>
</context>
<context>
    <name>Footer</name>
    <message>
        <location filename="../base/Footer.qml" line="+85"/>
        <source>Help</source>
        <translation>도움말</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Take screenshots</source>
        <translation>스크린샷 찍기</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>BACK</source>
        <translation>뒤로</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>NEXT</source>
        <translation>다음</translation>
    </message>
</context>
<context>
    <name>Header</name>
    <message>
        <location filename="../base/Header.qml" line="+35"/>
        <source>Install software</source>
        <translation>소프트웨어 설치</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Get ready</source>
        <translation>준비</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Check your PC</source>
        <translation>PC 확인</translation>
    </message>
    <message>
        <location line="+57"/>
        <source>done</source>
        <translation>완료</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>current step</source>
        <translation>현재 단계</translation>
    </message>
    <message>
        <location line="+62"/>
        <source>Minimize</source>
        <translation>최소화</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Close</source>
        <translation>닫기</translation>
    </message>
</context>
<context>
    <name>InstallInfo</name>
    <message>
        <location filename="../../qml/InstallInfo.qml" line="+32"/>
        <source>About %1 min left</source>
        <translation>약 %1분 남음</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Installation will finish in a few minutes</source>
        <translation>몇 분 후에 설치가 완료됩니다</translation>
    </message>
</context>
<context>
    <name>InstallManager</name>
    <message>
        <location filename="../../install/flow/InstallManager.cpp" line="+277"/>
        <source>Installing NOVAPORT Desktop App</source>
        <translation>NOVAPORT Desktop App 설치 중</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Installing %1 Software</source>
        <translation>%1 소프트웨어 설치 중</translation>
    </message>
    <message>
        <location line="+112"/>
        <source>Uninstalling NOVA</source>
        <translation>NOVA 제거 중</translation>
    </message>
    <message>
        <location line="+187"/>
        <source>%1 Setup Guide</source>
        <translation>%1 설정 가이드</translation>
    </message>
    <message>
        <location line="+429"/>
        <location filename="../../install/InstallInfo.cpp" line="+21"/>
        <source>Installing %1</source>
        <translation>%1 설치 중</translation>
    </message>
    <message>
        <location line="+73"/>
        <source>Finished</source>
        <translation>완료</translation>
    </message>
    <message>
        <location line="+175"/>
        <source>NOVAPORT Desktop App</source>
        <translation>NOVAPORT Desktop App</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>%1 Software</source>
        <translation>%1 소프트웨어</translation>
    </message>
    <message>
        <location filename="../../install/InstallInfo.cpp" line="-5"/>
        <source>%1 MB/s</source>
        <translation>%1 MB/s</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Installing %1 (%2/%3 MB)</source>
        <translation>%1 설치 중 (%2/%3 MB)</translation>
    </message>
    <message>
        <location line="+20"/>
        <source> (%1/%2 MB)</source>
        <extracomment>The sizes after a package name, with the space before them.</extracomment>
        <translation> (%1/%2 MB)</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Installing %1%2</source>
        <translation>%1%2 설치 중</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Installing %1%2 and %3</source>
        <translation>%1%2 및 %3 설치 중</translation>
    </message>
</context>
<context>
    <name>LanguageSelector</name>
    <message>
        <location filename="../../qml/LanguageSelector.qml" line="+84"/>
        <source>Language: %1</source>
        <translation>언어: %1</translation>
    </message>
    <message>
        <location line="+63"/>
        <source>Languages</source>
        <translation>언어</translation>
    </message>
</context>
<context>
    <name>PathManager</name>
    <message>
        <location filename="../../location/PathManager.cpp" line="+321"/>
        <source>Please choose a folder</source>
        <translation>폴더를 선택하세요</translation>
    </message>
</context>
<context>
    <name>Progress</name>
    <message>
        <location filename="../../qml/Progress.qml" line="+79"/>
        <source>Installation progress</source>
        <translation>설치 진행률</translation>
    </message>
</context>
<context>
    <name>ReplayBtn</name>
    <message>
        <location filename="../../qml/ReplayBtn.qml" line="+4"/>
        <source>Replay</source>
        <translation>다시 재생</translation>
    </message>
</context>
<context>
    <name>SigninButton</name>
    <message>
        <location filename="../../qml/SigninButton.qml" line="+6"/>
        <source>SIGN IN</source>
        <translation>로그인</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <location filename="../../qml/main.qml" line="+131"/>
        <source>%1 Setup</source>
        <translation>%1 설치 프로그램</translation>
    </message>
    <message>
        <location line="+233"/>
        <source>Version %1</source>
        <translation>버전 %1</translation>
    </message>
</context>
<context>
    <name>pCheck</name>
    <message>
        <location filename="../../qml/pCheck.qml" line="+30"/>
        <source>Your PC might not be NOVA ready</source>
        <translation>PC가 NOVA 요구 사항을 충족하지 않을 수 있음</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Some parts of your computer don&apos;t meet what NOVA needs. You can go on, but NOVA may not run well.</source>
        <translation>컴퓨터의 일부 사양이 NOVA 요구 사항을 충족하지 않습니다. 계속할 수는 있지만 NOVA가 원활하게 실행되지 않을 수 있습니다.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Graphics card</source>
        <translation>그래픽 카드</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Your graphics card may not work well with NOVA.</source>
        <translation>그래픽 카드가 NOVA에서 제대로 작동하지 않을 수 있습니다.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Processor</source>
        <translation>프로세서</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Your processor doesn&apos;t match our list of compatible processors.</source>
        <translation>프로세서가 호환 프로세서 목록에 없습니다.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Memory</source>
        <translation>메모리</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>We recommended at least %1 GB.</source>
        <translation>%1 GB 이상을 권장합니다.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Operating system</source>
        <translation>운영 체제</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Windows 7 SP1, Windows 8.1 or above (64-bit) is required.</source>
        <translation>Windows 7 SP1, Windows 8.1 이상(64비트)이 필요합니다.</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>We recommended at USB 3.0 or higher.</source>
        <translation>USB 3.0 이상을 권장합니다.</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>See NOVA-ready PCs</source>
        <translation>NOVA 지원 PC 보기</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Test your PC with SteamVR</source>
        <translation>SteamVR로 PC 테스트</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>QUIT SETUP</source>
        <translation>설치 종료</translation>
    </message>
</context>
<context>
    <name>pComplete</name>
    <message>
        <location filename="../../qml/pComplete.qml" line="+14"/>
        <source>Install completed! Thanks for your waiting.</source>
        <translation>설치가 완료되었습니다! 기다려 주셔서 감사합니다.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The %1 software is ready. Press OK to close setup.</source>
        <translation>%1 소프트웨어가 준비되었습니다. 설치 프로그램을 닫으려면 &apos;확인&apos;을 누르세요.</translation>
    </message>
</context>
<context>
    <name>pDotNet</name>
    <message>
        <location filename="../../qml/pDotNet.qml" line="+18"/>
        <source>INSTALL REQUIRED SOFTWARE AGAIN</source>
        <translation>필요한 소프트웨어 다시 설치</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>RESTART COMPUTER</source>
        <translation>컴퓨터 다시 시작</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>NEXT</source>
        <translation>다음</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>INSTALL</source>
        <translation>설치</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>Install required software</source>
        <translation>필요한 소프트웨어 설치</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>NOVA software needs Microsoft .NET Framework 4.6 or later. Setup downloads and installs it for you.</source>
        <translation>NOVA 소프트웨어에는 Microsoft .NET Framework 4.6 이상이 필요합니다. 설치 프로그램이 자동으로 다운로드하여 설치합니다.</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Installing .NET Framework. This can take a few minutes.</source>
        <translation>.NET Framework를 설치하는 중입니다. 몇 분 정도 걸릴 수 있습니다.</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>The installation did not finish. Try again to go on.</source>
        <translation>설치가 완료되지 않았습니다. 계속하려면 다시 시도하세요.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Restart your computer to finish the installation, then open setup again from its desktop shortcut.</source>
        <translation>컴퓨터를 다시 시작하여 설치를 완료한 다음 바탕 화면 바로 가기로 설치 프로그램을 다시 여세요.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>.NET Framework is installed.</source>
        <translation>.NET Framework가 설치되었습니다.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>QUIT SETUP</source>
        <translation>설치 종료</translation>
    </message>
</context>
<context>
    <name>pDriver</name>
    <message>
        <location filename="../../qml/pDriver.qml" line="+25"/>
        <source>Update your graphics card driver</source>
        <translation>그래픽 카드 드라이버 업데이트</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Your graphics card driver is out of date. For the best experience with NOVA, update it to version %1 or later.</source>
        <translation>그래픽 카드 드라이버가 오래되었습니다. NOVA를 최상의 환경에서 사용하려면 드라이버를 버전 %1 이상으로 업데이트하세요.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Setup closes while you update. Afterwards, open it again with the %1 shortcut on your desktop.</source>
        <translation>업데이트하는 동안 설치 프로그램이 닫힙니다. 업데이트 후 바탕 화면의 %1 바로 가기로 다시 여세요.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>UPDATE DRIVER</source>
        <translation>드라이버 업데이트</translation>
    </message>
</context>
<context>
    <name>pFolder</name>
    <message>
        <location filename="../../qml/pFolder.qml" line="+40"/>
        <location line="+28"/>
        <location line="+7"/>
        <location line="+13"/>
        <source>INSTALL</source>
        <translation>설치</translation>
    </message>
    <message>
        <location line="-29"/>
        <source>%1 MB</source>
        <translation>%1 MB</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 GB</source>
        <translation>%1 GB</translation>
    </message>
    <message>
        <location line="+37"/>
        <source>Choose where to install</source>
        <translation>설치 위치 선택</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>NOVA software will be installed in this folder.</source>
        <translation>NOVA 소프트웨어가 이 폴더에 설치됩니다.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Steam and SteamVR will be installed in this folder.</source>
        <translation>Steam 및 SteamVR이 이 폴더에 설치됩니다.</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>Install folder: %1</source>
        <translation>설치 폴더: %1</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>CHANGE</source>
        <translation>변경</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Space required: %1</source>
        <translation>필요한 공간: %1</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>There isn&apos;t enough free space on this drive. Choose another folder.</source>
        <translation>이 드라이브에 여유 공간이 부족합니다. 다른 폴더를 선택하세요.</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>The software is already installed on this computer.</source>
        <translation>이 컴퓨터에 소프트웨어가 이미 설치되어 있습니다.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>SKIP INSTALLATION</source>
        <translation>설치 건너뛰기</translation>
    </message>
</context>
<context>
    <name>pHealth</name>
    <message>
        <location filename="../../qml/pHealth.qml" line="+15"/>
        <source>I UNDERSTAND</source>
        <translation>확인했습니다</translation>
    </message>
    <message>
        <location line="+35"/>
        <source>Clear your play area</source>
        <translation>플레이 공간 확보</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Keep the space around you free of obstacles, people and pets.</source>
        <translation>주변에 장애물, 사람, 반려동물이 없도록 하세요.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Mind the cable</source>
        <translation>케이블 주의</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Watch where the headset cable runs so that you don&apos;t trip over it.</source>
        <translation>헤드셋 케이블에 걸려 넘어지지 않도록 케이블 위치를 확인하세요.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Wear it right</source>
        <translation>올바른 착용</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Adjust the head strap until the headset sits firmly and comfortably.</source>
        <translation>헤드셋이 단단하고 편안하게 고정되도록 헤드 스트랩을 조절하세요.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Take regular breaks</source>
        <translation>규칙적인 휴식</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Rest for 10 to 15 minutes at least every 30 minutes.</source>
        <translation>최소 30분마다 10~15분씩 휴식을 취하세요.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Supervise children</source>
        <translation>어린이 보호</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Children should use the headset only with an adult nearby.</source>
        <translation>어린이는 반드시 성인이 곁에 있을 때만 헤드셋을 사용해야 합니다.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Listen to your body</source>
        <translation>몸 상태 확인</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Stop at once if you feel dizzy, sick or uncomfortable.</source>
        <translation>어지럽거나 메스껍거나 불편하면 즉시 사용을 중지하세요.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Health and safety</source>
        <translation>건강 및 안전</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Read these warnings before you use your headset. They help you enjoy VR safely.</source>
        <translation>헤드셋을 사용하기 전에 다음 경고를 읽어 주세요. VR을 안전하게 즐기는 데 도움이 됩니다.</translation>
    </message>
</context>
<context>
    <name>pInstall</name>
    <message>
        <location filename="../../qml/pInstall.qml" line="+12"/>
        <source>Preparing</source>
        <translation>준비 중</translation>
    </message>
    <message>
        <location line="+107"/>
        <source>Sign in or sign up for a Steam account</source>
        <translation>Steam 계정에 로그인 또는 가입</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Steam has opened its sign-in window. Sign in, or create a free account, to go on with the installation.</source>
        <translation>Steam 로그인 창이 열렸습니다. 설치를 계속하려면 로그인하거나 무료 계정을 만드세요.</translation>
    </message>
    <message>
        <location line="+30"/>
        <source>The download speed is very slow. Please check your network connection</source>
        <translation>다운로드 속도가 매우 느립니다. 네트워크 연결을 확인하세요</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Installation completed</source>
        <translation>설치 완료</translation>
    </message>
</context>
<context>
    <name>pKeltSignin</name>
    <message>
        <location filename="../../qml/pKeltSignin.qml" line="+31"/>
        <location line="+13"/>
        <location line="+18"/>
        <source>SIGN IN</source>
        <translation>로그인</translation>
    </message>
    <message>
        <location line="-6"/>
        <source>Sign in to KELT | NOVA Account</source>
        <translation>KELT | NOVA 계정에 로그인</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>To download and install the NOVA software suite, sign in to KELT | NOVA Account.</source>
        <translation>NOVA 소프트웨어 제품군을 다운로드하여 설치하려면 KELT | NOVA 계정에 로그인하세요.</translation>
    </message>
</context>
<context>
    <name>pLegal</name>
    <message>
        <location filename="../../qml/pLegal.qml" line="+38"/>
        <source>Welcome to NOVA</source>
        <translation>NOVA에 오신 것을 환영합니다</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>%1 Setup installs the software your headset needs and checks that your computer is ready for it.</source>
        <translation>%1 설치 프로그램은 헤드셋에 필요한 소프트웨어를 설치하고 컴퓨터가 준비되었는지 확인합니다.</translation>
    </message>
    <message>
        <location line="+37"/>
        <source>I have read and accept the KELT &lt;a href=&quot;%1&quot;&gt;EULA&lt;/a&gt;, &lt;a href=&quot;%2&quot;&gt;terms of use&lt;/a&gt; and &lt;a href=&quot;%3&quot;&gt;privacy policy&lt;/a&gt;.</source>
        <translation>KELT &lt;a href=&quot;%1&quot;&gt;최종 사용자 라이선스 계약&lt;/a&gt;, &lt;a href=&quot;%2&quot;&gt;이용 약관&lt;/a&gt; 및 &lt;a href=&quot;%3&quot;&gt;개인정보 처리방침&lt;/a&gt;을 읽었으며 이에 동의합니다.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>GET STARTED</source>
        <translation>시작하기</translation>
    </message>
</context>
<context>
    <name>pSignin</name>
    <message>
        <location filename="../../qml/pSignin.qml" line="+7"/>
        <source>Sign in or sign up for a Steam account</source>
        <translation>Steam 계정에 로그인 또는 가입</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Steam opens its sign-in window during the installation. Sign in, or create a free account, so that SteamVR can finish installing.</source>
        <translation>설치 중에 Steam 로그인 창이 열립니다. SteamVR 설치를 완료할 수 있도록 로그인하거나 무료 계정을 만드세요.</translation>
    </message>
</context>
<context>
    <name>pSw01</name>
    <message>
        <location filename="../../qml/pSw01.qml" line="+7"/>
        <source>Install the NOVA software</source>
        <translation>NOVA 소프트웨어 설치</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Setup downloads and installs the NOVA software suite and SteamVR. Depending on your connection, this can take a while.</source>
        <translation>설치 프로그램이 NOVA 소프트웨어 제품군과 SteamVR을 다운로드하여 설치합니다. 연결 상태에 따라 시간이 다소 걸릴 수 있습니다.</translation>
    </message>
</context>
</TS>
