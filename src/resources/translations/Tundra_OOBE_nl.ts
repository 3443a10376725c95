<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl_NL">
<context>
    <name>AnimDialog</name>
    <message>
        <location filename="../../qml/AnimDialog.qml" line="+8"/>
        <source>Please wait...</source>
        <translation>Even geduld…</translation>
    </message>
</context>
<context>
    <name>CPageManager</name>
    <message>
        <location filename="../../wizard/PageDialogCatalogue.cpp" line="+14"/>
        <source>QUIT SETUP</source>
        <translation>INSTALLATIE AFSLUITEN</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>QUIT SETUP&lt;span id=&quot;downloader-00&quot;&gt;&lt;/span&gt;</source>
        <translation>INSTALLATIE AFSLUITEN&lt;span id=&quot;downloader-00&quot;&gt;&lt;/span&gt;</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>TRY AGAIN</source>
        <translation>OPNIEUW PROBEREN</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Sign in as an administrator</source>
        <translation>Aanmelden als beheerder</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>You don&apos;t have necessary permissions to install software on this computer. Sign in as an administrator to continue with NOVA Tundra Setup.</source>
        <translation>Je hebt niet de benodigde machtigingen om software op deze computer te installeren. Meld je aan als beheerder om door te gaan met NOVA Tundra Setup.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Unsupported region</source>
        <translation>Regio niet ondersteund</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>This version of NOVA Tundra Setup is not supported in your region. Please download your region&apos;s version at </source>
        <translation>Deze versie van NOVA Tundra Setup wordt niet ondersteund in je regio. Download de versie voor je regio via </translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Compatibility mode</source>
        <translation>Compatibiliteitsmodus</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>NOVA Tundra Setup can&apos;t run under compatibility mode, so we&apos;ve disabled compatibility mode for it. Close and relaunch NOVA Tundra Setup to continue.</source>
        <translation>NOVA Tundra Setup kan niet in compatibiliteitsmodus worden uitgevoerd. Daarom hebben we de compatibiliteitsmodus ervoor uitgeschakeld. Sluit NOVA Tundra Setup en start het opnieuw om door te gaan.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Cancel setup?</source>
        <translation>Installatie annuleren?</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>.Net framework is still installing. After installation, you could need to &lt;br&gt;restart PC and re-launch NOVA Tundra Setup manually.</source>
        <translation>.NET Framework wordt nog geïnstalleerd. Na de installatie moet je mogelijk &lt;br&gt;de pc opnieuw opstarten en NOVA Tundra Setup handmatig opnieuw starten.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>CANCEL</source>
        <translation>ANNULEREN</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Terms and conditions</source>
        <translation>Algemene voorwaarden</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>To continue setup, accept the terms and conditions.</source>
        <translation>Accepteer de algemene voorwaarden om door te gaan met de installatie.</translation>
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
        <translation>Stuurprogramma downloaden?</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>NOVA Tundra Setup will close. After updating your graphics card driver, reopen it from the desktop.</source>
        <translation>NOVA Tundra Setup wordt gesloten. Open het opnieuw vanaf het bureaublad nadat je het stuurprogramma van je videokaart hebt bijgewerkt.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>CANCEL&lt;span id=&quot;driver-00&quot;&gt;&lt;/span&gt;</source>
        <translation>ANNULEREN&lt;span id=&quot;driver-00&quot;&gt;&lt;/span&gt;</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>DOWNLOAD&lt;span id=&quot;driver-01&quot;&gt;&lt;/span&gt;</source>
        <translation>DOWNLOADEN&lt;span id=&quot;driver-01&quot;&gt;&lt;/span&gt;</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cancel installation?</source>
        <translation>Installatie annuleren?</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>NOVA Tundra Setup will quit if you choose to cancel software installation.</source>
        <translation>NOVA Tundra Setup wordt afgesloten als je de software-installatie annuleert.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>CANCEL SETUP</source>
        <translation>INSTALLATIE ANNULEREN</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>BACK</source>
        <translation>TERUG</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Something went wrong</source>
        <translation>Er is iets misgegaan</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Please try to sign in to KELT | NOVA Account again.</source>
        <translation>Probeer je opnieuw aan te melden bij KELT | NOVA Account.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Warning</source>
        <translation>Waarschuwing</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The specified path is not available or do not have enough space.</source>
        <translation>Het opgegeven pad is niet beschikbaar of heeft onvoldoende vrije ruimte.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Sign in to KELT | NOVA Account</source>
        <translation>Aanmelden bij KELT | NOVA Account</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>To download and install the NOVA software suite, sign in to KELT | NOVA Account.</source>
        <translation>Meld je aan bij KELT | NOVA Account om het NOVA-softwarepakket te downloaden en te installeren.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>SIGN IN</source>
        <translation>AANMELDEN</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Couldn&apos;t connect to NOVA server</source>
        <translation>Kan geen verbinding maken met de NOVA-server</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Something went wrong while trying to connect with the NOVA server.</source>
        <translation>Er is iets misgegaan bij het verbinden met de NOVA-server.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>QUIT SETUP&lt;span id=&quot;downloader-24&quot;&gt;&lt;/span&gt;</source>
        <translation>INSTALLATIE AFSLUITEN&lt;span id=&quot;downloader-24&quot;&gt;&lt;/span&gt;</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>TRY AGAIN&lt;span id=&quot;downloader-25&quot;&gt;&lt;/span&gt;</source>
        <translation>OPNIEUW PROBEREN&lt;span id=&quot;downloader-25&quot;&gt;&lt;/span&gt;</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Couldn&apos;t download SteamVR&lt;span id=&quot;downloader-16&quot;&gt;&lt;/span&gt;</source>
        <translation>Kan SteamVR niet downloaden&lt;span id=&quot;downloader-16&quot;&gt;&lt;/span&gt;</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Something went wrong while downloading SteamVR. Please try again.</source>
        <translation>Er is iets misgegaan bij het downloaden van SteamVR. Probeer het opnieuw.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>QUIT SETUP&lt;span id=&quot;downloader-17&quot;&gt;&lt;/span&gt;</source>
        <translation>INSTALLATIE AFSLUITEN&lt;span id=&quot;downloader-17&quot;&gt;&lt;/span&gt;</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>TRY AGAIN&lt;span id=&quot;downloader-18&quot;&gt;&lt;/span&gt;</source>
        <translation>OPNIEUW PROBEREN&lt;span id=&quot;downloader-18&quot;&gt;&lt;/span&gt;</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Close SteamVR to continue</source>
        <translation>Sluit SteamVR om door te gaan</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>NOVA Tundra Setup installs the latest version of SteamVR. To continue software installation, close SteamVR.</source>
        <translation>NOVA Tundra Setup installeert de nieuwste versie van SteamVR. Sluit SteamVR om door te gaan met de software-installatie.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Reopen NOVA Tundra Setup</source>
        <translation>NOVA Tundra Setup opnieuw openen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Something went wrong while trying to stop SteamVR.</source>
        <translation>Er is iets misgegaan bij het stoppen van SteamVR.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Just a sec...</source>
        <translation>Een ogenblik…</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>It&apos;ll just be a moment while the NOVA software finishes downloading. (&lt;b&gt;%1%&lt;/b&gt;)</source>
        <translation>Een ogenblik geduld, de NOVA-software is bijna gedownload. (&lt;b&gt;%1%&lt;/b&gt;)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Please wait</source>
        <translation>Even geduld</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The NOVA desktop app is still downloading. Please wait. (&lt;b&gt;%1%&lt;/b&gt;)</source>
        <translation>De NOVA-desktop-app wordt nog gedownload. Even geduld. (&lt;b&gt;%1%&lt;/b&gt;)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>CONTINUE</source>
        <translation>DOORGAAN</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Quit NOVA Tundra Setup?</source>
        <translation>NOVA Tundra Setup afsluiten?</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Installation is not complete. You may run NOVA Tundra Setup to complete the installation later.</source>
        <translation>De installatie is niet voltooid. Je kunt NOVA Tundra Setup later uitvoeren om de installatie te voltooien.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>QUIT SETUP&lt;span id=&quot;common-01&quot;&gt;&lt;/span&gt;</source>
        <translation>INSTALLATIE AFSLUITEN&lt;span id=&quot;common-01&quot;&gt;&lt;/span&gt;</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>BACK&lt;span id=&quot;common-02&quot;&gt;&lt;/span&gt;</source>
        <translation>TERUG&lt;span id=&quot;common-02&quot;&gt;&lt;/span&gt;</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Quit NOVAPORT Setup?</source>
        <translation>NOVAPORT Setup afsluiten?</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Installation is not complete. You may run NOVAPORT Setup to complete the installation later.</source>
        <translation>De installatie is niet voltooid. Je kunt NOVAPORT Setup later uitvoeren om de installatie te voltooien.</translation>
    </message>
    <message>
        <location filename="../../wizard/PageList.cpp" line="-11"/>
        <source>NEXT</source>
        <translation>VOLGENDE</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>INSTALL</source>
        <translation>INSTALLEREN</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>I UNDERSTAND</source>
        <translation>BEGREPEN</translation>
    </message>
