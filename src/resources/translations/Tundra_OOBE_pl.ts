<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl_PL">
<context>
    <name>AnimDialog</name>
    <message>
        <location filename="../../qml/AnimDialog.qml" line="+8"/>
        <source>Please wait...</source>
        <translation>Proszę czekać…</translation>
    </message>
</context>
<context>
    <name>CPageManager</name>
    <message>
        <location filename="../../wizard/PageDialogCatalogue.cpp" line="+14"/>
        <source>QUIT SETUP</source>
        <translation>ZAMKNIJ INSTALATOR</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>QUIT SETUP&lt;span id=&quot;downloader-00&quot;&gt;&lt;/span&gt;</source>
        <translation>ZAMKNIJ INSTALATOR&lt;span id=&quot;downloader-00&quot;&gt;&lt;/span&gt;</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>TRY AGAIN</source>
        <translation>SPRÓBUJ PONOWNIE</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Sign in as an administrator</source>
        <translation>Wymagane logowanie jako administrator</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>You don&apos;t have necessary permissions to install software on this computer. Sign in as an administrator to continue with NOVA Tundra Setup.</source>
        <translation>Brak uprawnień wymaganych do instalowania oprogramowania na tym komputerze. Aby kontynuować pracę z instalatorem NOVA Tundra, należy zalogować się jako administrator.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Unsupported region</source>
        <translation>Nieobsługiwany region</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>This version of NOVA Tundra Setup is not supported in your region. Please download your region&apos;s version at </source>
        <translation>Ta wersja instalatora NOVA Tundra nie jest obsługiwana w tym regionie. Wersję przeznaczoną dla danego regionu można pobrać pod adresem </translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Compatibility mode</source>
        <translation>Tryb zgodności</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>NOVA Tundra Setup can&apos;t run under compatibility mode, so we&apos;ve disabled compatibility mode for it. Close and relaunch NOVA Tundra Setup to continue.</source>
        <translation>Instalatora NOVA Tundra nie można uruchomić w trybie zgodności, dlatego tryb zgodności został dla niego wyłączony. Aby kontynuować, należy zamknąć instalator NOVA Tundra i uruchomić go ponownie.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Cancel setup?</source>
        <translation>Anulować instalację?</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>.Net framework is still installing. After installation, you could need to &lt;br&gt;restart PC and re-launch NOVA Tundra Setup manually.</source>
        <translation>Trwa instalacja platformy .NET Framework. Po jej zakończeniu może być konieczne &lt;br&gt;ponowne uruchomienie komputera i ręczne ponowne otwarcie instalatora NOVA Tundra.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>CANCEL</source>
        <translation>ANULUJ</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Terms and conditions</source>
        <translation>Warunki i postanowienia</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>To continue setup, accept the terms and conditions.</source>
        <translation>Aby kontynuować instalację, należy zaakceptować warunki i postanowienia.</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+14"/>
        <location filename="../../wizard/PageList.cpp" line="+27"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location line="-13"/>
        <source>Download driver?</source>
        <translation>Pobrać sterownik?</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>NOVA Tundra Setup will close. After updating your graphics card driver, reopen it from the desktop.</source>
        <translation>Instalator NOVA Tundra zostanie zamknięty. Po zaktualizowaniu sterownika karty graficznej należy ponownie otworzyć go z pulpitu.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>CANCEL&lt;span id=&quot;driver-00&quot;&gt;&lt;/span&gt;</source>
        <translation>ANULUJ&lt;span id=&quot;driver-00&quot;&gt;&lt;/span&gt;</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>DOWNLOAD&lt;span id=&quot;driver-01&quot;&gt;&lt;/span&gt;</source>
        <translation>POBIERZ&lt;span id=&quot;driver-01&quot;&gt;&lt;/span&gt;</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cancel installation?</source>
        <translation>Anulować instalację?</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>NOVA Tundra Setup will quit if you choose to cancel software installation.</source>
        <translation>Anulowanie instalacji oprogramowania spowoduje zamknięcie instalatora NOVA Tundra.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>CANCEL SETUP</source>
        <translation>ANULUJ INSTALACJĘ</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>BACK</source>
        <translation>WSTECZ</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Something went wrong</source>
        <translation>Wystąpił problem</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Please try to sign in to KELT | NOVA Account again.</source>
        <translation>Proszę spróbować ponownie zalogować się do konta KELT | NOVA.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Warning</source>
        <translation>Ostrzeżenie</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The specified path is not available or do not have enough space.</source>
        <translation>Podana ścieżka jest niedostępna lub brakuje na niej miejsca.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Sign in to KELT | NOVA Account</source>
        <translation>Logowanie do konta KELT | NOVA</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>To download and install the NOVA software suite, sign in to KELT | NOVA Account.</source>
        <translation>Aby pobrać i zainstalować pakiet oprogramowania NOVA, należy zalogować się do konta KELT | NOVA.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>SIGN IN</source>
        <translation>ZALOGUJ SIĘ</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Couldn&apos;t connect to NOVA server</source>
        <translation>Nie można połączyć się z serwerem NOVA</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Something went wrong while trying to connect with the NOVA server.</source>
        <translation>Wystąpił problem podczas łączenia z serwerem NOVA.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>QUIT SETUP&lt;span id=&quot;downloader-24&quot;&gt;&lt;/span&gt;</source>
        <translation>ZAMKNIJ INSTALATOR&lt;span id=&quot;downloader-24&quot;&gt;&lt;/span&gt;</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>TRY AGAIN&lt;span id=&quot;downloader-25&quot;&gt;&lt;/span&gt;</source>
        <translation>SPRÓBUJ PONOWNIE&lt;span id=&quot;downloader-25&quot;&gt;&lt;/span&gt;</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Couldn&apos;t download SteamVR&lt;span id=&quot;downloader-16&quot;&gt;&lt;/span&gt;</source>
        <translation>Nie można pobrać SteamVR&lt;span id=&quot;downloader-16&quot;&gt;&lt;/span&gt;</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Something went wrong while downloading SteamVR. Please try again.</source>
        <translation>Wystąpił problem podczas pobierania SteamVR. Proszę spróbować ponownie.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>QUIT SETUP&lt;span id=&quot;downloader-17&quot;&gt;&lt;/span&gt;</source>
        <translation>ZAMKNIJ INSTALATOR&lt;span id=&quot;downloader-17&quot;&gt;&lt;/span&gt;</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>TRY AGAIN&lt;span id=&quot;downloader-18&quot;&gt;&lt;/span&gt;</source>
        <translation>SPRÓBUJ PONOWNIE&lt;span id=&quot;downloader-18&quot;&gt;&lt;/span&gt;</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Close SteamVR to continue</source>
        <translation>Aby kontynuować, należy zamknąć SteamVR</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>NOVA Tundra Setup installs the latest version of SteamVR. To continue software installation, close SteamVR.</source>
        <translation>Instalator NOVA Tundra instaluje najnowszą wersję SteamVR. Aby kontynuować instalację oprogramowania, należy zamknąć SteamVR.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Reopen NOVA Tundra Setup</source>
        <translation>Proszę ponownie otworzyć instalator NOVA Tundra</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Something went wrong while trying to stop SteamVR.</source>
        <translation>Wystąpił problem podczas zatrzymywania SteamVR.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Just a sec...</source>
        <translation>Chwileczkę…</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>It&apos;ll just be a moment while the NOVA software finishes downloading. (&lt;b&gt;%1%&lt;/b&gt;)</source>
        <translation>Jeszcze chwila – pobieranie oprogramowania NOVA dobiega końca. (&lt;b&gt;%1%&lt;/b&gt;)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Please wait</source>
        <translation>Proszę czekać</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The NOVA desktop app is still downloading. Please wait. (&lt;b&gt;%1%&lt;/b&gt;)</source>
        <translation>Aplikacja komputerowa NOVA jest nadal pobierana. Proszę czekać. (&lt;b&gt;%1%&lt;/b&gt;)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>CONTINUE</source>
        <translation>KONTYNUUJ</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Quit NOVA Tundra Setup?</source>
        <translation>Zamknąć instalator NOVA Tundra?</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Installation is not complete. You may run NOVA Tundra Setup to complete the installation later.</source>
        <translation>Instalacja nie została ukończona. Można ją dokończyć później, uruchamiając instalator NOVA Tundra.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>QUIT SETUP&lt;span id=&quot;common-01&quot;&gt;&lt;/span&gt;</source>
        <translation>ZAMKNIJ INSTALATOR&lt;span id=&quot;common-01&quot;&gt;&lt;/span&gt;</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>BACK&lt;span id=&quot;common-02&quot;&gt;&lt;/span&gt;</source>
        <translation>WSTECZ&lt;span id=&quot;common-02&quot;&gt;&lt;/span&gt;</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Quit NOVAPORT Setup?</source>
        <translation>Zamknąć instalator NOVAPORT?</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Installation is not complete. You may run NOVAPORT Setup to complete the installation later.</source>
        <translation>Instalacja nie została ukończona. Można ją dokończyć później, uruchamiając instalator NOVAPORT.</translation>
    </message>
    <message>
        <location filename="../../wizard/PageList.cpp" line="-11"/>
        <source>NEXT</source>
        <translation>DALEJ</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>INSTALL</source>
        <translation>ZAINSTALUJ</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>I UNDERSTAND</source>
        <translation>ROZUMIEM</translation>
    </message>
