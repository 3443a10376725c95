<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>AnimDialog</name>
    <message>
        <location filename="../../qml/AnimDialog.qml" line="+8"/>
        <source>Please wait...</source>
        <translation>Bitte warten …</translation>
    </message>
</context>
<context>
    <name>ContentAboutQT</name>
    <message>
        <location filename="../../qml/ContentAboutQT.qml" line="+15"/>
        <source>About Qt</source>
        <translation>Über Qt</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>This program uses the Qt libraries, version 5.15, under the GNU Lesser General Public License version 3. See &lt;a href=&quot;%1&quot;&gt;qt.io/licensing&lt;/a&gt; for the license and the source code.</source>
        <translation>Dieses Programm verwendet die Qt-Bibliotheken, Version 5.15, unter der GNU Lesser General Public License Version 3. Lizenz und Quellcode finden Sie unter &lt;a href=&quot;%1&quot;&gt;qt.io/licensing&lt;/a&gt;.</translation>
    </message>
</context>
<context>
    <name>Footer</name>
    <message>
        <location filename="../base/Footer.qml" line="+85"/>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Take screenshots</source>
        <translation>Screenshots aufnehmen</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>BACK</source>
        <translation>ZURÜCK</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>NEXT</source>
        <translation>WEITER</translation>
    </message>
</context>
<context>
    <name>Header</name>
    <message>
        <location filename="../base/Header.qml" line="+35"/>
        <source>Install software</source>
        <translation>Software installieren</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Get ready</source>
        <translation>Vorbereitung</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Check your PC</source>
        <translation>PC prüfen</translation>
    </message>
    <message>
        <location line="+111"/>
        <source>Minimize</source>
        <translation>Minimieren</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>InstallInfo</name>
    <message>
        <location filename="../../qml/InstallInfo.qml" line="+27"/>
        <source>About %1 min left</source>
        <translation>Noch etwa %1 Min.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Installation will finish in a few minutes</source>
        <translation>Die Installation ist in wenigen Minuten abgeschlossen</translation>
    </message>
</context>
<context>
    <name>LanguageSelector</name>
    <message>
        <location filename="../../qml/LanguageSelector.qml" line="+42"/>
        <source>Language: %1</source>
        <translation>Sprache: %1</translation>
    </message>
</context>
<context>
    <name>Progress</name>
    <message>
        <location filename="../../qml/Progress.qml" line="+73"/>
        <source>Installation progress</source>
        <translation>Installationsfortschritt</translation>
    </message>
</context>
<context>
    <name>ReplayBtn</name>
    <message>
        <location filename="../../qml/ReplayBtn.qml" line="+4"/>
        <source>Replay</source>
        <translation>Erneut abspielen</translation>
    </message>
</context>
<context>
    <name>SigninButton</name>
    <message>
        <location filename="../../qml/SigninButton.qml" line="+6"/>
        <source>SIGN IN</source>
        <translation>ANMELDEN</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <location filename="../../qml/main.qml" line="+121"/>
        <location line="+56"/>
        <source>%1 Setup</source>
        <translation>%1 Setup</translation>
    </message>
    <message>
        <location line="+137"/>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
</context>
<context>
    <name>pCheck</name>
    <message>
        <location filename="../../qml/pCheck.qml" line="+30"/>
        <source>Your PC might not be NOVA ready</source>
        <translation>Ihr PC ist möglicherweise nicht NOVA-bereit</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Some parts of your computer don&apos;t meet what NOVA needs. You can go on, but NOVA may not run well.</source>
        <translation>Einige Komponenten Ihres Computers erfüllen die Anforderungen von NOVA nicht. Sie können fortfahren, aber NOVA läuft möglicherweise nicht einwandfrei.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Graphics card</source>
        <translation>Grafikkarte</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Your graphics card may not work well with NOVA.</source>
        <translation>Ihre Grafikkarte funktioniert möglicherweise nicht gut mit NOVA.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Processor</source>
        <translation>Prozessor</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Your processor doesn&apos;t match our list of compatible processors.</source>
        <translation>Ihr Prozessor ist nicht in unserer Liste kompatibler Prozessoren enthalten.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Memory</source>
        <translation>Arbeitsspeicher</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>We recommended at least %1 GB.</source>
        <translation>Wir empfehlen mindestens %1 GB.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Operating system</source>
        <translation>Betriebssystem</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Windows 7 SP1, Windows 8.1 or above (64-bit) is required.</source>
        <translation>Erforderlich ist Windows 7 SP1, Windows 8.1 oder höher (64 Bit).</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>We recommended at USB 3.0 or higher.</source>
        <translation>Wir empfehlen USB 3.0 oder höher.</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>See NOVA-ready PCs</source>
        <translation>NOVA-fähige PCs ansehen</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Test your PC with SteamVR</source>
        <translation>PC mit SteamVR testen</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>QUIT SETUP</source>
        <translation>SETUP BEENDEN</translation>
    </message>