</context>
<context>
    <name>CheckResult</name>
    <message>
        <location filename="../../qml/CheckResult.qml" line="+19"/>
        <source>Meets the requirements</source>
        <translation>Voldoet aan de vereisten</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Could not be checked</source>
        <translation>Kan niet worden gecontroleerd</translation>
    </message>
</context>
<context>
    <name>ContentAboutQT</name>
    <message>
        <location filename="../../qml/ContentAboutQT.qml" line="+16"/>
        <source>About Qt</source>
        <translation>Over Qt</translation>
    </message>
    <message>
        <location line="+32"/>
        <source>This program uses the Qt libraries, version 5.15, under the GNU Lesser General Public License version 3. See &lt;a href=&quot;%1&quot;&gt;qt.io/licensing&lt;/a&gt; for the license and the source code.</source>
        <translation>Dit programma gebruikt de Qt-bibliotheken, versie 5.15, onder de GNU Lesser General Public License versie 3. Zie &lt;a href=&quot;%1&quot;&gt;qt.io/licensing&lt;/a&gt; voor de licentie en de broncode.</translation>
    </message>
</context>
<context>
    <name>DialogManager</name>
    <message>
        <location filename="../../wizard/DialogCatalogue.cpp" line="+15"/>
        <source>QUIT SETUP</source>
        <translation>INSTALLATIE AFSLUITEN</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>TRY AGAIN</source>
        <translation>OPNIEUW PROBEREN</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>BACK</source>
        <translation>TERUG</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>CANCEL</source>
        <translation>ANNULEREN</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>CONTINUE</source>
        <translation>DOORGAAN</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>RETRY</source>
        <translation>OPNIEUW PROBEREN</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Warning</source>
        <translation>Waarschuwing</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Installation failed</source>
        <translation>Installatie mislukt</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Are you sure you want to skip?</source>
        <translation>Weet je zeker dat je deze stap wilt overslaan?</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>SKIP ANYWAY</source>
        <translation>TOCH OVERSLAAN</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Please wait</source>
        <translation>Even geduld</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>CONTINUE ANYWAY</source>
        <translation>TOCH DOORGAAN</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>QUIT</source>
        <translation>AFSLUITEN</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Quit %1 Setup?</source>
        <translation>%1 Setup afsluiten?</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Couldn&apos;t install Steam</source>
        <translation>Kan Steam niet installeren</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 is already running</source>
        <translation>%1 is al actief</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Another instance of %1 Setup is already running. Would you like to close this one or force to resume?</source>
        <translation>Er wordt al een ander exemplaar van %1 Setup uitgevoerd. Wil je dit exemplaar sluiten of het hervatten afdwingen?</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>FORCE TO RESUME</source>
        <translation>HERVATTEN AFDWINGEN</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Updating NOVA desktop app...</source>
        <translation>NOVA-desktop-app wordt bijgewerkt…</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The NOVA desktop app is being updated. Please wait until the update has been installed before running %1 Setup.</source>
        <translation>De NOVA-desktop-app wordt bijgewerkt. Wacht tot de update is geïnstalleerd voordat je %1 Setup uitvoert.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Unsupported region</source>
        <translation>Regio niet ondersteund</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>This version of %1 Setup is not supported in your region. Please download your region&apos;s version at </source>
        <translation>Deze versie van %1 Setup wordt niet ondersteund in je regio. Download de versie voor je regio via </translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Installation is not complete. You may run %1 Setup to complete the installation later.</source>
        <translation>De installatie is niet voltooid. Je kunt %1 Setup later uitvoeren om de installatie te voltooien.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Software installation is in progress. Closing %1 Setup will also stop ongoing installation process. You&apos;ll need to run %1 Setup again.</source>
        <translation>De software-installatie is bezig. Als je %1 Setup sluit, wordt ook de lopende installatie gestopt. Je moet %1 Setup dan opnieuw uitvoeren.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Invalid installation folder</source>
        <translation>Ongeldige installatiemap</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Please avoid special non-English characters as installation path. It may cause content compatibility issues.</source>
        <translation>Vermijd speciale tekens en tekens buiten het Engelse alfabet (zoals é of ë) in het installatiepad. Ze kunnen compatibiliteitsproblemen met content veroorzaken.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Couldn&apos;t install NOVA software</source>
        <translation>Kan de NOVA-software niet installeren</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Make sure that you have sufficient permissions to install on the selected folder.</source>
        <translation>Zorg dat je voldoende machtigingen hebt om in de geselecteerde map te installeren.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Couldn&apos;t download NOVA software</source>
        <translation>Kan de NOVA-software niet downloaden</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Something went wrong while downloading NOVA software.</source>
        <translation>Er is iets misgegaan bij het downloaden van de NOVA-software.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Close Steam</source>
        <translation>Steam sluiten</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Confirm that you&apos;ve closed the Steam client, and then click &quot;Continue&quot;.</source>
        <translation>Controleer of je de Steam-client hebt gesloten en klik vervolgens op ‘Doorgaan’.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Something went wrong while trying to open Steam.</source>
        <translation>Er is iets misgegaan bij het openen van Steam.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Something went wrong while installing Steam.</source>
        <translation>Er is iets misgegaan bij het installeren van Steam.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>CLOSE SETUP</source>
        <translation>INSTALLATIE SLUITEN</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Please close your SteamVR and press &quot;Continue&quot;.</source>
        <translation>Sluit SteamVR en klik op ‘Doorgaan’.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Couldn&apos;t download SteamVR</source>
        <translation>Kan SteamVR niet downloaden</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Something went wrong while downloading SteamVR.</source>
        <translation>Er is iets misgegaan bij het downloaden van SteamVR.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Openvr driver register fail.</source>
        <translation>Kan het OpenVR-stuurprogramma niet registreren.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Zeph runtime register fail.</source>
        <translation>Kan de Zeph-runtime niet registreren.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Both openvr driver and zeph runtime register fail.</source>
        <translation>Het registreren van zowel het OpenVR-stuurprogramma als de Zeph-runtime is mislukt.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Restart required</source>
        <translation>Opnieuw opstarten vereist</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Your computer needs to be restarted to finish the installation.</source>
        <translation>Je computer moet opnieuw worden opgestart om de installatie te voltooien.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>RESTART LATER</source>
        <translation>LATER</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>RESTART NOW</source>
        <translation>NU OPNIEUW OPSTARTEN</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>An error occurred during installation, please try again. If the error persists, go to %1FAQ%2 to check for possible solutions.</source>
        <translation>Er is een fout opgetreden tijdens de installatie. Probeer het opnieuw. Als de fout zich blijft voordoen, vind je mogelijke oplossingen in de %1FAQ%2.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Another installation is in progress. Wait a few minutes and try again. If the problem persists, go to %1FAQ%2 to check for possible solutions.</source>
        <translation>Er is al een andere installatie bezig. Wacht een paar minuten en probeer het opnieuw. Als het probleem zich blijft voordoen, vind je mogelijke oplossingen in de %1FAQ%2.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>An error occurred during installation. Go to %1FAQ%2 to check for possible solutions.</source>
        <translation>Er is een fout opgetreden tijdens de installatie. Je vindt mogelijke oplossingen in de %1FAQ%2.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Terms and conditions</source>
        <translation>Algemene voorwaarden</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>To continue, accept the KELT EULA, terms of use, and privacy policy by selecting the check box.</source>
        <translation>Schakel het selectievakje in om de EULA, de gebruiksvoorwaarden en het privacybeleid van KELT te accepteren en door te gaan.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Computer update recommended</source>
        <translation>Update van de computer aanbevolen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Your computer may not work well with NOVA. For the best experience, update your system before installing NOVA.</source>
        <translation>Je computer werkt mogelijk niet goed met NOVA. Werk voor de beste ervaring je systeem bij voordat je NOVA installeert.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Cancel setup?</source>
        <translation>Installatie annuleren?</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>.NET framework is still installing. After the installation, restart your computer and relaunch %1 Setup manually.</source>
        <translation>.NET Framework wordt nog geïnstalleerd. Start na de installatie je computer opnieuw op en start %1 Setup handmatig opnieuw.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Driver update required</source>
        <translation>Update van het stuurprogramma vereist</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Your computer may not work well with NOVA. Update your graphics card driver before installing NOVA.</source>
        <translation>Je computer werkt mogelijk niet goed met NOVA. Werk het stuurprogramma van je videokaart bij voordat je NOVA installeert.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Exit setup and update driver</source>
        <translation>Installatie afsluiten en stuurprogramma bijwerken</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 Setup will now close and open your web browser to the driver update page. After updating the driver, run %1 Setup again by double-clicking its shortcut on the computer desktop.</source>
        <translation>%1 Setup wordt nu gesloten en opent de pagina voor het bijwerken van het stuurprogramma in je webbrowser. Voer %1 Setup na het bijwerken van het stuurprogramma opnieuw uit door te dubbelklikken op de snelkoppeling op het bureaublad.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The USB / %1 connection is not yet detected. You can return to this screen later to confirm the connection status.</source>
        <translation>De USB-/%1-verbinding is nog niet gedetecteerd. Je kunt later naar dit scherm terugkeren om de verbindingsstatus te controleren.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The headset has a dual front cameras that lets you see through or interact with the actual environment outside of VR. For the best experience, you need to connect using USB 3.0 port or higher.</source>
        <translation>De headset heeft twee camera&apos;s aan de voorkant waarmee je je werkelijke omgeving buiten VR kunt zien en ermee kunt interageren. Sluit de headset voor de beste ervaring aan op een USB 3.0-poort of hoger.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>To troubleshoot USB connection issues, try the following:&lt;ul&gt;&lt;li&gt;Open Windows Device Manager and check that no USB devices are still installing. USB driver installation may take about 5-10 minutes.&lt;/li&gt;&lt;li&gt;Unplug the headset&apos;s USB cable from the computer, wait a few seconds, and plug it in again.&lt;/li&gt;&lt;li&gt;Connect the USB cable to another USB 3.0 port, preferably one on the back of the computer.&lt;/li&gt;&lt;li&gt;If you use a USB hub or an extension cable, connect the headset directly to the computer.&lt;/li&gt;&lt;/ul&gt;</source>
        <translation>Probeer het volgende om problemen met de USB-verbinding op te lossen:&lt;ul&gt;&lt;li&gt;Open Apparaatbeheer in Windows en controleer of er geen USB-apparaten meer worden geïnstalleerd. Het installeren van USB-stuurprogramma&apos;s kan ongeveer 5–10 minuten duren.&lt;/li&gt;&lt;li&gt;Koppel de USB-kabel van de headset los van de computer, wacht een paar seconden en sluit hem opnieuw aan.&lt;/li&gt;&lt;li&gt;Sluit de USB-kabel aan op een andere USB 3.0-poort, bij voorkeur een aan de achterkant van de computer.&lt;/li&gt;&lt;li&gt;Als je een USB-hub of verlengkabel gebruikt, sluit je de headset rechtstreeks op de computer aan.&lt;/li&gt;&lt;/ul&gt;</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>HMD is not ready and will not work appropriately later.</source>
        <translation>De headset is niet gereed en zal later niet goed werken.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Oops...</source>
        <translation>Oeps…</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Something went wrong when downloading required component.</source>
        <translation>Er is iets misgegaan bij het downloaden van een vereist onderdeel.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>One or both controllers are not yet detected. You will need the controllers to complete the setup. You can pair the controllers using the NOVA Console if you choose to skip the step.</source>
        <translation>Een of beide controllers zijn nog niet gedetecteerd. Je hebt de controllers nodig om de installatie te voltooien. Als je deze stap overslaat, kun je de controllers koppelen via NOVA Console.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Left controller is paired.</source>
        <translation>Linkercontroller is gekoppeld.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Now let&apos;s pair your right controller.</source>
        <translation>Laten we nu je rechtercontroller koppelen.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Right controller paired.</source>
        <translation>Rechtercontroller gekoppeld.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Your right controller is paired.</source>
        <translation>Je rechtercontroller is gekoppeld.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Launching roomsetup...</source>
        <translation>Ruimte-instelling wordt gestart…</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Waiting for HMD ready...</source>
        <translation>Wachten tot de headset gereed is…</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Could not find the headset</source>
        <translation>Kan de headset niet vinden</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Please make sure the headset is connected and powered on and try again.</source>
        <translation>Zorg dat de headset is aangesloten en ingeschakeld en probeer het opnieuw.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Are you sure you want to quit?</source>
        <translation>Weet je zeker dat je wilt afsluiten?</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>NOVA won&apos;t work until the room setup is completed. Are you sure you want to quit? You can still resume the room settings in NOVA Console after leaving.</source>
        <translation>NOVA werkt pas als de ruimte-instelling is voltooid. Weet je zeker dat je wilt afsluiten? Je kunt de ruimte-instelling later hervatten in NOVA Console.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Couldn&apos;t launch room setup</source>
        <translation>Kan de ruimte-instelling niet starten</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Room setup could not be launched because steamVR is not installed completely. After installing steamVR, you can still resume the room settings in NOVA Console.</source>
        <translation>De ruimte-instelling kan niet worden gestart omdat SteamVR niet volledig is geïnstalleerd. Na het installeren van SteamVR kun je de ruimte-instelling hervatten in NOVA Console.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Quit %1 Hardware Setup Guide?</source>
        <translation>%1 Hardware Setup Guide afsluiten?</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>You may run %1 Hardware Setup Guide to set up the hardware later.</source>
        <translation>Je kunt %1 Hardware Setup Guide later uitvoeren om de hardware in te stellen.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Quit NOVAPORT Setup?</source>
        <translation>NOVAPORT Setup afsluiten?</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Installation is not complete. You may run NOVAPORT Setup to complete the installation later.</source>
        <translation>De installatie is niet voltooid. Je kunt NOVAPORT Setup later uitvoeren om de installatie te voltooien.</translation>
    </message>