</context>
<context>
    <name>CheckResult</name>
    <message>
        <location filename="../../qml/CheckResult.qml" line="+19"/>
        <source>Meets the requirements</source>
        <translation>Spełnia wymagania</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Could not be checked</source>
        <translation>Nie można sprawdzić</translation>
    </message>
</context>
<context>
    <name>ContentAboutQT</name>
    <message>
        <location filename="../../qml/ContentAboutQT.qml" line="+16"/>
        <source>About Qt</source>
        <translation>Informacje o Qt</translation>
    </message>
    <message>
        <location line="+32"/>
        <source>This program uses the Qt libraries, version 5.15, under the GNU Lesser General Public License version 3. See &lt;a href=&quot;%1&quot;&gt;qt.io/licensing&lt;/a&gt; for the license and the source code.</source>
        <translation>Ten program korzysta z bibliotek Qt w wersji 5.15 na warunkach licencji GNU Lesser General Public License w wersji 3. Licencja i kod źródłowy są dostępne na stronie &lt;a href=&quot;%1&quot;&gt;qt.io/licensing&lt;/a&gt;.</translation>
    </message>
</context>
<context>
    <name>DialogManager</name>
    <message>
        <location filename="../../wizard/DialogCatalogue.cpp" line="+15"/>
        <source>QUIT SETUP</source>
        <translation>ZAMKNIJ INSTALATOR</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>TRY AGAIN</source>
        <translation>SPRÓBUJ PONOWNIE</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>BACK</source>
        <translation>WSTECZ</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>CANCEL</source>
        <translation>ANULUJ</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>CONTINUE</source>
        <translation>KONTYNUUJ</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>RETRY</source>
        <translation>PONÓW</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Warning</source>
        <translation>Ostrzeżenie</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Installation failed</source>
        <translation>Instalacja nie powiodła się</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Are you sure you want to skip?</source>
        <translation>Czy na pewno pominąć ten krok?</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>SKIP ANYWAY</source>
        <translation>POMIŃ MIMO TO</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Please wait</source>
        <translation>Proszę czekać</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>CONTINUE ANYWAY</source>
        <translation>KONTYNUUJ MIMO TO</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>QUIT</source>
        <translation>ZAKOŃCZ</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Quit %1 Setup?</source>
        <translation>Zamknąć instalator %1?</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Couldn&apos;t install Steam</source>
        <translation>Nie można zainstalować Steam</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 is already running</source>
        <translation>Program %1 jest już uruchomiony</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Another instance of %1 Setup is already running. Would you like to close this one or force to resume?</source>
        <translation>Inne wystąpienie instalatora %1 jest już uruchomione. Zamknąć to wystąpienie czy wymusić wznowienie?</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>FORCE TO RESUME</source>
        <translation>WYMUŚ WZNOWIENIE</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Updating NOVA desktop app...</source>
        <translation>Aktualizowanie aplikacji komputerowej NOVA…</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The NOVA desktop app is being updated. Please wait until the update has been installed before running %1 Setup.</source>
        <translation>Trwa aktualizacja aplikacji komputerowej NOVA. Przed uruchomieniem instalatora %1 proszę zaczekać na zainstalowanie aktualizacji.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Unsupported region</source>
        <translation>Nieobsługiwany region</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>This version of %1 Setup is not supported in your region. Please download your region&apos;s version at </source>
        <translation>Ta wersja instalatora %1 nie jest obsługiwana w tym regionie. Wersję przeznaczoną dla danego regionu można pobrać pod adresem </translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Installation is not complete. You may run %1 Setup to complete the installation later.</source>
        <translation>Instalacja nie została ukończona. Można ją dokończyć później, uruchamiając instalator %1.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Software installation is in progress. Closing %1 Setup will also stop ongoing installation process. You&apos;ll need to run %1 Setup again.</source>
        <translation>Trwa instalacja oprogramowania. Zamknięcie instalatora %1 spowoduje również przerwanie trwającej instalacji. Konieczne będzie ponowne uruchomienie instalatora %1.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Invalid installation folder</source>
        <translation>Nieprawidłowy folder instalacji</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Please avoid special non-English characters as installation path. It may cause content compatibility issues.</source>
        <translation>W ścieżce instalacji należy unikać znaków specjalnych i liter spoza alfabetu angielskiego. Mogą one powodować problemy ze zgodnością zawartości.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Couldn&apos;t install NOVA software</source>
        <translation>Nie można zainstalować oprogramowania NOVA</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Make sure that you have sufficient permissions to install on the selected folder.</source>
        <translation>Proszę sprawdzić, czy konto ma wystarczające uprawnienia do instalacji w wybranym folderze.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Couldn&apos;t download NOVA software</source>
        <translation>Nie można pobrać oprogramowania NOVA</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Something went wrong while downloading NOVA software.</source>
        <translation>Wystąpił problem podczas pobierania oprogramowania NOVA.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Close Steam</source>
        <translation>Wymagane zamknięcie Steam</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Confirm that you&apos;ve closed the Steam client, and then click &quot;Continue&quot;.</source>
        <translation>Proszę upewnić się, że klient Steam został zamknięty, a następnie kliknąć „Kontynuuj”.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Something went wrong while trying to open Steam.</source>
        <translation>Wystąpił problem podczas otwierania Steam.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Something went wrong while installing Steam.</source>
        <translation>Wystąpił problem podczas instalowania Steam.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>CLOSE SETUP</source>
        <translation>ZAMKNIJ INSTALATOR</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Please close your SteamVR and press &quot;Continue&quot;.</source>
        <translation>Proszę zamknąć SteamVR i kliknąć „Kontynuuj”.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Couldn&apos;t download SteamVR</source>
        <translation>Nie można pobrać SteamVR</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Something went wrong while downloading SteamVR.</source>
        <translation>Wystąpił problem podczas pobierania SteamVR.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Openvr driver register fail.</source>
        <translation>Nie udało się zarejestrować sterownika OpenVR.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Zeph runtime register fail.</source>
        <translation>Nie udało się zarejestrować środowiska uruchomieniowego Zeph.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Both openvr driver and zeph runtime register fail.</source>
        <translation>Nie udało się zarejestrować ani sterownika OpenVR, ani środowiska uruchomieniowego Zeph.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Restart required</source>
        <translation>Wymagane ponowne uruchomienie</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Your computer needs to be restarted to finish the installation.</source>
        <translation>Aby ukończyć instalację, należy ponownie uruchomić komputer.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>RESTART LATER</source>
        <translation>PÓŹNIEJ</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>RESTART NOW</source>
        <translation>URUCHOM PONOWNIE TERAZ</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>An error occurred during installation, please try again. If the error persists, go to %1FAQ%2 to check for possible solutions.</source>
        <translation>Podczas instalacji wystąpił błąd. Proszę spróbować ponownie. Jeśli błąd będzie się powtarzał, możliwe rozwiązania można znaleźć w sekcji %1Często zadawane pytania%2.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Another installation is in progress. Wait a few minutes and try again. If the problem persists, go to %1FAQ%2 to check for possible solutions.</source>
        <translation>Trwa inna instalacja. Proszę odczekać kilka minut i spróbować ponownie. Jeśli problem będzie się powtarzał, możliwe rozwiązania można znaleźć w sekcji %1Często zadawane pytania%2.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>An error occurred during installation. Go to %1FAQ%2 to check for possible solutions.</source>
        <translation>Podczas instalacji wystąpił błąd. Możliwe rozwiązania można znaleźć w sekcji %1Często zadawane pytania%2.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Terms and conditions</source>
        <translation>Warunki i postanowienia</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>To continue, accept the KELT EULA, terms of use, and privacy policy by selecting the check box.</source>
        <translation>Aby kontynuować, należy zaznaczyć pole wyboru, akceptując umowę licencyjną użytkownika końcowego (EULA), warunki użytkowania i politykę prywatności firmy KELT.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Computer update recommended</source>
        <translation>Zalecana aktualizacja komputera</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Your computer may not work well with NOVA. For the best experience, update your system before installing NOVA.</source>
        <translation>Komputer może nie działać prawidłowo z NOVA. Aby zapewnić najlepsze działanie, przed instalacją NOVA należy zaktualizować system.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Cancel setup?</source>
        <translation>Anulować instalację?</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>.NET framework is still installing. After the installation, restart your computer and relaunch %1 Setup manually.</source>
        <translation>Trwa instalacja platformy .NET Framework. Po jej zakończeniu należy ponownie uruchomić komputer i ręcznie otworzyć instalator %1.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Driver update required</source>
        <translation>Wymagana aktualizacja sterownika</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Your computer may not work well with NOVA. Update your graphics card driver before installing NOVA.</source>
        <translation>Komputer może nie działać prawidłowo z NOVA. Przed instalacją NOVA należy zaktualizować sterownik karty graficznej.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Exit setup and update driver</source>
        <translation>Zamknięcie instalatora i aktualizacja sterownika</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 Setup will now close and open your web browser to the driver update page. After updating the driver, run %1 Setup again by double-clicking its shortcut on the computer desktop.</source>
        <translation>Instalator %1 zostanie teraz zamknięty, a w przeglądarce internetowej zostanie otwarta strona aktualizacji sterownika. Po zaktualizowaniu sterownika należy ponownie uruchomić instalator %1, klikając dwukrotnie jego skrót na pulpicie.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The USB / %1 connection is not yet detected. You can return to this screen later to confirm the connection status.</source>
        <translation>Nie wykryto jeszcze połączenia USB / %1. Stan połączenia można sprawdzić później, wracając do tego ekranu.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The headset has a dual front cameras that lets you see through or interact with the actual environment outside of VR. For the best experience, you need to connect using USB 3.0 port or higher.</source>
        <translation>Gogle mają dwie przednie kamery, dzięki którym można widzieć rzeczywiste otoczenie poza VR i wchodzić z nim w interakcję. Aby zapewnić najlepsze działanie, należy podłączyć je do portu USB 3.0 lub nowszego.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>To troubleshoot USB connection issues, try the following:&lt;ul&gt;&lt;li&gt;Open Windows Device Manager and check that no USB devices are still installing. USB driver installation may take about 5-10 minutes.&lt;/li&gt;&lt;li&gt;Unplug the headset&apos;s USB cable from the computer, wait a few seconds, and plug it in again.&lt;/li&gt;&lt;li&gt;Connect the USB cable to another USB 3.0 port, preferably one on the back of the computer.&lt;/li&gt;&lt;li&gt;If you use a USB hub or an extension cable, connect the headset directly to the computer.&lt;/li&gt;&lt;/ul&gt;</source>
        <translation>Aby rozwiązać problemy z połączeniem USB, można wykonać następujące czynności:&lt;ul&gt;&lt;li&gt;Otworzyć Menedżera urządzeń systemu Windows i sprawdzić, czy nie trwa jeszcze instalacja urządzeń USB. Instalacja sterowników USB może potrwać około 5–10 minut.&lt;/li&gt;&lt;li&gt;Odłączyć kabel USB gogli od komputera, odczekać kilka sekund i podłączyć go ponownie.&lt;/li&gt;&lt;li&gt;Podłączyć kabel USB do innego portu USB 3.0, najlepiej z tyłu komputera.&lt;/li&gt;&lt;li&gt;W przypadku korzystania z koncentratora USB lub przedłużacza podłączyć gogle bezpośrednio do komputera.&lt;/li&gt;&lt;/ul&gt;</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>HMD is not ready and will not work appropriately later.</source>
        <translation>Gogle nie są gotowe i później nie będą działać prawidłowo.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Oops...</source>
        <translation>Ups…</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Something went wrong when downloading required component.</source>
        <translation>Wystąpił problem podczas pobierania wymaganego składnika.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>One or both controllers are not yet detected. You will need the controllers to complete the setup. You can pair the controllers using the NOVA Console if you choose to skip the step.</source>
        <translation>Nie wykryto jeszcze jednego lub obu kontrolerów. Do ukończenia konfiguracji potrzebne są kontrolery. Po pominięciu tego kroku kontrolery można sparować w aplikacji NOVA Console.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Left controller is paired.</source>
        <translation>Lewy kontroler jest sparowany.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Now let&apos;s pair your right controller.</source>
        <translation>Teraz kolej na sparowanie prawego kontrolera.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Right controller paired.</source>
        <translation>Prawy kontroler sparowany.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Your right controller is paired.</source>
        <translation>Prawy kontroler jest sparowany.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Launching roomsetup...</source>
        <translation>Uruchamianie konfiguracji pomieszczenia…</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Waiting for HMD ready...</source>
        <translation>Oczekiwanie na gotowość gogli…</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Could not find the headset</source>
        <translation>Nie znaleziono gogli</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Please make sure the headset is connected and powered on and try again.</source>
        <translation>Proszę upewnić się, że gogle są podłączone i włączone, a następnie spróbować ponownie.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Are you sure you want to quit?</source>
        <translation>Czy na pewno zakończyć?</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>NOVA won&apos;t work until the room setup is completed. Are you sure you want to quit? You can still resume the room settings in NOVA Console after leaving.</source>
        <translation>NOVA nie będzie działać do czasu ukończenia konfiguracji pomieszczenia. Czy na pewno zakończyć? Konfigurację pomieszczenia można dokończyć później w aplikacji NOVA Console.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Couldn&apos;t launch room setup</source>
        <translation>Nie można uruchomić konfiguracji pomieszczenia</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Room setup could not be launched because steamVR is not installed completely. After installing steamVR, you can still resume the room settings in NOVA Console.</source>
        <translation>Nie można uruchomić konfiguracji pomieszczenia, ponieważ instalacja SteamVR nie została ukończona. Po zainstalowaniu SteamVR konfigurację pomieszczenia można dokończyć w aplikacji NOVA Console.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Quit %1 Hardware Setup Guide?</source>
        <translation>Zamknąć przewodnik konfiguracji sprzętu %1?</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>You may run %1 Hardware Setup Guide to set up the hardware later.</source>
        <translation>Sprzęt można skonfigurować później, uruchamiając przewodnik konfiguracji sprzętu %1.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Quit NOVAPORT Setup?</source>
        <translation>Zamknąć instalator NOVAPORT?</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Installation is not complete. You may run NOVAPORT Setup to complete the installation later.</source>
        <translation>Instalacja nie została ukończona. Można ją dokończyć później, uruchamiając instalator NOVAPORT.</translation>
    </message>
