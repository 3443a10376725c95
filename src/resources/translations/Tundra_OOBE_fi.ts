<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fi_FI">
<context>
    <name>AnimDialog</name>
    <message>
        <location filename="../../qml/AnimDialog.qml" line="+8"/>
        <source>Please wait...</source>
        <translation>Odota…</translation>
    </message>
</context>
<context>
    <name>CPageManager</name>
    <message>
        <location filename="../../wizard/PageDialogCatalogue.cpp" line="+14"/>
        <source>QUIT SETUP</source>
        <translation>LOPETA ASENNUS</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>QUIT SETUP&lt;span id=&quot;downloader-00&quot;&gt;&lt;/span&gt;</source>
        <translation>LOPETA ASENNUS&lt;span id=&quot;downloader-00&quot;&gt;&lt;/span&gt;</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>TRY AGAIN</source>
        <translation>YRITÄ UUDELLEEN</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Sign in as an administrator</source>
        <translation>Kirjaudu sisään järjestelmänvalvojana</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>You don&apos;t have necessary permissions to install software on this computer. Sign in as an administrator to continue with NOVA Tundra Setup.</source>
        <translation>Sinulla ei ole tarvittavia oikeuksia ohjelmistojen asentamiseen tähän tietokoneeseen. Jatka NOVA Tundra Setup -ohjelman käyttöä kirjautumalla sisään järjestelmänvalvojana.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Unsupported region</source>
        <translation>Aluetta ei tueta</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>This version of NOVA Tundra Setup is not supported in your region. Please download your region&apos;s version at </source>
        <translation>Tätä NOVA Tundra Setup -ohjelman versiota ei tueta alueellasi. Lataa alueesi versio osoitteesta </translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Compatibility mode</source>
        <translation>Yhteensopivuustila</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>NOVA Tundra Setup can&apos;t run under compatibility mode, so we&apos;ve disabled compatibility mode for it. Close and relaunch NOVA Tundra Setup to continue.</source>
        <translation>NOVA Tundra Setup -ohjelmaa ei voi suorittaa yhteensopivuustilassa, joten poistimme yhteensopivuustilan siltä käytöstä. Jatka sulkemalla NOVA Tundra Setup -ohjelma ja käynnistämällä se uudelleen.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Cancel setup?</source>
        <translation>Peruutetaanko asennus?</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>.Net framework is still installing. After installation, you could need to &lt;br&gt;restart PC and re-launch NOVA Tundra Setup manually.</source>
        <translation>.NET Frameworkin asennus on vielä kesken. Asennuksen jälkeen saatat joutua &lt;br&gt;käynnistämään tietokoneen uudelleen ja avaamaan NOVA Tundra Setup -ohjelman uudelleen manuaalisesti.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>CANCEL</source>
        <translation>PERUUTA</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Terms and conditions</source>
        <translation>Käyttöehdot</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>To continue setup, accept the terms and conditions.</source>
        <translation>Jatka asennusta hyväksymällä käyttöehdot.</translation>
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
        <translation>Ladataanko ajuri?</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>NOVA Tundra Setup will close. After updating your graphics card driver, reopen it from the desktop.</source>
        <translation>NOVA Tundra Setup -ohjelma suljetaan. Kun olet päivittänyt näytönohjaimen ajurin, avaa ohjelma uudelleen työpöydältä.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>CANCEL&lt;span id=&quot;driver-00&quot;&gt;&lt;/span&gt;</source>
        <translation>PERUUTA&lt;span id=&quot;driver-00&quot;&gt;&lt;/span&gt;</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>DOWNLOAD&lt;span id=&quot;driver-01&quot;&gt;&lt;/span&gt;</source>
        <translation>LATAA&lt;span id=&quot;driver-01&quot;&gt;&lt;/span&gt;</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cancel installation?</source>
        <translation>Peruutetaanko asennus?</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>NOVA Tundra Setup will quit if you choose to cancel software installation.</source>
        <translation>NOVA Tundra Setup -ohjelma suljetaan, jos peruutat ohjelmistojen asennuksen.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>CANCEL SETUP</source>
        <translation>PERUUTA ASENNUS</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>BACK</source>
        <translation>TAKAISIN</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Something went wrong</source>
        <translation>Jokin meni vikaan</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Please try to sign in to KELT | NOVA Account again.</source>
        <translation>Yritä kirjautua uudelleen KELT | NOVA Account -palveluun.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Warning</source>
        <translation>Varoitus</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The specified path is not available or do not have enough space.</source>
        <translation>Määritetty polku ei ole käytettävissä, tai siinä ei ole tarpeeksi tilaa.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Sign in to KELT | NOVA Account</source>
        <translation>Kirjaudu KELT | NOVA Account -palveluun</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>To download and install the NOVA software suite, sign in to KELT | NOVA Account.</source>
        <translation>Kirjaudu KELT | NOVA Account -palveluun, jotta voit ladata ja asentaa NOVA-ohjelmistopaketin.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>SIGN IN</source>
        <translation>KIRJAUDU</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Couldn&apos;t connect to NOVA server</source>
        <translation>Yhteyttä NOVA-palvelimeen ei saatu</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Something went wrong while trying to connect with the NOVA server.</source>
        <translation>Jokin meni vikaan yhdistettäessä NOVA-palvelimeen.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>QUIT SETUP&lt;span id=&quot;downloader-24&quot;&gt;&lt;/span&gt;</source>
        <translation>LOPETA ASENNUS&lt;span id=&quot;downloader-24&quot;&gt;&lt;/span&gt;</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>TRY AGAIN&lt;span id=&quot;downloader-25&quot;&gt;&lt;/span&gt;</source>
        <translation>YRITÄ UUDELLEEN&lt;span id=&quot;downloader-25&quot;&gt;&lt;/span&gt;</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Couldn&apos;t download SteamVR&lt;span id=&quot;downloader-16&quot;&gt;&lt;/span&gt;</source>
        <translation>SteamVR:n lataaminen epäonnistui&lt;span id=&quot;downloader-16&quot;&gt;&lt;/span&gt;</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Something went wrong while downloading SteamVR. Please try again.</source>
        <translation>Jokin meni vikaan SteamVR:n latauksessa. Yritä uudelleen.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>QUIT SETUP&lt;span id=&quot;downloader-17&quot;&gt;&lt;/span&gt;</source>
        <translation>LOPETA ASENNUS&lt;span id=&quot;downloader-17&quot;&gt;&lt;/span&gt;</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>TRY AGAIN&lt;span id=&quot;downloader-18&quot;&gt;&lt;/span&gt;</source>
        <translation>YRITÄ UUDELLEEN&lt;span id=&quot;downloader-18&quot;&gt;&lt;/span&gt;</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Close SteamVR to continue</source>
        <translation>Jatka sulkemalla SteamVR</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>NOVA Tundra Setup installs the latest version of SteamVR. To continue software installation, close SteamVR.</source>
        <translation>NOVA Tundra Setup -ohjelma asentaa SteamVR:n uusimman version. Jatka ohjelmistojen asennusta sulkemalla SteamVR.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Reopen NOVA Tundra Setup</source>
        <translation>Avaa NOVA Tundra Setup -ohjelma uudelleen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Something went wrong while trying to stop SteamVR.</source>
        <translation>Jokin meni vikaan SteamVR:n pysäyttämisessä.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Just a sec...</source>
        <translation>Hetkinen…</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>It&apos;ll just be a moment while the NOVA software finishes downloading. (&lt;b&gt;%1%&lt;/b&gt;)</source>
        <translation>Hetkinen, NOVA-ohjelmiston lataus valmistuu pian. (&lt;b&gt;%1&#xa0;%&lt;/b&gt;)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Please wait</source>
        <translation>Odota</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The NOVA desktop app is still downloading. Please wait. (&lt;b&gt;%1%&lt;/b&gt;)</source>
        <translation>NOVA-työpöytäsovellusta ladataan vielä. Odota. (&lt;b&gt;%1&#xa0;%&lt;/b&gt;)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>CONTINUE</source>
        <translation>JATKA</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Quit NOVA Tundra Setup?</source>
        <translation>Suljetaanko NOVA Tundra Setup -ohjelma?</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Installation is not complete. You may run NOVA Tundra Setup to complete the installation later.</source>
        <translation>Asennus ei ole valmis. Voit viimeistellä asennuksen myöhemmin suorittamalla NOVA Tundra Setup -ohjelman.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>QUIT SETUP&lt;span id=&quot;common-01&quot;&gt;&lt;/span&gt;</source>
        <translation>LOPETA ASENNUS&lt;span id=&quot;common-01&quot;&gt;&lt;/span&gt;</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>BACK&lt;span id=&quot;common-02&quot;&gt;&lt;/span&gt;</source>
        <translation>TAKAISIN&lt;span id=&quot;common-02&quot;&gt;&lt;/span&gt;</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Quit NOVAPORT Setup?</source>
        <translation>Suljetaanko NOVAPORT Setup -ohjelma?</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Installation is not complete. You may run NOVAPORT Setup to complete the installation later.</source>
        <translation>Asennus ei ole valmis. Voit viimeistellä asennuksen myöhemmin suorittamalla NOVAPORT Setup -ohjelman.</translation>
    </message>
    <message>
        <location filename="../../wizard/PageList.cpp" line="-11"/>
        <source>NEXT</source>
        <translation>SEURAAVA</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>INSTALL</source>
        <translation>ASENNA</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>I UNDERSTAND</source>
        <translation>YMMÄRRÄN</translation>
    </message>
</context>
<context>
    <name>CheckResult</name>
    <message>
        <location filename="../../qml/CheckResult.qml" line="+19"/>
        <source>Meets the requirements</source>
        <translation>Täyttää vaatimukset</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Could not be checked</source>
        <translation>Tarkistus ei onnistunut</translation>
    </message>
</context>
<context>
    <name>ContentAboutQT</name>
    <message>
        <location filename="../../qml/ContentAboutQT.qml" line="+16"/>
        <source>About Qt</source>
        <translation>Tietoja Qt:stä</translation>
    </message>
    <message>
        <location line="+32"/>
        <source>This program uses the Qt libraries, version 5.15, under the GNU Lesser General Public License version 3. See &lt;a href=&quot;%1&quot;&gt;qt.io/licensing&lt;/a&gt; for the license and the source code.</source>
        <translation>Tämä ohjelma käyttää Qt-kirjastoja (versio 5.15) GNU Lesser General Public License -lisenssin version 3 mukaisesti. Lisenssi ja lähdekoodi ovat osoitteessa &lt;a href=&quot;%1&quot;&gt;qt.io/licensing&lt;/a&gt;.</translation>
    </message>
</context>
<context>
    <name>DialogManager</name>
    <message>
        <location filename="../../wizard/DialogCatalogue.cpp" line="+15"/>
        <source>QUIT SETUP</source>
        <translation>LOPETA ASENNUS</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>TRY AGAIN</source>
        <translation>YRITÄ UUDELLEEN</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>BACK</source>
        <translation>TAKAISIN</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>CANCEL</source>
        <translation>PERUUTA</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>CONTINUE</source>
        <translation>JATKA</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>RETRY</source>
        <translation>YRITÄ UUDELLEEN</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Warning</source>
        <translation>Varoitus</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Installation failed</source>
        <translation>Asennus epäonnistui</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Are you sure you want to skip?</source>
        <translation>Haluatko varmasti ohittaa tämän vaiheen?</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>SKIP ANYWAY</source>
        <translation>OHITA SILTI</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Please wait</source>
        <translation>Odota</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>CONTINUE ANYWAY</source>
        <translation>JATKA SILTI</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>QUIT</source>
        <translation>LOPETA</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Quit %1 Setup?</source>
        <translation>Suljetaanko %1 Setup -ohjelma?</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Couldn&apos;t install Steam</source>
        <translation>Steamin asentaminen epäonnistui</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 is already running</source>
        <translation>%1 on jo käynnissä</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Another instance of %1 Setup is already running. Would you like to close this one or force to resume?</source>
        <translation>Toinen %1 Setup -ohjelman esiintymä on jo käynnissä. Haluatko sulkea tämän esiintymän vai pakottaa sen jatkamaan?</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>FORCE TO RESUME</source>
        <translation>PAKOTA JATKAMAAN</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Updating NOVA desktop app...</source>
        <translation>Päivitetään NOVA-työpöytäsovellusta…</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The NOVA desktop app is being updated. Please wait until the update has been installed before running %1 Setup.</source>
        <translation>NOVA-työpöytäsovellusta päivitetään. Odota, kunnes päivitys on asennettu, ennen kuin suoritat %1 Setup -ohjelman.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Unsupported region</source>
        <translation>Aluetta ei tueta</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>This version of %1 Setup is not supported in your region. Please download your region&apos;s version at </source>
        <translation>Tätä %1 Setup -ohjelman versiota ei tueta alueellasi. Lataa alueesi versio osoitteesta </translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Installation is not complete. You may run %1 Setup to complete the installation later.</source>
        <translation>Asennus ei ole valmis. Voit viimeistellä asennuksen myöhemmin suorittamalla %1 Setup -ohjelman.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Software installation is in progress. Closing %1 Setup will also stop ongoing installation process. You&apos;ll need to run %1 Setup again.</source>
        <translation>Ohjelmistojen asennus on käynnissä. Jos suljet %1 Setup -ohjelman, myös käynnissä oleva asennus keskeytyy. Sinun on tällöin suoritettava %1 Setup -ohjelma uudelleen.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Invalid installation folder</source>
        <translation>Virheellinen asennuskansio</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Please avoid special non-English characters as installation path. It may cause content compatibility issues.</source>
        <translation>Vältä asennuspolussa erikoismerkkejä ja englannin aakkoston ulkopuolisia kirjaimia (kuten ä, ö ja å). Ne voivat aiheuttaa sisällön yhteensopivuusongelmia.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Couldn&apos;t install NOVA software</source>
        <translation>NOVA-ohjelmiston asentaminen epäonnistui</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Make sure that you have sufficient permissions to install on the selected folder.</source>
        <translation>Varmista, että sinulla on riittävät oikeudet asentaa valittuun kansioon.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Couldn&apos;t download NOVA software</source>
        <translation>NOVA-ohjelmiston lataaminen epäonnistui</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Something went wrong while downloading NOVA software.</source>
        <translation>Jokin meni vikaan NOVA-ohjelmiston latauksessa.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Close Steam</source>
        <translation>Sulje Steam</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Confirm that you&apos;ve closed the Steam client, and then click &quot;Continue&quot;.</source>
        <translation>Varmista, että olet sulkenut Steam-asiakasohjelman, ja valitse sitten ”Jatka”.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Something went wrong while trying to open Steam.</source>
        <translation>Jokin meni vikaan Steamin avaamisessa.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Something went wrong while installing Steam.</source>
        <translation>Jokin meni vikaan Steamin asennuksessa.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>CLOSE SETUP</source>
        <translation>SULJE ASENNUS</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Please close your SteamVR and press &quot;Continue&quot;.</source>
        <translation>Sulje SteamVR ja valitse ”Jatka”.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Couldn&apos;t download SteamVR</source>
        <translation>SteamVR:n lataaminen epäonnistui</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Something went wrong while downloading SteamVR.</source>
        <translation>Jokin meni vikaan SteamVR:n latauksessa.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Openvr driver register fail.</source>
        <translation>OpenVR-ajurin rekisteröinti epäonnistui.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Zeph runtime register fail.</source>
        <translation>Zeph-ajonaikaisen ympäristön rekisteröinti epäonnistui.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Both openvr driver and zeph runtime register fail.</source>
        <translation>Sekä OpenVR-ajurin että Zeph-ajonaikaisen ympäristön rekisteröinti epäonnistui.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Restart required</source>
        <translation>Uudelleenkäynnistys vaaditaan</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Your computer needs to be restarted to finish the installation.</source>
        <translation>Tietokone on käynnistettävä uudelleen asennuksen viimeistelemiseksi.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>RESTART LATER</source>
        <translation>MYÖHEMMIN</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>RESTART NOW</source>
        <translation>KÄYNNISTÄ UUDELLEEN NYT</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>An error occurred during installation, please try again. If the error persists, go to %1FAQ%2 to check for possible solutions.</source>
        <translation>Asennuksen aikana tapahtui virhe. Yritä uudelleen. Jos virhe toistuu, katso mahdollisia ratkaisuja %1UKK%2-sivulta.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Another installation is in progress. Wait a few minutes and try again. If the problem persists, go to %1FAQ%2 to check for possible solutions.</source>
        <translation>Toinen asennus on käynnissä. Odota muutama minuutti ja yritä uudelleen. Jos ongelma jatkuu, katso mahdollisia ratkaisuja %1UKK%2-sivulta.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>An error occurred during installation. Go to %1FAQ%2 to check for possible solutions.</source>
        <translation>Asennuksen aikana tapahtui virhe. Katso mahdollisia ratkaisuja %1UKK%2-sivulta.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Terms and conditions</source>
        <translation>Käyttöehdot</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>To continue, accept the KELT EULA, terms of use, and privacy policy by selecting the check box.</source>
        <translation>Jatka valitsemalla valintaruutu. Näin hyväksyt KELTin EULA-sopimuksen, käyttöehdot ja tietosuojakäytännön.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Computer update recommended</source>
        <translation>Tietokoneen päivittämistä suositellaan</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Your computer may not work well with NOVA. For the best experience, update your system before installing NOVA.</source>
        <translation>Tietokoneesi ei ehkä toimi hyvin NOVAn kanssa. Parhaan käyttökokemuksen saat, kun päivität järjestelmän ennen NOVAn asentamista.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Cancel setup?</source>
        <translation>Peruutetaanko asennus?</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>.NET framework is still installing. After the installation, restart your computer and relaunch %1 Setup manually.</source>
        <translation>.NET Frameworkin asennus on vielä kesken. Käynnistä tietokone asennuksen jälkeen uudelleen ja avaa %1 Setup -ohjelma uudelleen manuaalisesti.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Driver update required</source>
        <translation>Ajurin päivitys vaaditaan</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Your computer may not work well with NOVA. Update your graphics card driver before installing NOVA.</source>
        <translation>Tietokoneesi ei ehkä toimi hyvin NOVAn kanssa. Päivitä näytönohjaimen ajuri ennen NOVAn asentamista.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Exit setup and update driver</source>
        <translation>Lopeta asennus ja päivitä ajuri</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 Setup will now close and open your web browser to the driver update page. After updating the driver, run %1 Setup again by double-clicking its shortcut on the computer desktop.</source>
        <translation>%1 Setup -ohjelma suljetaan nyt, ja ajurin päivityssivu avautuu verkkoselaimeen. Kun olet päivittänyt ajurin, suorita %1 Setup -ohjelma uudelleen kaksoisnapsauttamalla sen pikakuvaketta työpöydällä.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The USB / %1 connection is not yet detected. You can return to this screen later to confirm the connection status.</source>
        <translation>USB-/%1-yhteyttä ei ole vielä havaittu. Voit palata tähän näkymään myöhemmin tarkistamaan yhteyden tilan.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The headset has a dual front cameras that lets you see through or interact with the actual environment outside of VR. For the best experience, you need to connect using USB 3.0 port or higher.</source>
        <translation>Laseissa on kaksi etukameraa, joiden avulla voit nähdä todellisen ympäristösi VR:n ulkopuolella ja olla vuorovaikutuksessa sen kanssa. Parhaan käyttökokemuksen saat liittämällä lasit USB 3.0 -porttiin tai uudempaan.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>To troubleshoot USB connection issues, try the following:&lt;ul&gt;&lt;li&gt;Open Windows Device Manager and check that no USB devices are still installing. USB driver installation may take about 5-10 minutes.&lt;/li&gt;&lt;li&gt;Unplug the headset&apos;s USB cable from the computer, wait a few seconds, and plug it in again.&lt;/li&gt;&lt;li&gt;Connect the USB cable to another USB 3.0 port, preferably one on the back of the computer.&lt;/li&gt;&lt;li&gt;If you use a USB hub or an extension cable, connect the headset directly to the computer.&lt;/li&gt;&lt;/ul&gt;</source>
        <translation>Kokeile seuraavia keinoja USB-yhteyden ongelmien ratkaisemiseksi:&lt;ul&gt;&lt;li&gt;Avaa Windowsin Laitehallinta ja tarkista, ettei minkään USB-laitteen asennus ole enää kesken. USB-ajurien asentaminen voi kestää noin 5–10 minuuttia.&lt;/li&gt;&lt;li&gt;Irrota lasien USB-kaapeli tietokoneesta, odota muutama sekunti ja liitä kaapeli uudelleen.&lt;/li&gt;&lt;li&gt;Liitä USB-kaapeli toiseen USB 3.0 -porttiin, mieluiten tietokoneen takapaneelissa olevaan.&lt;/li&gt;&lt;li&gt;Jos käytät USB-keskitintä tai jatkokaapelia, liitä lasit suoraan tietokoneeseen.&lt;/li&gt;&lt;/ul&gt;</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>HMD is not ready and will not work appropriately later.</source>
        <translation>Lasit eivät ole valmiina eivätkä toimi myöhemmin oikein.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Oops...</source>
        <translation>Hups…</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Something went wrong when downloading required component.</source>
        <translation>Jokin meni vikaan tarvittavan komponentin latauksessa.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>One or both controllers are not yet detected. You will need the controllers to complete the setup. You can pair the controllers using the NOVA Console if you choose to skip the step.</source>
        <translation>Yhtä tai molempia ohjaimia ei ole vielä havaittu. Tarvitset ohjaimia määrityksen viimeistelyyn. Jos ohitat tämän vaiheen, voit muodostaa ohjaimille pariliitoksen NOVA Console -sovelluksessa.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Left controller is paired.</source>
        <translation>Vasen ohjain on pariliitetty.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Now let&apos;s pair your right controller.</source>
        <translation>Muodostetaan nyt pariliitos oikeaan ohjaimeen.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Right controller paired.</source>
        <translation>Oikea ohjain on pariliitetty.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Your right controller is paired.</source>
        <translation>Oikea ohjaimesi on pariliitetty.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Launching roomsetup...</source>
        <translation>Käynnistetään huoneen määritystä…</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Waiting for HMD ready...</source>
        <translation>Odotetaan, että lasit ovat valmiina…</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Could not find the headset</source>
        <translation>Laseja ei löytynyt</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Please make sure the headset is connected and powered on and try again.</source>
        <translation>Varmista, että lasit on liitetty ja niihin on kytketty virta, ja yritä uudelleen.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Are you sure you want to quit?</source>
        <translation>Haluatko varmasti lopettaa?</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>NOVA won&apos;t work until the room setup is completed. Are you sure you want to quit? You can still resume the room settings in NOVA Console after leaving.</source>
        <translation>NOVA ei toimi, ennen kuin huoneen määritys on valmis. Haluatko varmasti lopettaa? Voit jatkaa huoneen määritystä myöhemmin NOVA Console -sovelluksessa.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Couldn&apos;t launch room setup</source>
        <translation>Huoneen määritystä ei voitu käynnistää</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Room setup could not be launched because steamVR is not installed completely. After installing steamVR, you can still resume the room settings in NOVA Console.</source>
        <translation>Huoneen määritystä ei voitu käynnistää, koska SteamVR:ää ei ole asennettu kokonaan. Kun olet asentanut SteamVR:n, voit jatkaa huoneen määritystä NOVA Console -sovelluksessa.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Quit %1 Hardware Setup Guide?</source>
        <translation>Suljetaanko %1 Hardware Setup Guide -ohjelma?</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>You may run %1 Hardware Setup Guide to set up the hardware later.</source>
        <translation>Voit määrittää laitteiston myöhemmin suorittamalla %1 Hardware Setup Guide -ohjelman.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Quit NOVAPORT Setup?</source>
        <translation>Suljetaanko NOVAPORT Setup -ohjelma?</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Installation is not complete. You may run NOVAPORT Setup to complete the installation later.</source>
        <translation>Asennus ei ole valmis. Voit viimeistellä asennuksen myöhemmin suorittamalla NOVAPORT Setup -ohjelman.</translation>
    </message>
</context>
<context>
    <name>Footer</name>
    <message>
        <location filename="../base/Footer.qml" line="+85"/>
        <source>Help</source>
        <translation>Ohje</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Take screenshots</source>
        <translation>Ota kuvakaappauksia</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>BACK</source>
        <translation>TAKAISIN</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>NEXT</source>
        <translation>SEURAAVA</translation>
    </message>
</context>
<context>
    <name>Header</name>
    <message>
        <location filename="../base/Header.qml" line="+35"/>
        <source>Install software</source>
        <translation>Asenna ohjelmisto</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Get ready</source>
        <translation>Valmistaudu</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Check your PC</source>
        <translation>Tarkista tietokone</translation>
    </message>
    <message>
        <location line="+57"/>
        <source>done</source>
        <translation>valmis</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>current step</source>
        <translation>nykyinen vaihe</translation>
    </message>
    <message>
        <location line="+62"/>
        <source>Minimize</source>
        <translation>Pienennä</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Close</source>
        <translation>Sulje</translation>
    </message>
</context>
<context>
    <name>InstallInfo</name>
    <message>
        <location filename="../../qml/InstallInfo.qml" line="+32"/>
        <source>About %1 min left</source>
        <translation>Noin %1 min jäljellä</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Installation will finish in a few minutes</source>
        <translation>Asennus valmistuu muutamassa minuutissa</translation>
    </message>
</context>
<context>
    <name>InstallManager</name>
    <message>
        <location filename="../../install/flow/InstallManager.cpp" line="+277"/>
        <source>Installing NOVAPORT Desktop App</source>
        <translation>Asennetaan NOVAPORT Desktop App -sovellusta</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Installing %1 Software</source>
        <translation>Asennetaan %1-ohjelmistoa</translation>
    </message>
    <message>
        <location line="+112"/>
        <source>Uninstalling NOVA</source>
        <translation>Poistetaan NOVAn asennusta</translation>
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
        <translation>Asennetaan %1</translation>
    </message>
    <message>
        <location line="+73"/>
        <source>Finished</source>
        <translation>Valmis</translation>
    </message>
    <message>
        <location line="+175"/>
        <source>NOVAPORT Desktop App</source>
        <translation>NOVAPORT Desktop App</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>%1 Software</source>
        <translation>%1-ohjelmisto</translation>
    </message>
    <message>
        <location filename="../../install/InstallInfo.cpp" line="-5"/>
        <source>%1 MB/s</source>
        <translation>%1 MB/s</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Installing %1 (%2/%3 MB)</source>
        <translation>Asennetaan %1 (%2/%3 MB)</translation>
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
        <translation>Asennetaan %1%2</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Installing %1%2 and %3</source>
        <translation>Asennetaan %1%2 ja %3</translation>
    </message>
</context>
<context>
    <name>LanguageSelector</name>
    <message>
        <location filename="../../qml/LanguageSelector.qml" line="+84"/>
        <source>Language: %1</source>
        <translation>Kieli: %1</translation>
    </message>
    <message>
        <location line="+63"/>
        <source>Languages</source>
        <translation>Kielet</translation>
    </message>
</context>
<context>
    <name>PathManager</name>
    <message>
        <location filename="../../location/PathManager.cpp" line="+321"/>
        <source>Please choose a folder</source>
        <translation>Valitse kansio</translation>
    </message>
</context>
<context>
    <name>Progress</name>
    <message>
        <location filename="../../qml/Progress.qml" line="+79"/>
        <source>Installation progress</source>
        <translation>Asennuksen edistyminen</translation>
    </message>
</context>
<context>
    <name>ReplayBtn</name>
    <message>
        <location filename="../../qml/ReplayBtn.qml" line="+4"/>
        <source>Replay</source>
        <translation>Toista uudelleen</translation>
    </message>
</context>
<context>
    <name>SigninButton</name>
    <message>
        <location filename="../../qml/SigninButton.qml" line="+6"/>
        <source>SIGN IN</source>
        <translation>KIRJAUDU</translation>
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
        <translation>Versio %1</translation>
    </message>
</context>
<context>
    <name>pCheck</name>
    <message>
        <location filename="../../qml/pCheck.qml" line="+30"/>
        <source>Your PC might not be NOVA ready</source>
        <translation>Tietokoneesi ei ehkä ole valmis NOVAa varten</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Some parts of your computer don&apos;t meet what NOVA needs. You can go on, but NOVA may not run well.</source>
        <translation>Jotkin tietokoneesi osat eivät täytä NOVAn vaatimuksia. Voit jatkaa, mutta NOVA ei ehkä toimi kunnolla.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Graphics card</source>
        <translation>Näytönohjain</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Your graphics card may not work well with NOVA.</source>
        <translation>Näytönohjaimesi ei ehkä toimi hyvin NOVAn kanssa.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Processor</source>
        <translation>Suoritin</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Your processor doesn&apos;t match our list of compatible processors.</source>
        <translation>Suorittimesi ei ole yhteensopivien suorittimien luettelossamme.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Memory</source>
        <translation>Muisti</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>We recommended at least %1 GB.</source>
        <translation>Suosittelemme vähintään %1 GB:n muistia.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Operating system</source>
        <translation>Käyttöjärjestelmä</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Windows 7 SP1, Windows 8.1 or above (64-bit) is required.</source>
        <translation>Vaatimuksena on Windows 7 SP1, Windows 8.1 tai uudempi (64-bittinen).</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>We recommended at USB 3.0 or higher.</source>
        <translation>Suosittelemme USB 3.0 -liitäntää tai uudempaa.</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>See NOVA-ready PCs</source>
        <translation>Katso NOVA-yhteensopivat tietokoneet</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Test your PC with SteamVR</source>
        <translation>Testaa tietokoneesi SteamVR:llä</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>QUIT SETUP</source>
        <translation>LOPETA ASENNUS</translation>
    </message>
</context>
<context>
    <name>pComplete</name>
    <message>
        <location filename="../../qml/pComplete.qml" line="+14"/>
        <source>Install completed! Thanks for your waiting.</source>
        <translation>Asennus on valmis! Kiitos kärsivällisyydestäsi.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The %1 software is ready. Press OK to close setup.</source>
        <translation>%1-ohjelmisto on valmis. Sulje asennusohjelma valitsemalla OK.</translation>
    </message>
</context>
<context>
    <name>pDotNet</name>
    <message>
        <location filename="../../qml/pDotNet.qml" line="+18"/>
        <source>INSTALL REQUIRED SOFTWARE AGAIN</source>
        <translation>ASENNA TARVITTAVA OHJELMISTO UUDELLEEN</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>RESTART COMPUTER</source>
        <translation>KÄYNNISTÄ TIETOKONE UUDELLEEN</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>NEXT</source>
        <translation>SEURAAVA</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>INSTALL</source>
        <translation>ASENNA</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>Install required software</source>
        <translation>Asenna tarvittava ohjelmisto</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>NOVA software needs Microsoft .NET Framework 4.6 or later. Setup downloads and installs it for you.</source>
        <translation>NOVA-ohjelmisto vaatii Microsoft .NET Framework 4.6 -version tai uudemman. Asennusohjelma lataa ja asentaa sen puolestasi.</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Installing .NET Framework. This can take a few minutes.</source>
        <translation>Asennetaan .NET Framework. Tämä voi kestää muutaman minuutin.</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>The installation did not finish. Try again to go on.</source>
        <translation>Asennus ei valmistunut. Jatka yrittämällä uudelleen.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Restart your computer to finish the installation, then open setup again from its desktop shortcut.</source>
        <translation>Viimeistele asennus käynnistämällä tietokone uudelleen ja avaa sitten asennusohjelma uudelleen sen työpöydällä olevasta pikakuvakkeesta.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>.NET Framework is installed.</source>
        <translation>.NET Framework on asennettu.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>QUIT SETUP</source>
        <translation>LOPETA ASENNUS</translation>
    </message>
</context>
<context>
    <name>pDriver</name>
    <message>
        <location filename="../../qml/pDriver.qml" line="+25"/>
        <source>Update your graphics card driver</source>
        <translation>Päivitä näytönohjaimen ajuri</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Your graphics card driver is out of date. For the best experience with NOVA, update it to version %1 or later.</source>
        <translation>Näytönohjaimesi ajuri on vanhentunut. Parhaan NOVA-käyttökokemuksen saat päivittämällä sen versioon %1 tai uudempaan.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Setup closes while you update. Afterwards, open it again with the %1 shortcut on your desktop.</source>
        <translation>Asennusohjelma suljetaan päivityksen ajaksi. Avaa se sen jälkeen uudelleen työpöydän %1 -pikakuvakkeella.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>UPDATE DRIVER</source>
        <translation>PÄIVITÄ AJURI</translation>
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
        <translation>ASENNA</translation>
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
        <translation>Valitse asennuskohde</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>NOVA software will be installed in this folder.</source>
        <translation>NOVA-ohjelmisto asennetaan tähän kansioon.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Steam and SteamVR will be installed in this folder.</source>
        <translation>Steam ja SteamVR asennetaan tähän kansioon.</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>Install folder: %1</source>
        <translation>Asennuskansio: %1</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>CHANGE</source>
        <translation>MUUTA</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Space required: %1</source>
        <translation>Tarvittava tila: %1</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>There isn&apos;t enough free space on this drive. Choose another folder.</source>
        <translation>Tällä asemalla ei ole tarpeeksi vapaata tilaa. Valitse toinen kansio.</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>The software is already installed on this computer.</source>
        <translation>Ohjelmisto on jo asennettu tähän tietokoneeseen.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>SKIP INSTALLATION</source>
        <translation>OHITA ASENNUS</translation>
    </message>
</context>
<context>
    <name>pHealth</name>
    <message>
        <location filename="../../qml/pHealth.qml" line="+15"/>
        <source>I UNDERSTAND</source>
        <translation>YMMÄRRÄN</translation>
    </message>
    <message>
        <location line="+35"/>
        <source>Clear your play area</source>
        <translation>Raivaa pelialue</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Keep the space around you free of obstacles, people and pets.</source>
        <translation>Pidä ympärilläsi oleva tila vapaana esteistä, ihmisistä ja lemmikeistä.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Mind the cable</source>
        <translation>Varo kaapelia</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Watch where the headset cable runs so that you don&apos;t trip over it.</source>
        <translation>Katso, missä lasien kaapeli kulkee, jotta et kompastu siihen.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Wear it right</source>
        <translation>Käytä laseja oikein</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Adjust the head strap until the headset sits firmly and comfortably.</source>
        <translation>Säädä pääremmiä, kunnes lasit istuvat tukevasti ja mukavasti.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Take regular breaks</source>
        <translation>Pidä säännöllisesti taukoja</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Rest for 10 to 15 minutes at least every 30 minutes.</source>
        <translation>Pidä 10–15 minuutin tauko vähintään 30 minuutin välein.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Supervise children</source>
        <translation>Valvo lapsia</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Children should use the headset only with an adult nearby.</source>
        <translation>Lasten tulee käyttää laseja vain aikuisen läsnä ollessa.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Listen to your body</source>
        <translation>Kuuntele kehoasi</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Stop at once if you feel dizzy, sick or uncomfortable.</source>
        <translation>Lopeta heti, jos sinua huimaa, voit pahoin tai olosi on epämukava.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Health and safety</source>
        <translation>Terveys ja turvallisuus</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Read these warnings before you use your headset. They help you enjoy VR safely.</source>
        <translation>Lue nämä varoitukset ennen lasien käyttöä. Niiden avulla voit nauttia VR:stä turvallisesti.</translation>
    </message>
</context>
<context>
    <name>pInstall</name>
    <message>
        <location filename="../../qml/pInstall.qml" line="+12"/>
        <source>Preparing</source>
        <translation>Valmistellaan</translation>
    </message>
    <message>
        <location line="+107"/>
        <source>Sign in or sign up for a Steam account</source>
        <translation>Kirjaudu Steamiin tai luo Steam-tili</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Steam has opened its sign-in window. Sign in, or create a free account, to go on with the installation.</source>
        <translation>Steam on avannut kirjautumisikkunansa. Jatka asennusta kirjautumalla sisään tai luomalla maksuton tili.</translation>
    </message>
    <message>
        <location line="+30"/>
        <source>The download speed is very slow. Please check your network connection</source>
        <translation>Lataus on hyvin hidas. Tarkista verkkoyhteys</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Installation completed</source>
        <translation>Asennus on valmis</translation>
    </message>
</context>
<context>
    <name>pKeltSignin</name>
    <message>
        <location filename="../../qml/pKeltSignin.qml" line="+31"/>
        <location line="+13"/>
        <location line="+18"/>
        <source>SIGN IN</source>
        <translation>KIRJAUDU</translation>
    </message>
    <message>
        <location line="-6"/>
        <source>Sign in to KELT | NOVA Account</source>
        <translation>Kirjaudu KELT | NOVA Account -palveluun</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>To download and install the NOVA software suite, sign in to KELT | NOVA Account.</source>
        <translation>Kirjaudu KELT | NOVA Account -palveluun, jotta voit ladata ja asentaa NOVA-ohjelmistopaketin.</translation>
    </message>
</context>
<context>
    <name>pLegal</name>
    <message>
        <location filename="../../qml/pLegal.qml" line="+38"/>
        <source>Welcome to NOVA</source>
        <translation>Tervetuloa käyttämään NOVAa</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>%1 Setup installs the software your headset needs and checks that your computer is ready for it.</source>
        <translation>%1 Setup -ohjelma asentaa lasiesi tarvitseman ohjelmiston ja tarkistaa, että tietokoneesi on valmis sitä varten.</translation>
    </message>
    <message>
        <location line="+37"/>
        <source>I have read and accept the KELT &lt;a href=&quot;%1&quot;&gt;EULA&lt;/a&gt;, &lt;a href=&quot;%2&quot;&gt;terms of use&lt;/a&gt; and &lt;a href=&quot;%3&quot;&gt;privacy policy&lt;/a&gt;.</source>
        <translation>Olen lukenut KELTin &lt;a href=&quot;%1&quot;&gt;EULA-sopimuksen&lt;/a&gt;, &lt;a href=&quot;%2&quot;&gt;käyttöehdot&lt;/a&gt; ja &lt;a href=&quot;%3&quot;&gt;tietosuojakäytännön&lt;/a&gt; ja hyväksyn ne.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>GET STARTED</source>
        <translation>ALOITA</translation>
    </message>
</context>
<context>
    <name>pSignin</name>
    <message>
        <location filename="../../qml/pSignin.qml" line="+7"/>
        <source>Sign in or sign up for a Steam account</source>
        <translation>Kirjaudu Steamiin tai luo Steam-tili</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Steam opens its sign-in window during the installation. Sign in, or create a free account, so that SteamVR can finish installing.</source>
        <translation>Steam avaa kirjautumisikkunansa asennuksen aikana. Kirjaudu sisään tai luo maksuton tili, jotta SteamVR:n asennus voidaan viimeistellä.</translation>
    </message>
</context>
<context>
    <name>pSw01</name>
    <message>
        <location filename="../../qml/pSw01.qml" line="+7"/>
        <source>Install the NOVA software</source>
        <translation>Asenna NOVA-ohjelmisto</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Setup downloads and installs the NOVA software suite and SteamVR. Depending on your connection, this can take a while.</source>
        <translation>Asennusohjelma lataa ja asentaa NOVA-ohjelmistopaketin ja SteamVR:n. Tämä voi kestää jonkin aikaa yhteydestä riippuen.</translation>
    </message>
</context>
</TS>