</context>
<context>
    <name>Footer</name>
    <message>
        <location filename="../base/Footer.qml" line="+85"/>
        <source>Help</source>
        <translation>Help</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Take screenshots</source>
        <translation>Schermafbeeldingen maken</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>BACK</source>
        <translation>TERUG</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>NEXT</source>
        <translation>VOLGENDE</translation>
    </message>
</context>
<context>
    <name>Header</name>
    <message>
        <location filename="../base/Header.qml" line="+35"/>
        <source>Install software</source>
        <translation>Software installeren</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Get ready</source>
        <translation>Voorbereiden</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Check your PC</source>
        <translation>Pc controleren</translation>
    </message>
    <message>
        <location line="+57"/>
        <source>done</source>
        <translation>voltooid</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>current step</source>
        <translation>huidige stap</translation>
    </message>
    <message>
        <location line="+62"/>
        <source>Minimize</source>
        <translation>Minimaliseren</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Close</source>
        <translation>Sluiten</translation>
    </message>
</context>
<context>
    <name>InstallInfo</name>
    <message>
        <location filename="../../qml/InstallInfo.qml" line="+32"/>
        <source>About %1 min left</source>
        <translation>Nog ongeveer %1 min</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Installation will finish in a few minutes</source>
        <translation>De installatie is over een paar minuten voltooid</translation>
    </message>
