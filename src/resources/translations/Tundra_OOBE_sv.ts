<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sv_SE">
<context>
    <name>AnimDialog</name>
    <message>
        <location filename="../../qml/AnimDialog.qml" line="+8"/>
        <source>Please wait...</source>
        <translation>Vänta…</translation>
    </message>
</context>
<context>
    <name>CPageManager</name>
    <message>
        <location filename="../../wizard/PageDialogCatalogue.cpp" line="+14"/>
        <source>QUIT SETUP</source>
        <translation>AVSLUTA INSTALLATIONEN</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>QUIT SETUP&lt;span id=&quot;downloader-00&quot;&gt;&lt;/span&gt;</source>
        <translation>AVSLUTA INSTALLATIONEN&lt;span id=&quot;downloader-00&quot;&gt;&lt;/span&gt;</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>TRY AGAIN</source>
        <translation>FÖRSÖK IGEN</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Sign in as an administrator</source>
        <translation>Logga in som administratör</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>You don&apos;t have necessary permissions to install software on this computer. Sign in as an administrator to continue with NOVA Tundra Setup.</source>
        <translation>Du har inte den behörighet som krävs för att installera programvara på den här datorn. Logga in som administratör för att fortsätta med NOVA Tundra Setup.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Unsupported region</source>
        <translation>Regionen stöds inte</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>This version of NOVA Tundra Setup is not supported in your region. Please download your region&apos;s version at </source>
        <translation>Den här versionen av NOVA Tundra Setup stöds inte i din region. Ladda ned versionen för din region på </translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Compatibility mode</source>
        <translation>Kompatibilitetsläge</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>NOVA Tundra Setup can&apos;t run under compatibility mode, so we&apos;ve disabled compatibility mode for it. Close and relaunch NOVA Tundra Setup to continue.</source>
        <translation>NOVA Tundra Setup kan inte köras i kompatibilitetsläge, så vi har inaktiverat kompatibilitetsläget för programmet. Stäng NOVA Tundra Setup och starta det igen för att fortsätta.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Cancel setup?</source>
        <translation>Vill du avbryta installationen?</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>.Net framework is still installing. After installation, you could need to &lt;br&gt;restart PC and re-launch NOVA Tundra Setup manually.</source>
        <translation>.NET Framework installeras fortfarande. Efter installationen kan du behöva &lt;br&gt;starta om datorn och öppna NOVA Tundra Setup igen manuellt.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>CANCEL</source>
        <translation>AVBRYT</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Terms and conditions</source>
        <translation>Allmänna villkor</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>To continue setup, accept the terms and conditions.</source>
        <translation>Godkänn de allmänna villkoren för att fortsätta installationen.</translation>
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
        <translation>Vill du ladda ned drivrutinen?</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>NOVA Tundra Setup will close. After updating your graphics card driver, reopen it from the desktop.</source>
        <translation>NOVA Tundra Setup stängs. Öppna programmet igen från skrivbordet när du har uppdaterat grafikkortets drivrutin.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>CANCEL&lt;span id=&quot;driver-00&quot;&gt;&lt;/span&gt;</source>
        <translation>AVBRYT&lt;span id=&quot;driver-00&quot;&gt;&lt;/span&gt;</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>DOWNLOAD&lt;span id=&quot;driver-01&quot;&gt;&lt;/span&gt;</source>
        <translation>LADDA NED&lt;span id=&quot;driver-01&quot;&gt;&lt;/span&gt;</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cancel installation?</source>
        <translation>Vill du avbryta installationen?</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>NOVA Tundra Setup will quit if you choose to cancel software installation.</source>
        <translation>NOVA Tundra Setup avslutas om du väljer att avbryta programvaruinstallationen.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>CANCEL SETUP</source>
        <translation>AVBRYT INSTALLATIONEN</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>BACK</source>
        <translation>TILLBAKA</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Something went wrong</source>
        <translation>Något gick fel</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Please try to sign in to KELT | NOVA Account again.</source>
        <translation>Försök att logga in på KELT | NOVA Account igen.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Warning</source>
        <translation>Varning</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The specified path is not available or do not have enough space.</source>
        <translation>Den angivna sökvägen är inte tillgänglig eller har inte tillräckligt med ledigt utrymme.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Sign in to KELT | NOVA Account</source>
        <translation>Logga in på KELT | NOVA Account</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>To download and install the NOVA software suite, sign in to KELT | NOVA Account.</source>
        <translation>Logga in på KELT | NOVA Account för att ladda ned och installera NOVA-programsviten.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>SIGN IN</source>
        <translation>LOGGA IN</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Couldn&apos;t connect to NOVA server</source>
        <translation>Det gick inte att ansluta till NOVA-servern</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Something went wrong while trying to connect with the NOVA server.</source>
        <translation>Något gick fel vid anslutningen till NOVA-servern.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>QUIT SETUP&lt;span id=&quot;downloader-24&quot;&gt;&lt;/span&gt;</source>
        <translation>AVSLUTA INSTALLATIONEN&lt;span id=&quot;downloader-24&quot;&gt;&lt;/span&gt;</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>TRY AGAIN&lt;span id=&quot;downloader-25&quot;&gt;&lt;/span&gt;</source>
        <translation>FÖRSÖK IGEN&lt;span id=&quot;downloader-25&quot;&gt;&lt;/span&gt;</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Couldn&apos;t download SteamVR&lt;span id=&quot;downloader-16&quot;&gt;&lt;/span&gt;</source>
        <translation>Det gick inte att ladda ned SteamVR&lt;span id=&quot;downloader-16&quot;&gt;&lt;/span&gt;</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Something went wrong while downloading SteamVR. Please try again.</source>
        <translation>Något gick fel när SteamVR laddades ned. Försök igen.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>QUIT SETUP&lt;span id=&quot;downloader-17&quot;&gt;&lt;/span&gt;</source>
        <translation>AVSLUTA INSTALLATIONEN&lt;span id=&quot;downloader-17&quot;&gt;&lt;/span&gt;</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>TRY AGAIN&lt;span id=&quot;downloader-18&quot;&gt;&lt;/span&gt;</source>
        <translation>FÖRSÖK IGEN&lt;span id=&quot;downloader-18&quot;&gt;&lt;/span&gt;</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Close SteamVR to continue</source>
        <translation>Stäng SteamVR för att fortsätta</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>NOVA Tundra Setup installs the latest version of SteamVR. To continue software installation, close SteamVR.</source>
        <translation>NOVA Tundra Setup installerar den senaste versionen av SteamVR. Stäng SteamVR för att fortsätta programvaruinstallationen.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Reopen NOVA Tundra Setup</source>
        <translation>Öppna NOVA Tundra Setup igen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Something went wrong while trying to stop SteamVR.</source>
        <translation>Något gick fel när SteamVR skulle stoppas.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Just a sec...</source>
        <translation>Ett ögonblick…</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>It&apos;ll just be a moment while the NOVA software finishes downloading. (&lt;b&gt;%1%&lt;/b&gt;)</source>
        <translation>Vänta ett ögonblick medan nedladdningen av NOVA-programvaran slutförs. (&lt;b&gt;%1&#xa0;%&lt;/b&gt;)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Please wait</source>
        <translation>Vänta</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The NOVA desktop app is still downloading. Please wait. (&lt;b&gt;%1%&lt;/b&gt;)</source>
        <translation>NOVA-skrivbordsappen laddas fortfarande ned. Vänta. (&lt;b&gt;%1&#xa0;%&lt;/b&gt;)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>CONTINUE</source>
        <translation>FORTSÄTT</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Quit NOVA Tundra Setup?</source>
        <translation>Vill du avsluta NOVA Tundra Setup?</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Installation is not complete. You may run NOVA Tundra Setup to complete the installation later.</source>
        <translation>Installationen är inte slutförd. Du kan köra NOVA Tundra Setup senare för att slutföra installationen.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>QUIT SETUP&lt;span id=&quot;common-01&quot;&gt;&lt;/span&gt;</source>
        <translation>AVSLUTA INSTALLATIONEN&lt;span id=&quot;common-01&quot;&gt;&lt;/span&gt;</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>BACK&lt;span id=&quot;common-02&quot;&gt;&lt;/span&gt;</source>
        <translation>TILLBAKA&lt;span id=&quot;common-02&quot;&gt;&lt;/span&gt;</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Quit NOVAPORT Setup?</source>
        <translation>Vill du avsluta NOVAPORT Setup?</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Installation is not complete. You may run NOVAPORT Setup to complete the installation later.</source>
        <translation>Installationen är inte slutförd. Du kan köra NOVAPORT Setup senare för att slutföra installationen.</translation>
    </message>
    <message>
        <location filename="../../wizard/PageList.cpp" line="-11"/>
        <source>NEXT</source>
        <translation>NÄSTA</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>INSTALL</source>
        <translation>INSTALLERA</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>I UNDERSTAND</source>
        <translation>JAG FÖRSTÅR</translation>
    </message>
</context>
<context>
    <name>CheckResult</name>
    <message>
        <location filename="../../qml/CheckResult.qml" line="+19"/>
        <source>Meets the requirements</source>
        <translation>Uppfyller kraven</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Could not be checked</source>
        <translation>Kunde inte kontrolleras</translation>
    </message>
</context>
<context>
    <name>ContentAboutQT</name>
    <message>
        <location filename="../../qml/ContentAboutQT.qml" line="+16"/>
        <source>About Qt</source>
        <translation>Om Qt</translation>
    </message>
    <message>
        <location line="+32"/>
        <source>This program uses the Qt libraries, version 5.15, under the GNU Lesser General Public License version 3. See &lt;a href=&quot;%1&quot;&gt;qt.io/licensing&lt;/a&gt; for the license and the source code.</source>
        <translation>Det här programmet använder Qt-biblioteken, version 5.15, under GNU Lesser General Public License version 3. Licensen och källkoden finns på &lt;a href=&quot;%1&quot;&gt;qt.io/licensing&lt;/a&gt;.</translation>
    </message>
</context>
<context>
    <name>DialogManager</name>
    <message>
        <location filename="../../wizard/DialogCatalogue.cpp" line="+15"/>
        <source>QUIT SETUP</source>
        <translation>AVSLUTA INSTALLATIONEN</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>TRY AGAIN</source>
        <translation>FÖRSÖK IGEN</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>BACK</source>
        <translation>TILLBAKA</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>CANCEL</source>
        <translation>AVBRYT</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>CONTINUE</source>
        <translation>FORTSÄTT</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>RETRY</source>
        <translation>FÖRSÖK IGEN</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Warning</source>
        <translation>Varning</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Installation failed</source>
        <translation>Installationen misslyckades</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Are you sure you want to skip?</source>
        <translation>Vill du verkligen hoppa över det här steget?</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>SKIP ANYWAY</source>
        <translation>HOPPA ÖVER ÄNDÅ</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Please wait</source>
        <translation>Vänta</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>CONTINUE ANYWAY</source>
        <translation>FORTSÄTT ÄNDÅ</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>QUIT</source>
        <translation>AVSLUTA</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Quit %1 Setup?</source>
        <translation>Vill du avsluta %1 Setup?</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Couldn&apos;t install Steam</source>
        <translation>Det gick inte att installera Steam</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 is already running</source>
        <translation>%1 körs redan</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Another instance of %1 Setup is already running. Would you like to close this one or force to resume?</source>
        <translation>En annan instans av %1 Setup körs redan. Vill du stänga den här instansen eller återuppta ändå?</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>FORCE TO RESUME</source>
        <translation>ÅTERUPPTA ÄNDÅ</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Updating NOVA desktop app...</source>
        <translation>Uppdaterar NOVA-skrivbordsappen…</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The NOVA desktop app is being updated. Please wait until the update has been installed before running %1 Setup.</source>
        <translation>NOVA-skrivbordsappen uppdateras. Vänta tills uppdateringen har installerats innan du kör %1 Setup.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Unsupported region</source>
        <translation>Regionen stöds inte</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>This version of %1 Setup is not supported in your region. Please download your region&apos;s version at </source>
        <translation>Den här versionen av %1 Setup stöds inte i din region. Ladda ned versionen för din region på </translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Installation is not complete. You may run %1 Setup to complete the installation later.</source>
        <translation>Installationen är inte slutförd. Du kan köra %1 Setup senare för att slutföra installationen.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Software installation is in progress. Closing %1 Setup will also stop ongoing installation process. You&apos;ll need to run %1 Setup again.</source>
        <translation>Programvaruinstallationen pågår. Om du stänger %1 Setup avbryts även den pågående installationen. Du måste då köra %1 Setup igen.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Invalid installation folder</source>
        <translation>Ogiltig installationsmapp</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Please avoid special non-English characters as installation path. It may cause content compatibility issues.</source>
        <translation>Undvik specialtecken och bokstäver utanför det engelska alfabetet (till exempel å, ä och ö) i installationssökvägen. De kan orsaka kompatibilitetsproblem med innehåll.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Couldn&apos;t install NOVA software</source>
        <translation>Det gick inte att installera NOVA-programvaran</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Make sure that you have sufficient permissions to install on the selected folder.</source>
        <translation>Kontrollera att du har tillräcklig behörighet för att installera i den valda mappen.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Couldn&apos;t download NOVA software</source>
        <translation>Det gick inte att ladda ned NOVA-programvaran</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Something went wrong while downloading NOVA software.</source>
        <translation>Något gick fel när NOVA-programvaran laddades ned.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Close Steam</source>
        <translation>Stäng Steam</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Confirm that you&apos;ve closed the Steam client, and then click &quot;Continue&quot;.</source>
        <translation>Bekräfta att du har stängt Steam-klienten och klicka sedan på ”Fortsätt”.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Something went wrong while trying to open Steam.</source>
        <translation>Något gick fel när Steam skulle öppnas.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Something went wrong while installing Steam.</source>
        <translation>Något gick fel när Steam installerades.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>CLOSE SETUP</source>
        <translation>STÄNG INSTALLATIONEN</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Please close your SteamVR and press &quot;Continue&quot;.</source>
        <translation>Stäng SteamVR och klicka på ”Fortsätt”.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Couldn&apos;t download SteamVR</source>
        <translation>Det gick inte att ladda ned SteamVR</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Something went wrong while downloading SteamVR.</source>
        <translation>Något gick fel när SteamVR laddades ned.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Openvr driver register fail.</source>
        <translation>Det gick inte att registrera OpenVR-drivrutinen.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Zeph runtime register fail.</source>
        <translation>Det gick inte att registrera Zeph-körningsmiljön.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Both openvr driver and zeph runtime register fail.</source>
        <translation>Varken OpenVR-drivrutinen eller Zeph-körningsmiljön kunde registreras.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Restart required</source>
        <translation>Omstart krävs</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Your computer needs to be restarted to finish the installation.</source>
        <translation>Datorn måste startas om för att installationen ska slutföras.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>RESTART LATER</source>
        <translation>STARTA OM SENARE</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>RESTART NOW</source>
        <translation>STARTA OM NU</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>An error occurred during installation, please try again. If the error persists, go to %1FAQ%2 to check for possible solutions.</source>
        <translation>Ett fel uppstod under installationen. Försök igen. Om felet kvarstår hittar du möjliga lösningar i %1FAQ%2.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Another installation is in progress. Wait a few minutes and try again. If the problem persists, go to %1FAQ%2 to check for possible solutions.</source>
        <translation>En annan installation pågår. Vänta några minuter och försök igen. Om problemet kvarstår hittar du möjliga lösningar i %1FAQ%2.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>An error occurred during installation. Go to %1FAQ%2 to check for possible solutions.</source>
        <translation>Ett fel uppstod under installationen. Du hittar möjliga lösningar i %1FAQ%2.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Terms and conditions</source>
        <translation>Allmänna villkor</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>To continue, accept the KELT EULA, terms of use, and privacy policy by selecting the check box.</source>
        <translation>Markera kryssrutan för att godkänna KELTs EULA, användarvillkor och integritetspolicy och fortsätta.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Computer update recommended</source>
        <translation>Uppdatering av datorn rekommenderas</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Your computer may not work well with NOVA. For the best experience, update your system before installing NOVA.</source>
        <translation>Datorn kanske inte fungerar bra med NOVA. Uppdatera systemet innan du installerar NOVA för bästa upplevelse.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Cancel setup?</source>
        <translation>Vill du avbryta installationen?</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>.NET framework is still installing. After the installation, restart your computer and relaunch %1 Setup manually.</source>
        <translation>.NET Framework installeras fortfarande. Starta om datorn efter installationen och öppna %1 Setup igen manuellt.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Driver update required</source>
        <translation>Drivrutinsuppdatering krävs</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Your computer may not work well with NOVA. Update your graphics card driver before installing NOVA.</source>
        <translation>Datorn kanske inte fungerar bra med NOVA. Uppdatera grafikkortets drivrutin innan du installerar NOVA.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Exit setup and update driver</source>
        <translation>Avsluta installationen och uppdatera drivrutinen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 Setup will now close and open your web browser to the driver update page. After updating the driver, run %1 Setup again by double-clicking its shortcut on the computer desktop.</source>
        <translation>%1 Setup stängs nu och öppnar sidan för drivrutinsuppdatering i webbläsaren. När du har uppdaterat drivrutinen kör du %1 Setup igen genom att dubbelklicka på genvägen på skrivbordet.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The USB / %1 connection is not yet detected. You can return to this screen later to confirm the connection status.</source>
        <translation>USB-/%1-anslutningen har inte identifierats ännu. Du kan gå tillbaka till den här skärmen senare för att kontrollera anslutningsstatusen.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The headset has a dual front cameras that lets you see through or interact with the actual environment outside of VR. For the best experience, you need to connect using USB 3.0 port or higher.</source>
        <translation>Headsetet har två frontkameror som låter dig se och interagera med den verkliga omgivningen utanför VR. För bästa upplevelse behöver du ansluta det till en USB 3.0-port eller senare.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>To troubleshoot USB connection issues, try the following:&lt;ul&gt;&lt;li&gt;Open Windows Device Manager and check that no USB devices are still installing. USB driver installation may take about 5-10 minutes.&lt;/li&gt;&lt;li&gt;Unplug the headset&apos;s USB cable from the computer, wait a few seconds, and plug it in again.&lt;/li&gt;&lt;li&gt;Connect the USB cable to another USB 3.0 port, preferably one on the back of the computer.&lt;/li&gt;&lt;li&gt;If you use a USB hub or an extension cable, connect the headset directly to the computer.&lt;/li&gt;&lt;/ul&gt;</source>
        <translation>Prova följande för att felsöka problem med USB-anslutningen:&lt;ul&gt;&lt;li&gt;Öppna Enhetshanteraren i Windows och kontrollera att inga USB-enheter fortfarande installeras. Det kan ta ungefär 5–10 minuter att installera USB-drivrutiner.&lt;/li&gt;&lt;li&gt;Koppla bort headsetets USB-kabel från datorn, vänta några sekunder och anslut den igen.&lt;/li&gt;&lt;li&gt;Anslut USB-kabeln till en annan USB 3.0-port, helst en på datorns baksida.&lt;/li&gt;&lt;li&gt;Om du använder en USB-hubb eller en förlängningskabel ansluter du headsetet direkt till datorn.&lt;/li&gt;&lt;/ul&gt;</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>HMD is not ready and will not work appropriately later.</source>
        <translation>Headsetet är inte redo och kommer inte att fungera korrekt senare.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Oops...</source>
        <translation>Hoppsan…</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Something went wrong when downloading required component.</source>
        <translation>Något gick fel när en nödvändig komponent laddades ned.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>One or both controllers are not yet detected. You will need the controllers to complete the setup. You can pair the controllers using the NOVA Console if you choose to skip the step.</source>
        <translation>En eller båda handkontrollerna har inte identifierats ännu. Du behöver handkontrollerna för att slutföra konfigurationen. Om du hoppar över det här steget kan du parkoppla handkontrollerna i NOVA Console.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Left controller is paired.</source>
        <translation>Vänster handkontroll är parkopplad.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Now let&apos;s pair your right controller.</source>
        <translation>Nu parkopplar vi din högra handkontroll.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Right controller paired.</source>
        <translation>Höger handkontroll är parkopplad.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Your right controller is paired.</source>
        <translation>Din högra handkontroll är parkopplad.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Launching roomsetup...</source>
        <translation>Startar rumskonfigurationen…</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Waiting for HMD ready...</source>
        <translation>Väntar på att headsetet ska bli redo…</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Could not find the headset</source>
        <translation>Headsetet hittades inte</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Please make sure the headset is connected and powered on and try again.</source>
        <translation>Kontrollera att headsetet är anslutet och påslaget och försök igen.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Are you sure you want to quit?</source>
        <translation>Vill du verkligen avsluta?</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>NOVA won&apos;t work until the room setup is completed. Are you sure you want to quit? You can still resume the room settings in NOVA Console after leaving.</source>
        <translation>NOVA fungerar inte förrän rumskonfigurationen är klar. Vill du verkligen avsluta? Du kan återuppta rumskonfigurationen i NOVA Console senare.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Couldn&apos;t launch room setup</source>
        <translation>Det gick inte att starta rumskonfigurationen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Room setup could not be launched because steamVR is not installed completely. After installing steamVR, you can still resume the room settings in NOVA Console.</source>
        <translation>Rumskonfigurationen kunde inte startas eftersom SteamVR inte är fullständigt installerat. När du har installerat SteamVR kan du återuppta rumskonfigurationen i NOVA Console.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Quit %1 Hardware Setup Guide?</source>
        <translation>Vill du avsluta %1 Hardware Setup Guide?</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>You may run %1 Hardware Setup Guide to set up the hardware later.</source>
        <translation>Du kan köra %1 Hardware Setup Guide senare för att konfigurera maskinvaran.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Quit NOVAPORT Setup?</source>
        <translation>Vill du avsluta NOVAPORT Setup?</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Installation is not complete. You may run NOVAPORT Setup to complete the installation later.</source>
        <translation>Installationen är inte slutförd. Du kan köra NOVAPORT Setup senare för att slutföra installationen.</translation>
    </message>
</context>
<context>
    <name>Footer</name>
    <message>
        <location filename="../base/Footer.qml" line="+85"/>
        <source>Help</source>
        <translation>Hjälp</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Take screenshots</source>
        <translation>Ta skärmbilder</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>BACK</source>
        <translation>TILLBAKA</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>NEXT</source>
        <translation>NÄSTA</translation>
    </message>
</context>
<context>
    <name>Header</name>
    <message>
        <location filename="../base/Header.qml" line="+35"/>
        <source>Install software</source>
        <translation>Installera programvara</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Get ready</source>
        <translation>Gör dig redo</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Check your PC</source>
        <translation>Kontrollera datorn</translation>
    </message>
    <message>
        <location line="+57"/>
        <source>done</source>
        <translation>klart</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>current step</source>
        <translation>aktuellt steg</translation>
    </message>
    <message>
        <location line="+62"/>
        <source>Minimize</source>
        <translation>Minimera</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Close</source>
        <translation>Stäng</translation>
    </message>
</context>
<context>
    <name>InstallInfo</name>
    <message>
        <location filename="../../qml/InstallInfo.qml" line="+32"/>
        <source>About %1 min left</source>
        <translation>Cirka %1 min kvar</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Installation will finish in a few minutes</source>
        <translation>Installationen är klar om några minuter</translation>
    </message>
</context>
<context>
    <name>InstallManager</name>
    <message>
        <location filename="../../install/flow/InstallManager.cpp" line="+277"/>
        <source>Installing NOVAPORT Desktop App</source>
        <translation>Installerar NOVAPORT Desktop App</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Installing %1 Software</source>
        <translation>Installerar %1-programvaran</translation>
    </message>
    <message>
        <location line="+112"/>
        <source>Uninstalling NOVA</source>
        <translation>Avinstallerar NOVA</translation>
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
        <translation>Installerar %1</translation>
    </message>
    <message>
        <location line="+73"/>
        <source>Finished</source>
        <translation>Klart</translation>
    </message>
    <message>
        <location line="+175"/>
        <source>NOVAPORT Desktop App</source>
        <translation>NOVAPORT Desktop App</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>%1 Software</source>
        <translation>%1-programvara</translation>
    </message>
    <message>
        <location filename="../../install/InstallInfo.cpp" line="-5"/>
        <source>%1 MB/s</source>
        <translation>%1 MB/s</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Installing %1 (%2/%3 MB)</source>
        <translation>Installerar %1 (%2/%3 MB)</translation>
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
        <translation>Installerar %1%2</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Installing %1%2 and %3</source>
        <translation>Installerar %1%2 och %3</translation>
    </message>
</context>
<context>
    <name>LanguageSelector</name>
    <message>
        <location filename="../../qml/LanguageSelector.qml" line="+84"/>
        <source>Language: %1</source>
        <translation>Språk: %1</translation>
    </message>
    <message>
        <location line="+63"/>
        <source>Languages</source>
        <translation>Språk</translation>
    </message>
</context>
<context>
    <name>PathManager</name>
    <message>
        <location filename="../../location/PathManager.cpp" line="+321"/>
        <source>Please choose a folder</source>
        <translation>Välj en mapp</translation>
    </message>
</context>
<context>
    <name>Progress</name>
    <message>
        <location filename="../../qml/Progress.qml" line="+79"/>
        <source>Installation progress</source>
        <translation>Installationsförlopp</translation>
    </message>
</context>
<context>
    <name>ReplayBtn</name>
    <message>
        <location filename="../../qml/ReplayBtn.qml" line="+4"/>
        <source>Replay</source>
        <translation>Spela upp igen</translation>
    </message>
</context>
<context>
    <name>SigninButton</name>
    <message>
        <location filename="../../qml/SigninButton.qml" line="+6"/>
        <source>SIGN IN</source>
        <translation>LOGGA IN</translation>
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
        <translation>Version %1</translation>
    </message>
</context>
<context>
    <name>pCheck</name>
    <message>
        <location filename="../../qml/pCheck.qml" line="+30"/>
        <source>Your PC might not be NOVA ready</source>
        <translation>Datorn kanske inte är redo för NOVA</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Some parts of your computer don&apos;t meet what NOVA needs. You can go on, but NOVA may not run well.</source>
        <translation>Vissa delar av datorn uppfyller inte kraven för NOVA. Du kan fortsätta, men NOVA kanske inte fungerar optimalt.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Graphics card</source>
        <translation>Grafikkort</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Your graphics card may not work well with NOVA.</source>
        <translation>Grafikkortet kanske inte fungerar bra med NOVA.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Processor</source>
        <translation>Processor</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Your processor doesn&apos;t match our list of compatible processors.</source>
        <translation>Processorn finns inte med i vår lista över kompatibla processorer.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Memory</source>
        <translation>Minne</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>We recommended at least %1 GB.</source>
        <translation>Vi rekommenderar minst %1 GB.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Operating system</source>
        <translation>Operativsystem</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Windows 7 SP1, Windows 8.1 or above (64-bit) is required.</source>
        <translation>Windows 7 SP1, Windows 8.1 eller senare (64-bitars) krävs.</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>We recommended at USB 3.0 or higher.</source>
        <translation>Vi rekommenderar USB 3.0 eller senare.</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>See NOVA-ready PCs</source>
        <translation>Visa datorer som är redo för NOVA</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Test your PC with SteamVR</source>
        <translation>Testa datorn med SteamVR</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>QUIT SETUP</source>
        <translation>AVSLUTA INSTALLATIONEN</translation>
    </message>
</context>
<context>
    <name>pComplete</name>
    <message>
        <location filename="../../qml/pComplete.qml" line="+14"/>
        <source>Install completed! Thanks for your waiting.</source>
        <translation>Installationen är klar! Tack för ditt tålamod.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The %1 software is ready. Press OK to close setup.</source>
        <translation>%1-programvaran är klar. Klicka på OK för att stänga installationsprogrammet.</translation>
    </message>
</context>
<context>
    <name>pDotNet</name>
    <message>
        <location filename="../../qml/pDotNet.qml" line="+18"/>
        <source>INSTALL REQUIRED SOFTWARE AGAIN</source>
        <translation>INSTALLERA NÖDVÄNDIG PROGRAMVARA IGEN</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>RESTART COMPUTER</source>
        <translation>STARTA OM DATORN</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>NEXT</source>
        <translation>NÄSTA</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>INSTALL</source>
        <translation>INSTALLERA</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>Install required software</source>
        <translation>Installera nödvändig programvara</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>NOVA software needs Microsoft .NET Framework 4.6 or later. Setup downloads and installs it for you.</source>
        <translation>NOVA-programvaran kräver Microsoft .NET Framework 4.6 eller senare. Installationsprogrammet laddar ned och installerar det åt dig.</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Installing .NET Framework. This can take a few minutes.</source>
        <translation>Installerar .NET Framework. Det kan ta några minuter.</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>The installation did not finish. Try again to go on.</source>
        <translation>Installationen slutfördes inte. Försök igen för att fortsätta.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Restart your computer to finish the installation, then open setup again from its desktop shortcut.</source>
        <translation>Starta om datorn för att slutföra installationen och öppna sedan installationsprogrammet igen via genvägen på skrivbordet.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>.NET Framework is installed.</source>
        <translation>.NET Framework är installerat.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>QUIT SETUP</source>
        <translation>AVSLUTA INSTALLATIONEN</translation>
    </message>
</context>
<context>
    <name>pDriver</name>
    <message>
        <location filename="../../qml/pDriver.qml" line="+25"/>
        <source>Update your graphics card driver</source>
        <translation>Uppdatera grafikkortets drivrutin</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Your graphics card driver is out of date. For the best experience with NOVA, update it to version %1 or later.</source>
        <translation>Grafikkortets drivrutin är inaktuell. Uppdatera den till version %1 eller senare för bästa upplevelse med NOVA.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Setup closes while you update. Afterwards, open it again with the %1 shortcut on your desktop.</source>
        <translation>Installationsprogrammet stängs medan du uppdaterar. Öppna det sedan igen med genvägen %1 på skrivbordet.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>UPDATE DRIVER</source>
        <translation>UPPDATERA DRIVRUTIN</translation>
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
        <translation>INSTALLERA</translation>
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
        <translation>Välj var du vill installera</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>NOVA software will be installed in this folder.</source>
        <translation>NOVA-programvaran installeras i den här mappen.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Steam and SteamVR will be installed in this folder.</source>
        <translation>Steam och SteamVR installeras i den här mappen.</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>Install folder: %1</source>
        <translation>Installationsmapp: %1</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>CHANGE</source>
        <translation>ÄNDRA</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Space required: %1</source>
        <translation>Utrymme som krävs: %1</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>There isn&apos;t enough free space on this drive. Choose another folder.</source>
        <translation>Det finns inte tillräckligt med ledigt utrymme på den här enheten. Välj en annan mapp.</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>The software is already installed on this computer.</source>
        <translation>Programvaran är redan installerad på den här datorn.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>SKIP INSTALLATION</source>
        <translation>HOPPA ÖVER INSTALLATIONEN</translation>
    </message>
</context>
<context>
    <name>pHealth</name>
    <message>
        <location filename="../../qml/pHealth.qml" line="+15"/>
        <source>I UNDERSTAND</source>
        <translation>JAG FÖRSTÅR</translation>
    </message>
    <message>
        <location line="+35"/>
        <source>Clear your play area</source>
        <translation>Rensa ditt spelområde</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Keep the space around you free of obstacles, people and pets.</source>
        <translation>Håll utrymmet runt dig fritt från hinder, personer och husdjur.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Mind the cable</source>
        <translation>Se upp med kabeln</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Watch where the headset cable runs so that you don&apos;t trip over it.</source>
        <translation>Håll koll på var headsetkabeln ligger så att du inte snubblar över den.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Wear it right</source>
        <translation>Bär det rätt</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Adjust the head strap until the headset sits firmly and comfortably.</source>
        <translation>Justera huvudbandet tills headsetet sitter stadigt och bekvämt.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Take regular breaks</source>
        <translation>Ta regelbundna pauser</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Rest for 10 to 15 minutes at least every 30 minutes.</source>
        <translation>Vila i 10–15 minuter minst var 30:e minut.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Supervise children</source>
        <translation>Håll uppsikt över barn</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Children should use the headset only with an adult nearby.</source>
        <translation>Barn bör bara använda headsetet när en vuxen finns i närheten.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Listen to your body</source>
        <translation>Lyssna på kroppen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Stop at once if you feel dizzy, sick or uncomfortable.</source>
        <translation>Sluta direkt om du blir yr eller illamående eller mår dåligt.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Health and safety</source>
        <translation>Hälsa och säkerhet</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Read these warnings before you use your headset. They help you enjoy VR safely.</source>
        <translation>Läs de här varningarna innan du använder headsetet. De hjälper dig att använda VR på ett säkert sätt.</translation>
    </message>
</context>
<context>
    <name>pInstall</name>
    <message>
        <location filename="../../qml/pInstall.qml" line="+12"/>
        <source>Preparing</source>
        <translation>Förbereder</translation>
    </message>
    <message>
        <location line="+107"/>
        <source>Sign in or sign up for a Steam account</source>
        <translation>Logga in eller skapa ett Steam-konto</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Steam has opened its sign-in window. Sign in, or create a free account, to go on with the installation.</source>
        <translation>Steam har öppnat sitt inloggningsfönster. Logga in eller skapa ett kostnadsfritt konto för att fortsätta med installationen.</translation>
    </message>
    <message>
        <location line="+30"/>
        <source>The download speed is very slow. Please check your network connection</source>
        <translation>Nedladdningshastigheten är mycket låg. Kontrollera nätverksanslutningen</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Installation completed</source>
        <translation>Installationen är klar</translation>
    </message>
</context>
<context>
    <name>pKeltSignin</name>
    <message>
        <location filename="../../qml/pKeltSignin.qml" line="+31"/>
        <location line="+13"/>
        <location line="+18"/>
        <source>SIGN IN</source>
        <translation>LOGGA IN</translation>
    </message>
    <message>
        <location line="-6"/>
        <source>Sign in to KELT | NOVA Account</source>
        <translation>Logga in på KELT | NOVA Account</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>To download and install the NOVA software suite, sign in to KELT | NOVA Account.</source>
        <translation>Logga in på KELT | NOVA Account för att ladda ned och installera NOVA-programsviten.</translation>
    </message>
</context>
<context>
    <name>pLegal</name>
    <message>
        <location filename="../../qml/pLegal.qml" line="+38"/>
        <source>Welcome to NOVA</source>
        <translation>Välkommen till NOVA</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>%1 Setup installs the software your headset needs and checks that your computer is ready for it.</source>
        <translation>%1 Setup installerar den programvara som headsetet behöver och kontrollerar att datorn är redo för den.</translation>
    </message>
    <message>
        <location line="+37"/>
        <source>I have read and accept the KELT &lt;a href=&quot;%1&quot;&gt;EULA&lt;/a&gt;, &lt;a href=&quot;%2&quot;&gt;terms of use&lt;/a&gt; and &lt;a href=&quot;%3&quot;&gt;privacy policy&lt;/a&gt;.</source>
        <translation>Jag har läst och godkänner KELTs &lt;a href=&quot;%1&quot;&gt;EULA&lt;/a&gt;, &lt;a href=&quot;%2&quot;&gt;användarvillkor&lt;/a&gt; och &lt;a href=&quot;%3&quot;&gt;integritetspolicy&lt;/a&gt;.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>GET STARTED</source>
        <translation>KOM IGÅNG</translation>
    </message>
</context>
<context>
    <name>pSignin</name>
    <message>
        <location filename="../../qml/pSignin.qml" line="+7"/>
        <source>Sign in or sign up for a Steam account</source>
        <translation>Logga in eller skapa ett Steam-konto</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Steam opens its sign-in window during the installation. Sign in, or create a free account, so that SteamVR can finish installing.</source>
        <translation>Steam öppnar sitt inloggningsfönster under installationen. Logga in eller skapa ett kostnadsfritt konto så att SteamVR kan installeras färdigt.</translation>
    </message>
</context>
<context>
    <name>pSw01</name>
    <message>
        <location filename="../../qml/pSw01.qml" line="+7"/>
        <source>Install the NOVA software</source>
        <translation>Installera NOVA-programvaran</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Setup downloads and installs the NOVA software suite and SteamVR. Depending on your connection, this can take a while.</source>
        <translation>Installationsprogrammet laddar ned och installerar NOVA-programsviten och SteamVR. Beroende på anslutningen kan det ta en stund.</translation>
    </message>
</context>
</TS>