</context>
<context>
    <name>Footer</name>
    <message>
        <location filename="../base/Footer.qml" line="+85"/>
        <source>Help</source>
        <translation>Pomoc</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Take screenshots</source>
        <translation>Wykonaj zrzuty ekranu</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>BACK</source>
        <translation>WSTECZ</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>NEXT</source>
        <translation>DALEJ</translation>
    </message>
</context>
<context>
    <name>Header</name>
    <message>
        <location filename="../base/Header.qml" line="+35"/>
        <source>Install software</source>
        <translation>Instalacja oprogramowania</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Get ready</source>
        <translation>Przygotowanie</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Check your PC</source>
        <translation>Sprawdzenie komputera</translation>
    </message>
    <message>
        <location line="+57"/>
        <source>done</source>
        <translation>ukończono</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>current step</source>
        <translation>bieżący krok</translation>
    </message>
    <message>
        <location line="+62"/>
        <source>Minimize</source>
        <translation>Minimalizuj</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
</context>
<context>
    <name>InstallInfo</name>
    <message>
        <location filename="../../qml/InstallInfo.qml" line="+32"/>
        <source>About %1 min left</source>
        <translation>Pozostało ok. %1 min</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Installation will finish in a few minutes</source>
        <translation>Instalacja zakończy się za kilka minut</translation>
    </message>