</context>
<context>
    <name>InstallManager</name>
    <message>
        <location filename="../../install/flow/InstallManager.cpp" line="+277"/>
        <source>Installing NOVAPORT Desktop App</source>
        <translation>NOVAPORT Desktop App wordt geïnstalleerd</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Installing %1 Software</source>
        <translation>%1-software wordt geïnstalleerd</translation>
    </message>
    <message>
        <location line="+112"/>
        <source>Uninstalling NOVA</source>
        <translation>NOVA wordt verwijderd</translation>
    </message>
    <message>
        <location line="+187"/>
        <source>%1 Setup Guide</source>
        <translation>%1 Setup Guide</translation>
    </message>
    <message>
        <location line="+429"/>
        <location filename="../../install/InstallInfo.cpp" line="+21"/>
        <source>Installing %1</source>
        <translation>%1 wordt geïnstalleerd</translation>
    </message>
    <message>
        <location line="+73"/>
        <source>Finished</source>
        <translation>Voltooid</translation>
    </message>
    <message>
        <location line="+175"/>
        <source>NOVAPORT Desktop App</source>
        <translation>NOVAPORT Desktop App</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>%1 Software</source>
        <translation>%1-software</translation>
    </message>
    <message>
        <location filename="../../install/InstallInfo.cpp" line="-5"/>
        <source>%1 MB/s</source>
        <translation>%1 MB/s</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Installing %1 (%2/%3 MB)</source>
        <translation>%1 wordt geïnstalleerd (%2/%3 MB)</translation>
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
        <translation>%1%2 wordt geïnstalleerd</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Installing %1%2 and %3</source>
        <translation>%1%2 en %3 worden geïnstalleerd</translation>
    </message>