</context>
<context>
    <name>pComplete</name>
    <message>
        <location filename="../../qml/pComplete.qml" line="+14"/>
        <source>Install completed! Thanks for your waiting.</source>
        <translation>Installation abgeschlossen! Danke für Ihre Geduld.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The %1 software is ready. Press OK to close setup.</source>
        <translation>Die %1-Software ist bereit. Klicken Sie auf OK, um das Setup zu schließen.</translation>
    </message>
</context>
<context>
    <name>pDotNet</name>
    <message>
        <location filename="../../qml/pDotNet.qml" line="+18"/>
        <source>INSTALL REQUIRED SOFTWARE AGAIN</source>
        <translation>ERFORDERLICHE SOFTWARE ERNEUT INSTALLIEREN</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>RESTART COMPUTER</source>
        <translation>COMPUTER NEU STARTEN</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>NEXT</source>
        <translation>WEITER</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>INSTALL</source>
        <translation>INSTALLIEREN</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>Install required software</source>
        <translation>Erforderliche Software installieren</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>NOVA software needs Microsoft .NET Framework 4.6 or later. Setup downloads and installs it for you.</source>
        <translation>Die NOVA-Software benötigt Microsoft .NET Framework 4.6 oder höher. Das Setup lädt es für Sie herunter und installiert es.</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Installing .NET Framework. This can take a few minutes.</source>
        <translation>.NET Framework wird installiert. Dies kann einige Minuten dauern.</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>The installation did not finish. Try again to go on.</source>
        <translation>Die Installation wurde nicht abgeschlossen. Versuchen Sie es erneut, um fortzufahren.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Restart your computer to finish the installation, then open setup again from its desktop shortcut.</source>
        <translation>Starten Sie Ihren Computer neu, um die Installation abzuschließen, und öffnen Sie das Setup dann erneut über die Verknüpfung auf dem Desktop.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>.NET Framework is installed.</source>
        <translation>.NET Framework ist installiert.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>QUIT SETUP</source>
        <translation>SETUP BEENDEN</translation>
    </message>
</context>
<context>
    <name>pDriver</name>
    <message>
        <location filename="../../qml/pDriver.qml" line="+25"/>
        <source>Update your graphics card driver</source>
        <translation>Grafikkartentreiber aktualisieren</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Your graphics card driver is out of date. For the best experience with NOVA, update it to version %1 or later.</source>
        <translation>Ihr Grafikkartentreiber ist veraltet. Für das beste Erlebnis mit NOVA aktualisieren Sie ihn auf Version %1 oder höher.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Setup closes while you update. Afterwards, open it again with the %1 shortcut on your desktop.</source>
        <translation>Das Setup wird während der Aktualisierung geschlossen. Öffnen Sie es danach erneut über die Verknüpfung %1 auf Ihrem Desktop.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>UPDATE DRIVER</source>
        <translation>TREIBER AKTUALISIEREN</translation>
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
        <translation>INSTALLIEREN</translation>
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
        <translation>Installationsort wählen</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>NOVA software will be installed in this folder.</source>
        <translation>Die NOVA-Software wird in diesem Ordner installiert.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Steam and SteamVR will be installed in this folder.</source>
        <translation>Steam und SteamVR werden in diesem Ordner installiert.</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>Install folder: %1</source>
        <translation>Installationsordner: %1</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>CHANGE</source>
        <translation>ÄNDERN</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Space required: %1</source>
        <translation>Benötigter Speicherplatz: %1</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>There isn&apos;t enough free space on this drive. Choose another folder.</source>
        <translation>Auf diesem Laufwerk ist nicht genügend Speicherplatz frei. Wählen Sie einen anderen Ordner.</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>The software is already installed on this computer.</source>
        <translation>Die Software ist auf diesem Computer bereits installiert.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>SKIP INSTALLATION</source>
        <translation>INSTALLATION ÜBERSPRINGEN</translation>
    </message>
</context>
<context>
    <name>pHealth</name>
    <message>
        <location filename="../../qml/pHealth.qml" line="+15"/>
        <source>I UNDERSTAND</source>
        <translation>VERSTANDEN</translation>
    </message>
    <message>
        <location line="+35"/>
        <source>Clear your play area</source>
        <translation>Spielbereich freiräumen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Keep the space around you free of obstacles, people and pets.</source>
        <translation>Halten Sie den Bereich um sich herum frei von Hindernissen, Personen und Haustieren.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Mind the cable</source>
        <translation>Auf das Kabel achten</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Watch where the headset cable runs so that you don&apos;t trip over it.</source>
        <translation>Achten Sie auf den Verlauf des Headset-Kabels, damit Sie nicht darüber stolpern.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Wear it right</source>
        <translation>Richtig aufsetzen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Adjust the head strap until the headset sits firmly and comfortably.</source>
        <translation>Stellen Sie das Kopfband so ein, dass das Headset fest und bequem sitzt.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Take regular breaks</source>
        <translation>Regelmäßig Pausen machen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Rest for 10 to 15 minutes at least every 30 minutes.</source>
        <translation>Legen Sie mindestens alle 30 Minuten eine Pause von 10 bis 15 Minuten ein.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Supervise children</source>
        <translation>Kinder beaufsichtigen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Children should use the headset only with an adult nearby.</source>
        <translation>Kinder sollten das Headset nur in Anwesenheit eines Erwachsenen verwenden.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Listen to your body</source>
        <translation>Auf den Körper hören</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Stop at once if you feel dizzy, sick or uncomfortable.</source>
        <translation>Hören Sie sofort auf, wenn Ihnen schwindelig oder übel wird oder Sie sich unwohl fühlen.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Health and safety</source>
        <translation>Gesundheit und Sicherheit</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Read these warnings before you use your headset. They help you enjoy VR safely.</source>
        <translation>Lesen Sie diese Warnhinweise, bevor Sie Ihr Headset verwenden. Sie helfen Ihnen, VR sicher zu genießen.</translation>
    </message>