</context>
<context>
    <name>InstallManager</name>
    <message>
        <location filename="../../install/flow/InstallManager.cpp" line="+277"/>
        <source>Installing NOVAPORT Desktop App</source>
        <translation>Instalowanie NOVAPORT Desktop App</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Installing %1 Software</source>
        <translation>Instalowanie oprogramowania %1</translation>
    </message>
    <message>
        <location line="+112"/>
        <source>Uninstalling NOVA</source>
        <translation>Odinstalowywanie NOVA</translation>
    </message>
    <message>
        <location line="+187"/>
        <source>%1 Setup Guide</source>
        <translation>Przewodnik konfiguracji %1</translation>
    </message>
    <message>
        <location line="+429"/>
        <location filename="../../install/InstallInfo.cpp" line="+21"/>
        <source>Installing %1</source>
        <translation>Instalowanie %1</translation>
    </message>
    <message>
        <location line="+73"/>
        <source>Finished</source>
        <translation>Zakończono</translation>
    </message>
    <message>
        <location line="+175"/>
        <source>NOVAPORT Desktop App</source>
        <translation>NOVAPORT Desktop App</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>%1 Software</source>
        <translation>Oprogramowanie %1</translation>
    </message>
    <message>
        <location filename="../../install/InstallInfo.cpp" line="-5"/>
        <source>%1 MB/s</source>
        <translation>%1 MB/s</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Installing %1 (%2/%3 MB)</source>
        <translation>Instalowanie %1 (%2/%3 MB)</translation>
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
        <translation>Instalowanie %1%2</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Installing %1%2 and %3</source>
        <translation>Instalowanie %1%2 i %3</translation>
    </message>