</context>
<context>
    <name>LanguageSelector</name>
    <message>
        <location filename="../../qml/LanguageSelector.qml" line="+84"/>
        <source>Language: %1</source>
        <translation>Taal: %1</translation>
    </message>
    <message>
        <location line="+63"/>
        <source>Languages</source>
        <translation>Talen</translation>
    </message>
</context>
<context>
    <name>PathManager</name>
    <message>
        <location filename="../../location/PathManager.cpp" line="+321"/>
        <source>Please choose a folder</source>
        <translation>Kies een map</translation>
    </message>
</context>
<context>
    <name>Progress</name>
    <message>
        <location filename="../../qml/Progress.qml" line="+79"/>
        <source>Installation progress</source>
        <translation>Installatievoortgang</translation>
    </message>
</context>
<context>
    <name>ReplayBtn</name>
    <message>
        <location filename="../../qml/ReplayBtn.qml" line="+4"/>
        <source>Replay</source>
        <translation>Opnieuw afspelen</translation>
    </message>
</context>
<context>
    <name>SigninButton</name>
    <message>
        <location filename="../../qml/SigninButton.qml" line="+6"/>
        <source>SIGN IN</source>
        <translation>AANMELDEN</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <location filename="../../qml/main.qml" line="+131"/>
        <source>%1 Setup</source>
        <translation>%1 Setup</translation>
    </message>
    <message>
        <location line="+233"/>
        <source>Version %1</source>
        <translation>Versie %1</translation>
    </message>