</context>
<context>
    <name>pInstall</name>
    <message>
        <location filename="../../qml/pInstall.qml" line="+12"/>
        <source>Preparing</source>
        <translation>Vorbereitung</translation>
    </message>
    <message>
        <location line="+101"/>
        <source>Sign in or sign up for a Steam account</source>
        <translation>Bei Steam anmelden oder registrieren</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Steam has opened its sign-in window. Sign in, or create a free account, to go on with the installation.</source>
        <translation>Steam hat sein Anmeldefenster geöffnet. Melden Sie sich an oder erstellen Sie ein kostenloses Konto, um mit der Installation fortzufahren.</translation>
    </message>
    <message>
        <location line="+30"/>
        <source>The download speed is very slow. Please check your network connection</source>
        <translation>Die Downloadgeschwindigkeit ist sehr gering. Bitte überprüfen Sie Ihre Netzwerkverbindung</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Installation completed</source>
        <translation>Installation abgeschlossen</translation>
    </message>
</context>
<context>
    <name>pKeltSignin</name>
    <message>
        <location filename="../../qml/pKeltSignin.qml" line="+30"/>
        <location line="+13"/>
        <location line="+18"/>
        <source>SIGN IN</source>
        <translation>ANMELDEN</translation>
    </message>
    <message>
        <location line="-6"/>
        <source>Sign in to KELT | NOVA Account</source>
        <translation>Bei KELT | NOVA Account anmelden</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>To download and install the NOVA software suite, sign in to KELT | NOVA Account.</source>
        <translation>Melden Sie sich bei KELT | NOVA Account an, um die NOVA-Software-Suite herunterzuladen und zu installieren.</translation>
    </message>
</context>
<context>
    <name>pLegal</name>
    <message>
        <location filename="../../qml/pLegal.qml" line="+36"/>
        <source>Welcome to NOVA</source>
        <translation>Willkommen bei NOVA</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>%1 Setup installs the software your headset needs and checks that your computer is ready for it.</source>
        <translation>Das %1 Setup installiert die Software, die Ihr Headset benötigt, und prüft, ob Ihr Computer dafür bereit ist.</translation>
    </message>
    <message>
        <location line="+31"/>
        <source>I have read and accept the KELT &lt;a href=&quot;%1&quot;&gt;EULA&lt;/a&gt;, &lt;a href=&quot;%2&quot;&gt;terms of use&lt;/a&gt; and &lt;a href=&quot;%3&quot;&gt;privacy policy&lt;/a&gt;.</source>
        <translation>Ich habe die &lt;a href=&quot;%1&quot;&gt;EULA&lt;/a&gt;, die &lt;a href=&quot;%2&quot;&gt;Nutzungsbedingungen&lt;/a&gt; und die &lt;a href=&quot;%3&quot;&gt;Datenschutzrichtlinie&lt;/a&gt; von KELT gelesen und akzeptiere sie.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>GET STARTED</source>
        <translation>LOS GEHT&apos;S</translation>
    </message>
</context>
<context>
    <name>pSignin</name>
    <message>
        <location filename="../../qml/pSignin.qml" line="+7"/>
        <source>Sign in or sign up for a Steam account</source>
        <translation>Bei Steam anmelden oder registrieren</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Steam opens its sign-in window during the installation. Sign in, or create a free account, so that SteamVR can finish installing.</source>
        <translation>Während der Installation öffnet Steam sein Anmeldefenster. Melden Sie sich an oder erstellen Sie ein kostenloses Konto, damit SteamVR fertig installiert werden kann.</translation>
    </message>
</context>
<context>
    <name>pSw01</name>
    <message>
        <location filename="../../qml/pSw01.qml" line="+7"/>
        <source>Install the NOVA software</source>
        <translation>NOVA-Software installieren</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Setup downloads and installs the NOVA software suite and SteamVR. Depending on your connection, this can take a while.</source>
        <translation>Das Setup lädt die NOVA-Software-Suite und SteamVR herunter und installiert sie. Je nach Verbindung kann dies eine Weile dauern.</translation>
    </message>
</context>
</TS>