</context>
<context>
    <name>LanguageSelector</name>
    <message>
        <location filename="../../qml/LanguageSelector.qml" line="+84"/>
        <source>Language: %1</source>
        <translation>Język: %1</translation>
    </message>
    <message>
        <location line="+63"/>
        <source>Languages</source>
        <translation>Języki</translation>
    </message>
</context>
<context>
    <name>PathManager</name>
    <message>
        <location filename="../../location/PathManager.cpp" line="+321"/>
        <source>Please choose a folder</source>
        <translation>Wybierz folder</translation>
    </message>
</context>
<context>
    <name>Progress</name>
    <message>
        <location filename="../../qml/Progress.qml" line="+79"/>
        <source>Installation progress</source>
        <translation>Postęp instalacji</translation>
    </message>
</context>
<context>
    <name>ReplayBtn</name>
    <message>
        <location filename="../../qml/ReplayBtn.qml" line="+4"/>
        <source>Replay</source>
        <translation>Odtwórz ponownie</translation>
    </message>
</context>
<context>
    <name>SigninButton</name>
    <message>
        <location filename="../../qml/SigninButton.qml" line="+6"/>
        <source>SIGN IN</source>
        <translation>ZALOGUJ SIĘ</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <location filename="../../qml/main.qml" line="+131"/>
        <source>%1 Setup</source>
        <translation>Instalator %1</translation>
    </message>
    <message>
        <location line="+233"/>
        <source>Version %1</source>
        <translation>Wersja %1</translation>
    </message>