</context>
<context>
    <name>pCheck</name>
    <message>
        <location filename="../../qml/pCheck.qml" line="+30"/>
        <source>Your PC might not be NOVA ready</source>
        <translation>Je pc is mogelijk niet klaar voor NOVA</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Some parts of your computer don&apos;t meet what NOVA needs. You can go on, but NOVA may not run well.</source>
        <translation>Sommige onderdelen van je computer voldoen niet aan de vereisten van NOVA. Je kunt doorgaan, maar NOVA werkt mogelijk niet optimaal.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Graphics card</source>
        <translation>Videokaart</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Your graphics card may not work well with NOVA.</source>
        <translation>Je videokaart werkt mogelijk niet goed met NOVA.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Processor</source>
        <translation>Processor</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Your processor doesn&apos;t match our list of compatible processors.</source>
        <translation>Je processor staat niet op onze lijst met compatibele processors.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Memory</source>
        <translation>Geheugen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>We recommended at least %1 GB.</source>
        <translation>We raden minimaal %1 GB aan.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Operating system</source>
        <translation>Besturingssysteem</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Windows 7 SP1, Windows 8.1 or above (64-bit) is required.</source>
        <translation>Windows 7 SP1, Windows 8.1 of hoger (64-bits) is vereist.</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>We recommended at USB 3.0 or higher.</source>
        <translation>We raden USB 3.0 of hoger aan.</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>See NOVA-ready PCs</source>
        <translation>Pc&apos;s bekijken die klaar zijn voor NOVA</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Test your PC with SteamVR</source>
        <translation>Je pc testen met SteamVR</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>QUIT SETUP</source>
        <translation>INSTALLATIE AFSLUITEN</translation>
    </message>
</context>
<context>
    <name>pComplete</name>
    <message>
        <location filename="../../qml/pComplete.qml" line="+14"/>
        <source>Install completed! Thanks for your waiting.</source>
        <translation>Installatie voltooid! Bedankt voor je geduld.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The %1 software is ready. Press OK to close setup.</source>
        <translation>De %1-software is klaar. Klik op OK om het installatieprogramma te sluiten.</translation>
    </message>
</context>
<context>
    <name>pDotNet</name>
    <message>
        <location filename="../../qml/pDotNet.qml" line="+18"/>
        <source>INSTALL REQUIRED SOFTWARE AGAIN</source>
        <translation>VEREISTE SOFTWARE OPNIEUW INSTALLEREN</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>RESTART COMPUTER</source>
        <translation>COMPUTER OPNIEUW OPSTARTEN</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>NEXT</source>
        <translation>VOLGENDE</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>INSTALL</source>
        <translation>INSTALLEREN</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>Install required software</source>
        <translation>Vereiste software installeren</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>NOVA software needs Microsoft .NET Framework 4.6 or later. Setup downloads and installs it for you.</source>
        <translation>De NOVA-software vereist Microsoft .NET Framework 4.6 of hoger. Het installatieprogramma downloadt en installeert dit voor je.</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Installing .NET Framework. This can take a few minutes.</source>
        <translation>.NET Framework wordt geïnstalleerd. Dit kan enkele minuten duren.</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>The installation did not finish. Try again to go on.</source>
        <translation>De installatie is niet voltooid. Probeer het opnieuw om door te gaan.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Restart your computer to finish the installation, then open setup again from its desktop shortcut.</source>
        <translation>Start je computer opnieuw op om de installatie te voltooien en open het installatieprogramma daarna opnieuw via de snelkoppeling op het bureaublad.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>.NET Framework is installed.</source>
        <translation>.NET Framework is geïnstalleerd.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>QUIT SETUP</source>
        <translation>INSTALLATIE AFSLUITEN</translation>
    </message>
</context>
<context>
    <name>pDriver</name>
    <message>
        <location filename="../../qml/pDriver.qml" line="+25"/>
        <source>Update your graphics card driver</source>
        <translation>Stuurprogramma van je videokaart bijwerken</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Your graphics card driver is out of date. For the best experience with NOVA, update it to version %1 or later.</source>
        <translation>Het stuurprogramma van je videokaart is verouderd. Werk het bij naar versie %1 of hoger voor de beste ervaring met NOVA.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Setup closes while you update. Afterwards, open it again with the %1 shortcut on your desktop.</source>
        <translation>Het installatieprogramma wordt gesloten terwijl je bijwerkt. Open het daarna opnieuw via de snelkoppeling %1 op je bureaublad.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>UPDATE DRIVER</source>
        <translation>STUURPROGRAMMA BIJWERKEN</translation>
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
        <translation>INSTALLEREN</translation>
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
        <translation>Kies waar je wilt installeren</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>NOVA software will be installed in this folder.</source>
        <translation>De NOVA-software wordt in deze map geïnstalleerd.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Steam and SteamVR will be installed in this folder.</source>
        <translation>Steam en SteamVR worden in deze map geïnstalleerd.</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>Install folder: %1</source>
        <translation>Installatiemap: %1</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>CHANGE</source>
        <translation>WIJZIGEN</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Space required: %1</source>
        <translation>Benodigde ruimte: %1</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>There isn&apos;t enough free space on this drive. Choose another folder.</source>
        <translation>Er is niet genoeg vrije ruimte op dit station. Kies een andere map.</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>The software is already installed on this computer.</source>
        <translation>De software is al op deze computer geïnstalleerd.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>SKIP INSTALLATION</source>
        <translation>INSTALLATIE OVERSLAAN</translation>
    </message>