</context>
<context>
    <name>pCheck</name>
    <message>
        <location filename="../../qml/pCheck.qml" line="+30"/>
        <source>Your PC might not be NOVA ready</source>
        <translation>Komputer może nie być gotowy na NOVA</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Some parts of your computer don&apos;t meet what NOVA needs. You can go on, but NOVA may not run well.</source>
        <translation>Niektóre podzespoły komputera nie spełniają wymagań NOVA. Można kontynuować, ale NOVA może nie działać prawidłowo.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Graphics card</source>
        <translation>Karta graficzna</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Your graphics card may not work well with NOVA.</source>
        <translation>Karta graficzna może nie działać prawidłowo z NOVA.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Processor</source>
        <translation>Procesor</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Your processor doesn&apos;t match our list of compatible processors.</source>
        <translation>Tego procesora nie ma na naszej liście zgodnych procesorów.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Memory</source>
        <translation>Pamięć</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>We recommended at least %1 GB.</source>
        <translation>Zalecamy co najmniej %1 GB.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Operating system</source>
        <translation>System operacyjny</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Windows 7 SP1, Windows 8.1 or above (64-bit) is required.</source>
        <translation>Wymagany jest system Windows 7 SP1, Windows 8.1 lub nowszy (64-bitowy).</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>We recommended at USB 3.0 or higher.</source>
        <translation>Zalecamy USB 3.0 lub nowsze.</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>See NOVA-ready PCs</source>
        <translation>Zobacz komputery gotowe na NOVA</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Test your PC with SteamVR</source>
        <translation>Przetestuj komputer za pomocą SteamVR</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>QUIT SETUP</source>
        <translation>ZAMKNIJ INSTALATOR</translation>
    </message>