</context>
<context>
    <name>pHealth</name>
    <message>
        <location filename="../../qml/pHealth.qml" line="+15"/>
        <source>I UNDERSTAND</source>
        <translation>BEGREPEN</translation>
    </message>
    <message>
        <location line="+35"/>
        <source>Clear your play area</source>
        <translation>Maak je speelruimte vrij</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Keep the space around you free of obstacles, people and pets.</source>
        <translation>Houd de ruimte om je heen vrij van obstakels, mensen en huisdieren.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Mind the cable</source>
        <translation>Let op de kabel</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Watch where the headset cable runs so that you don&apos;t trip over it.</source>
        <translation>Let op waar de kabel van de headset loopt, zodat je er niet over struikelt.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Wear it right</source>
        <translation>Draag hem goed</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Adjust the head strap until the headset sits firmly and comfortably.</source>
        <translation>Stel de hoofdband zo af dat de headset stevig en comfortabel zit.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Take regular breaks</source>
        <translation>Neem regelmatig pauze</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Rest for 10 to 15 minutes at least every 30 minutes.</source>
        <translation>Neem minstens elke 30 minuten een pauze van 10 tot 15 minuten.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Supervise children</source>
        <translation>Houd toezicht op kinderen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Children should use the headset only with an adult nearby.</source>
        <translation>Kinderen mogen de headset alleen gebruiken als er een volwassene in de buurt is.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Listen to your body</source>
        <translation>Luister naar je lichaam</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Stop at once if you feel dizzy, sick or uncomfortable.</source>
        <translation>Stop onmiddellijk als je duizelig of misselijk wordt of je niet prettig voelt.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Health and safety</source>
        <translation>Gezondheid en veiligheid</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Read these warnings before you use your headset. They help you enjoy VR safely.</source>
        <translation>Lees deze waarschuwingen voordat je je headset gebruikt. Zo kun je veilig van VR genieten.</translation>
    </message>
</context>
<context>
    <name>pInstall</name>
    <message>
        <location filename="../../qml/pInstall.qml" line="+12"/>
        <source>Preparing</source>
        <translation>Voorbereiden</translation>
    </message>
    <message>
        <location line="+107"/>
        <source>Sign in or sign up for a Steam account</source>
        <translation>Meld je aan bij Steam of maak een account aan</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Steam has opened its sign-in window. Sign in, or create a free account, to go on with the installation.</source>
        <translation>Steam heeft het aanmeldvenster geopend. Meld je aan of maak een gratis account aan om door te gaan met de installatie.</translation>
    </message>
    <message>
        <location line="+30"/>
        <source>The download speed is very slow. Please check your network connection</source>
        <translation>De downloadsnelheid is erg laag. Controleer je netwerkverbinding</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Installation completed</source>
        <translation>Installatie voltooid</translation>
    </message>
</context>
<context>
    <name>pKeltSignin</name>
    <message>
        <location filename="../../qml/pKeltSignin.qml" line="+31"/>
        <location line="+13"/>
        <location line="+18"/>
        <source>SIGN IN</source>
        <translation>AANMELDEN</translation>
    </message>
    <message>
        <location line="-6"/>
        <source>Sign in to KELT | NOVA Account</source>
        <translation>Aanmelden bij KELT | NOVA Account</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>To download and install the NOVA software suite, sign in to KELT | NOVA Account.</source>
        <translation>Meld je aan bij KELT | NOVA Account om het NOVA-softwarepakket te downloaden en te installeren.</translation>
    </message>
</context>
<context>
    <name>pLegal</name>
    <message>
        <location filename="../../qml/pLegal.qml" line="+38"/>
        <source>Welcome to NOVA</source>
        <translation>Welkom bij NOVA</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>%1 Setup installs the software your headset needs and checks that your computer is ready for it.</source>
        <translation>%1 Setup installeert de software die je headset nodig heeft en controleert of je computer er klaar voor is.</translation>
    </message>
    <message>
        <location line="+37"/>
        <source>I have read and accept the KELT &lt;a href=&quot;%1&quot;&gt;EULA&lt;/a&gt;, &lt;a href=&quot;%2&quot;&gt;terms of use&lt;/a&gt; and &lt;a href=&quot;%3&quot;&gt;privacy policy&lt;/a&gt;.</source>
        <translation>Ik heb de &lt;a href=&quot;%1&quot;&gt;EULA&lt;/a&gt;, de &lt;a href=&quot;%2&quot;&gt;gebruiksvoorwaarden&lt;/a&gt; en het &lt;a href=&quot;%3&quot;&gt;privacybeleid&lt;/a&gt; van KELT gelezen en ga ermee akkoord.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>GET STARTED</source>
        <translation>AAN DE SLAG</translation>
    </message>
</context>
<context>
    <name>pSignin</name>
    <message>
        <location filename="../../qml/pSignin.qml" line="+7"/>
        <source>Sign in or sign up for a Steam account</source>
        <translation>Meld je aan bij Steam of maak een account aan</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Steam opens its sign-in window during the installation. Sign in, or create a free account, so that SteamVR can finish installing.</source>
        <translation>Tijdens de installatie opent Steam het aanmeldvenster. Meld je aan of maak een gratis account aan, zodat de installatie van SteamVR kan worden voltooid.</translation>
    </message>
</context>
<context>
    <name>pSw01</name>
    <message>
        <location filename="../../qml/pSw01.qml" line="+7"/>
        <source>Install the NOVA software</source>
        <translation>NOVA-software installeren</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Setup downloads and installs the NOVA software suite and SteamVR. Depending on your connection, this can take a while.</source>
        <translation>Het installatieprogramma downloadt en installeert het NOVA-softwarepakket en SteamVR. Afhankelijk van je verbinding kan dit even duren.</translation>
    </message>
</context>
</TS>