</context>
<context>
    <name>pComplete</name>
    <message>
        <location filename="../../qml/pComplete.qml" line="+14"/>
        <source>Install completed! Thanks for your waiting.</source>
        <translation>Instalacja zakończona! Dziękujemy za cierpliwość.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The %1 software is ready. Press OK to close setup.</source>
        <translation>Oprogramowanie %1 jest gotowe. Aby zamknąć instalator, należy kliknąć OK.</translation>
    </message>
</context>
<context>
    <name>pDotNet</name>
    <message>
        <location filename="../../qml/pDotNet.qml" line="+18"/>
        <source>INSTALL REQUIRED SOFTWARE AGAIN</source>
        <translation>ZAINSTALUJ PONOWNIE WYMAGANE OPROGRAMOWANIE</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>RESTART COMPUTER</source>
        <translation>URUCHOM PONOWNIE KOMPUTER</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>NEXT</source>
        <translation>DALEJ</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>INSTALL</source>
        <translation>ZAINSTALUJ</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>Install required software</source>
        <translation>Instalacja wymaganego oprogramowania</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>NOVA software needs Microsoft .NET Framework 4.6 or later. Setup downloads and installs it for you.</source>
        <translation>Oprogramowanie NOVA wymaga platformy Microsoft .NET Framework 4.6 lub nowszej. Instalator pobierze ją i zainstaluje automatycznie.</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Installing .NET Framework. This can take a few minutes.</source>
        <translation>Trwa instalacja platformy .NET Framework. Może to potrwać kilka minut.</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>The installation did not finish. Try again to go on.</source>
        <translation>Instalacja nie została ukończona. Aby kontynuować, należy spróbować ponownie.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Restart your computer to finish the installation, then open setup again from its desktop shortcut.</source>
        <translation>Aby ukończyć instalację, należy ponownie uruchomić komputer, a następnie otworzyć instalator za pomocą skrótu na pulpicie.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>.NET Framework is installed.</source>
        <translation>Platforma .NET Framework jest zainstalowana.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>QUIT SETUP</source>
        <translation>ZAMKNIJ INSTALATOR</translation>
    </message>
</context>
<context>
    <name>pDriver</name>
    <message>
        <location filename="../../qml/pDriver.qml" line="+25"/>
        <source>Update your graphics card driver</source>
        <translation>Aktualizacja sterownika karty graficznej</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Your graphics card driver is out of date. For the best experience with NOVA, update it to version %1 or later.</source>
        <translation>Sterownik karty graficznej jest nieaktualny. Aby zapewnić najlepsze działanie NOVA, należy zaktualizować go do wersji %1 lub nowszej.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Setup closes while you update. Afterwards, open it again with the %1 shortcut on your desktop.</source>
        <translation>Na czas aktualizacji instalator zostanie zamknięty. Następnie można go ponownie otworzyć za pomocą skrótu %1 na pulpicie.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>UPDATE DRIVER</source>
        <translation>AKTUALIZUJ STEROWNIK</translation>
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
        <translation>ZAINSTALUJ</translation>
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
        <translation>Wybór lokalizacji instalacji</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>NOVA software will be installed in this folder.</source>
        <translation>Oprogramowanie NOVA zostanie zainstalowane w tym folderze.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Steam and SteamVR will be installed in this folder.</source>
        <translation>Steam i SteamVR zostaną zainstalowane w tym folderze.</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>Install folder: %1</source>
        <translation>Folder instalacji: %1</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>CHANGE</source>
        <translation>ZMIEŃ</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Space required: %1</source>
        <translation>Wymagane miejsce: %1</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>There isn&apos;t enough free space on this drive. Choose another folder.</source>
        <translation>Na tym dysku brakuje wolnego miejsca. Proszę wybrać inny folder.</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>The software is already installed on this computer.</source>
        <translation>To oprogramowanie jest już zainstalowane na tym komputerze.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>SKIP INSTALLATION</source>
        <translation>POMIŃ INSTALACJĘ</translation>
    </message>
</context>
<context>
    <name>pHealth</name>
    <message>
        <location filename="../../qml/pHealth.qml" line="+15"/>
        <source>I UNDERSTAND</source>
        <translation>ROZUMIEM</translation>
    </message>
    <message>
        <location line="+35"/>
        <source>Clear your play area</source>
        <translation>Wolna przestrzeń do gry</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Keep the space around you free of obstacles, people and pets.</source>
        <translation>Wokół użytkownika nie powinno być przeszkód, innych osób ani zwierząt domowych.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Mind the cable</source>
        <translation>Uwaga na kabel</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Watch where the headset cable runs so that you don&apos;t trip over it.</source>
        <translation>Należy zwracać uwagę na przebieg kabla gogli, aby się o niego nie potknąć.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Wear it right</source>
        <translation>Prawidłowe zakładanie</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Adjust the head strap until the headset sits firmly and comfortably.</source>
        <translation>Pasek na głowę należy wyregulować tak, aby gogle leżały stabilnie i wygodnie.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Take regular breaks</source>
        <translation>Regularne przerwy</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Rest for 10 to 15 minutes at least every 30 minutes.</source>
        <translation>Co najmniej co 30 minut należy robić przerwę na 10–15 minut.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Supervise children</source>
        <translation>Nadzór nad dziećmi</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Children should use the headset only with an adult nearby.</source>
        <translation>Dzieci powinny korzystać z gogli wyłącznie w obecności osoby dorosłej.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Listen to your body</source>
        <translation>Obserwacja samopoczucia</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Stop at once if you feel dizzy, sick or uncomfortable.</source>
        <translation>W razie zawrotów głowy, nudności lub dyskomfortu należy natychmiast przerwać korzystanie z gogli.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Health and safety</source>
        <translation>Zdrowie i bezpieczeństwo</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Read these warnings before you use your headset. They help you enjoy VR safely.</source>
        <translation>Przed użyciem gogli należy przeczytać te ostrzeżenia. Pomogą one bezpiecznie korzystać z VR.</translation>
    </message>
</context>
<context>
    <name>pInstall</name>
    <message>
        <location filename="../../qml/pInstall.qml" line="+12"/>
        <source>Preparing</source>
        <translation>Przygotowywanie</translation>
    </message>
    <message>
        <location line="+107"/>
        <source>Sign in or sign up for a Steam account</source>
        <translation>Logowanie lub rejestracja konta Steam</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Steam has opened its sign-in window. Sign in, or create a free account, to go on with the installation.</source>
        <translation>Otwarto okno logowania Steam. Aby kontynuować instalację, należy zalogować się lub utworzyć bezpłatne konto.</translation>
    </message>
    <message>
        <location line="+30"/>
        <source>The download speed is very slow. Please check your network connection</source>
        <translation>Prędkość pobierania jest bardzo niska. Proszę sprawdzić połączenie sieciowe</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Installation completed</source>
        <translation>Instalacja zakończona</translation>
    </message>
</context>
<context>
    <name>pKeltSignin</name>
    <message>
        <location filename="../../qml/pKeltSignin.qml" line="+31"/>
        <location line="+13"/>
        <location line="+18"/>
        <source>SIGN IN</source>
        <translation>ZALOGUJ SIĘ</translation>
    </message>
    <message>
        <location line="-6"/>
        <source>Sign in to KELT | NOVA Account</source>
        <translation>Logowanie do konta KELT | NOVA</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>To download and install the NOVA software suite, sign in to KELT | NOVA Account.</source>
        <translation>Aby pobrać i zainstalować pakiet oprogramowania NOVA, należy zalogować się do konta KELT | NOVA.</translation>
    </message>
</context>
<context>
    <name>pLegal</name>
    <message>
        <location filename="../../qml/pLegal.qml" line="+38"/>
        <source>Welcome to NOVA</source>
        <translation>Witamy w NOVA</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>%1 Setup installs the software your headset needs and checks that your computer is ready for it.</source>
        <translation>Instalator %1 zainstaluje oprogramowanie wymagane przez gogle i sprawdzi, czy komputer jest na nie gotowy.</translation>
    </message>
    <message>
        <location line="+37"/>
        <source>I have read and accept the KELT &lt;a href=&quot;%1&quot;&gt;EULA&lt;/a&gt;, &lt;a href=&quot;%2&quot;&gt;terms of use&lt;/a&gt; and &lt;a href=&quot;%3&quot;&gt;privacy policy&lt;/a&gt;.</source>
        <translation>Przeczytałem(-am) i akceptuję &lt;a href=&quot;%1&quot;&gt;umowę licencyjną EULA&lt;/a&gt;, &lt;a href=&quot;%2&quot;&gt;warunki użytkowania&lt;/a&gt; oraz &lt;a href=&quot;%3&quot;&gt;politykę prywatności&lt;/a&gt; firmy KELT.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>GET STARTED</source>
        <translation>ROZPOCZNIJ</translation>
    </message>
</context>
<context>
    <name>pSignin</name>
    <message>
        <location filename="../../qml/pSignin.qml" line="+7"/>
        <source>Sign in or sign up for a Steam account</source>
        <translation>Logowanie lub rejestracja konta Steam</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Steam opens its sign-in window during the installation. Sign in, or create a free account, so that SteamVR can finish installing.</source>
        <translation>Podczas instalacji zostanie otwarte okno logowania Steam. Należy zalogować się lub utworzyć bezpłatne konto, aby można było dokończyć instalację SteamVR.</translation>
    </message>
</context>
<context>
    <name>pSw01</name>
    <message>
        <location filename="../../qml/pSw01.qml" line="+7"/>
        <source>Install the NOVA software</source>
        <translation>Instalacja oprogramowania NOVA</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Setup downloads and installs the NOVA software suite and SteamVR. Depending on your connection, this can take a while.</source>
        <translation>Instalator pobierze i zainstaluje pakiet oprogramowania NOVA oraz SteamVR. W zależności od szybkości połączenia może to chwilę potrwać.</translation>
    </message>
</context>
</TS>
