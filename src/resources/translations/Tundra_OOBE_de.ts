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
    <name>CPageManager</name>
    <message>
        <location filename="../../wizard/PageDialogCatalogue.cpp" line="+14"/>
        <source>QUIT SETUP</source>
        <translation>SETUP BEENDEN</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>QUIT SETUP&lt;span id=&quot;downloader-00&quot;&gt;&lt;/span&gt;</source>
        <translation>SETUP BEENDEN&lt;span id=&quot;downloader-00&quot;&gt;&lt;/span&gt;</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>TRY AGAIN</source>
        <translation>ERNEUT VERSUCHEN</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Sign in as an administrator</source>
        <translation>Als Administrator anmelden</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>You don&apos;t have necessary permissions to install software on this computer. Sign in as an administrator to continue with NOVA Tundra Setup.</source>
        <translation>Sie haben nicht die nötigen Berechtigungen, um auf diesem Computer Software zu installieren. Melden Sie sich als Administrator an, um mit NOVA Tundra Setup fortzufahren.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Unsupported region</source>
        <translation>Nicht unterstützte Region</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>This version of NOVA Tundra Setup is not supported in your region. Please download your region&apos;s version at </source>
        <translation>Diese Version von NOVA Tundra Setup wird in Ihrer Region nicht unterstützt. Bitte laden Sie die Version für Ihre Region herunter unter </translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Compatibility mode</source>
        <translation>Kompatibilitätsmodus</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>NOVA Tundra Setup can&apos;t run under compatibility mode, so we&apos;ve disabled compatibility mode for it. Close and relaunch NOVA Tundra Setup to continue.</source>
        <translation>NOVA Tundra Setup kann nicht im Kompatibilitätsmodus ausgeführt werden, deshalb haben wir den Kompatibilitätsmodus dafür deaktiviert. Schließen Sie NOVA Tundra Setup und starten Sie es erneut, um fortzufahren.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Cancel setup?</source>
        <translation>Setup abbrechen?</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>.Net framework is still installing. After installation, you could need to &lt;br&gt;restart PC and re-launch NOVA Tundra Setup manually.</source>
        <translation>.NET Framework wird noch installiert. Nach der Installation müssen Sie möglicherweise &lt;br&gt;den PC neu starten und NOVA Tundra Setup manuell erneut öffnen.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>CANCEL</source>
        <translation>ABBRECHEN</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Terms and conditions</source>
        <translation>Geschäftsbedingungen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>To continue setup, accept the terms and conditions.</source>
        <translation>Akzeptieren Sie die Geschäftsbedingungen, um mit dem Setup fortzufahren.</translation>
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
        <translation>Treiber herunterladen?</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>NOVA Tundra Setup will close. After updating your graphics card driver, reopen it from the desktop.</source>
        <translation>NOVA Tundra Setup wird geschlossen. Öffnen Sie es nach der Aktualisierung Ihres Grafikkartentreibers erneut über den Desktop.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>CANCEL&lt;span id=&quot;driver-00&quot;&gt;&lt;/span&gt;</source>
        <translation>ABBRECHEN&lt;span id=&quot;driver-00&quot;&gt;&lt;/span&gt;</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>DOWNLOAD&lt;span id=&quot;driver-01&quot;&gt;&lt;/span&gt;</source>
        <translation>HERUNTERLADEN&lt;span id=&quot;driver-01&quot;&gt;&lt;/span&gt;</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cancel installation?</source>
        <translation>Installation abbrechen?</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>NOVA Tundra Setup will quit if you choose to cancel software installation.</source>
        <translation>NOVA Tundra Setup wird beendet, wenn Sie die Softwareinstallation abbrechen.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>CANCEL SETUP</source>
        <translation>SETUP ABBRECHEN</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>BACK</source>
        <translation>ZURÜCK</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Something went wrong</source>
        <translation>Etwas ist schiefgelaufen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Please try to sign in to KELT | NOVA Account again.</source>
        <translation>Bitte melden Sie sich erneut bei KELT | NOVA Account an.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The specified path is not available or do not have enough space.</source>
        <translation>Der angegebene Pfad ist nicht verfügbar oder hat nicht genügend freien Speicherplatz.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Sign in to KELT | NOVA Account</source>
        <translation>Bei KELT | NOVA Account anmelden</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>To download and install the NOVA software suite, sign in to KELT | NOVA Account.</source>
        <translation>Melden Sie sich bei KELT | NOVA Account an, um die NOVA-Software herunterzuladen und zu installieren.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>SIGN IN</source>
        <translation>ANMELDEN</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Couldn&apos;t connect to NOVA server</source>
        <translation>Keine Verbindung zum NOVA-Server</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Something went wrong while trying to connect with the NOVA server.</source>
        <translation>Beim Verbinden mit dem NOVA-Server ist ein Fehler aufgetreten.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>QUIT SETUP&lt;span id=&quot;downloader-24&quot;&gt;&lt;/span&gt;</source>
        <translation>SETUP BEENDEN&lt;span id=&quot;downloader-24&quot;&gt;&lt;/span&gt;</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>TRY AGAIN&lt;span id=&quot;downloader-25&quot;&gt;&lt;/span&gt;</source>
        <translation>ERNEUT VERSUCHEN&lt;span id=&quot;downloader-25&quot;&gt;&lt;/span&gt;</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Couldn&apos;t download SteamVR&lt;span id=&quot;downloader-16&quot;&gt;&lt;/span&gt;</source>
        <translation>SteamVR konnte nicht heruntergeladen werden&lt;span id=&quot;downloader-16&quot;&gt;&lt;/span&gt;</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Something went wrong while downloading SteamVR. Please try again.</source>
        <translation>Beim Herunterladen von SteamVR ist ein Fehler aufgetreten. Bitte versuchen Sie es erneut.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>QUIT SETUP&lt;span id=&quot;downloader-17&quot;&gt;&lt;/span&gt;</source>
        <translation>SETUP BEENDEN&lt;span id=&quot;downloader-17&quot;&gt;&lt;/span&gt;</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>TRY AGAIN&lt;span id=&quot;downloader-18&quot;&gt;&lt;/span&gt;</source>
        <translation>ERNEUT VERSUCHEN&lt;span id=&quot;downloader-18&quot;&gt;&lt;/span&gt;</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Close SteamVR to continue</source>
        <translation>SteamVR schließen, um fortzufahren</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>NOVA Tundra Setup installs the latest version of SteamVR. To continue software installation, close SteamVR.</source>
        <translation>NOVA Tundra Setup installiert die neueste Version von SteamVR. Schließen Sie SteamVR, um die Softwareinstallation fortzusetzen.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Reopen NOVA Tundra Setup</source>
        <translation>NOVA Tundra Setup erneut öffnen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Something went wrong while trying to stop SteamVR.</source>
        <translation>Beim Beenden von SteamVR ist ein Fehler aufgetreten.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Just a sec...</source>
        <translation>Einen Moment …</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>It&apos;ll just be a moment while the NOVA software finishes downloading. (&lt;b&gt;%1%&lt;/b&gt;)</source>
        <translation>Einen Moment, die NOVA-Software wird fertig heruntergeladen. (&lt;b&gt;%1%&lt;/b&gt;)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Please wait</source>
        <translation>Bitte warten</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The NOVA desktop app is still downloading. Please wait. (&lt;b&gt;%1%&lt;/b&gt;)</source>
        <translation>Die NOVA-Desktop-App wird noch heruntergeladen. Bitte warten. (&lt;b&gt;%1%&lt;/b&gt;)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>CONTINUE</source>
        <translation>FORTFAHREN</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Quit NOVA Tundra Setup?</source>
        <translation>NOVA Tundra Setup beenden?</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Installation is not complete. You may run NOVA Tundra Setup to complete the installation later.</source>
        <translation>Die Installation ist nicht abgeschlossen. Sie können NOVA Tundra Setup später ausführen, um die Installation abzuschließen.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>QUIT SETUP&lt;span id=&quot;common-01&quot;&gt;&lt;/span&gt;</source>
        <translation>SETUP BEENDEN&lt;span id=&quot;common-01&quot;&gt;&lt;/span&gt;</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>BACK&lt;span id=&quot;common-02&quot;&gt;&lt;/span&gt;</source>
        <translation>ZURÜCK&lt;span id=&quot;common-02&quot;&gt;&lt;/span&gt;</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Quit NOVAPORT Setup?</source>
        <translation>NOVAPORT Setup beenden?</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Installation is not complete. You may run NOVAPORT Setup to complete the installation later.</source>
        <translation>Die Installation ist nicht abgeschlossen. Sie können NOVAPORT Setup später ausführen, um die Installation abzuschließen.</translation>
    </message>
    <message>
        <location filename="../../wizard/PageList.cpp" line="-11"/>
        <source>NEXT</source>
        <translation>WEITER</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>INSTALL</source>
        <translation>INSTALLIEREN</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>I UNDERSTAND</source>
        <translation>VERSTANDEN</translation>
    </message>
</context>
<context>
    <name>CheckResult</name>
    <message>
        <location filename="../../qml/CheckResult.qml" line="+19"/>
        <source>Meets the requirements</source>
        <translation>Erfüllt die Anforderungen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Could not be checked</source>
        <translation>Konnte nicht geprüft werden</translation>
    </message>
</context>
<context>
    <name>ContentAboutQT</name>
    <message>
        <location filename="../../qml/ContentAboutQT.qml" line="+16"/>
        <source>About Qt</source>
        <translation>Über Qt</translation>
    </message>
    <message>
        <location line="+32"/>
        <source>This program uses the Qt libraries, version 5.15, under the GNU Lesser General Public License version 3. See &lt;a href=&quot;%1&quot;&gt;qt.io/licensing&lt;/a&gt; for the license and the source code.</source>
        <translation>Dieses Programm verwendet die Qt-Bibliotheken, Version 5.15, unter der GNU Lesser General Public License Version 3. Lizenz und Quellcode finden Sie unter &lt;a href=&quot;%1&quot;&gt;qt.io/licensing&lt;/a&gt;.</translation>
    </message>
</context>
<context>
    <name>DialogManager</name>
    <message>
        <location filename="../../wizard/DialogCatalogue.cpp" line="+15"/>
        <source>QUIT SETUP</source>
        <translation>SETUP BEENDEN</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>TRY AGAIN</source>
        <translation>ERNEUT VERSUCHEN</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>BACK</source>
        <translation>ZURÜCK</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>CANCEL</source>
        <translation>ABBRECHEN</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>CONTINUE</source>
        <translation>FORTFAHREN</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>RETRY</source>
        <translation>WIEDERHOLEN</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Installation failed</source>
        <translation>Installation fehlgeschlagen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Are you sure you want to skip?</source>
        <translation>Möchten Sie diesen Schritt wirklich überspringen?</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>SKIP ANYWAY</source>
        <translation>TROTZDEM ÜBERSPRINGEN</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Please wait</source>
        <translation>Bitte warten</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>CONTINUE ANYWAY</source>
        <translation>TROTZDEM FORTFAHREN</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>QUIT</source>
        <translation>BEENDEN</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Quit %1 Setup?</source>
        <translation>%1 Setup beenden?</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Couldn&apos;t install Steam</source>
        <translation>Steam konnte nicht installiert werden</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 is already running</source>
        <translation>%1 wird bereits ausgeführt</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Another instance of %1 Setup is already running. Would you like to close this one or force to resume?</source>
        <translation>Eine andere Instanz von %1 Setup wird bereits ausgeführt. Möchten Sie diese hier schließen oder das Fortsetzen erzwingen?</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>FORCE TO RESUME</source>
        <translation>FORTSETZEN ERZWINGEN</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Updating NOVA desktop app...</source>
        <translation>NOVA-Desktop-App wird aktualisiert …</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The NOVA desktop app is being updated. Please wait until the update has been installed before running %1 Setup.</source>
        <translation>Die NOVA-Desktop-App wird aktualisiert. Bitte warten Sie, bis das Update installiert ist, bevor Sie %1 Setup ausführen.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Unsupported region</source>
        <translation>Nicht unterstützte Region</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>This version of %1 Setup is not supported in your region. Please download your region&apos;s version at </source>
        <translation>Diese Version von %1 Setup wird in Ihrer Region nicht unterstützt. Bitte laden Sie die Version für Ihre Region herunter unter </translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Installation is not complete. You may run %1 Setup to complete the installation later.</source>
        <translation>Die Installation ist nicht abgeschlossen. Sie können %1 Setup später ausführen, um die Installation abzuschließen.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Software installation is in progress. Closing %1 Setup will also stop ongoing installation process. You&apos;ll need to run %1 Setup again.</source>
        <translation>Die Softwareinstallation läuft. Wenn Sie %1 Setup schließen, wird auch die laufende Installation beendet. Sie müssen %1 Setup dann erneut ausführen.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Invalid installation folder</source>
        <translation>Ungültiger Installationsordner</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Please avoid special non-English characters as installation path. It may cause content compatibility issues.</source>
        <translation>Bitte vermeiden Sie Sonderzeichen im Installationspfad. Sie können zu Kompatibilitätsproblemen mit Inhalten führen.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Couldn&apos;t install NOVA software</source>
        <translation>NOVA-Software konnte nicht installiert werden</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Make sure that you have sufficient permissions to install on the selected folder.</source>
        <translation>Stellen Sie sicher, dass Sie ausreichende Berechtigungen für die Installation im ausgewählten Ordner haben.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Couldn&apos;t download NOVA software</source>
        <translation>NOVA-Software konnte nicht heruntergeladen werden</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Something went wrong while downloading NOVA software.</source>
        <translation>Beim Herunterladen der NOVA-Software ist ein Fehler aufgetreten.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Close Steam</source>
        <translation>Steam schließen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Confirm that you&apos;ve closed the Steam client, and then click &quot;Continue&quot;.</source>
        <translation>Vergewissern Sie sich, dass der Steam-Client geschlossen ist, und klicken Sie dann auf „Fortfahren“.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Something went wrong while trying to open Steam.</source>
        <translation>Beim Öffnen von Steam ist ein Fehler aufgetreten.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Something went wrong while installing Steam.</source>
        <translation>Beim Installieren von Steam ist ein Fehler aufgetreten.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>CLOSE SETUP</source>
        <translation>SETUP SCHLIESSEN</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Please close your SteamVR and press &quot;Continue&quot;.</source>
        <translation>Bitte schließen Sie SteamVR und klicken Sie auf „Fortfahren“.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Couldn&apos;t download SteamVR</source>
        <translation>SteamVR konnte nicht heruntergeladen werden</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Something went wrong while downloading SteamVR.</source>
        <translation>Beim Herunterladen von SteamVR ist ein Fehler aufgetreten.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Openvr driver register fail.</source>
        <translation>Der OpenVR-Treiber konnte nicht registriert werden.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Zeph runtime register fail.</source>
        <translation>Die Zeph-Laufzeit konnte nicht registriert werden.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Both openvr driver and zeph runtime register fail.</source>
        <translation>Weder der OpenVR-Treiber noch die Zeph-Laufzeit konnten registriert werden.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Restart required</source>
        <translation>Neustart erforderlich</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Your computer needs to be restarted to finish the installation.</source>
        <translation>Ihr Computer muss neu gestartet werden, um die Installation abzuschließen.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>RESTART LATER</source>
        <translation>SPÄTER NEU STARTEN</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>RESTART NOW</source>
        <translation>JETZT NEU STARTEN</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>An error occurred during installation, please try again. If the error persists, go to %1FAQ%2 to check for possible solutions.</source>
        <translation>Bei der Installation ist ein Fehler aufgetreten. Bitte versuchen Sie es erneut. Wenn der Fehler weiterhin auftritt, finden Sie in den %1FAQ%2 mögliche Lösungen.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Another installation is in progress. Wait a few minutes and try again. If the problem persists, go to %1FAQ%2 to check for possible solutions.</source>
        <translation>Eine andere Installation läuft gerade. Warten Sie einige Minuten und versuchen Sie es erneut. Wenn das Problem weiterhin besteht, finden Sie in den %1FAQ%2 mögliche Lösungen.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>An error occurred during installation. Go to %1FAQ%2 to check for possible solutions.</source>
        <translation>Bei der Installation ist ein Fehler aufgetreten. In den %1FAQ%2 finden Sie mögliche Lösungen.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Terms and conditions</source>
        <translation>Geschäftsbedingungen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>To continue, accept the KELT EULA, terms of use, and privacy policy by selecting the check box.</source>
        <translation>Um fortzufahren, akzeptieren Sie die KELT-EULA, die Nutzungsbedingungen und die Datenschutzrichtlinie, indem Sie das Kontrollkästchen aktivieren.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Computer update recommended</source>
        <translation>Aktualisierung des Computers empfohlen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Your computer may not work well with NOVA. For the best experience, update your system before installing NOVA.</source>
        <translation>Ihr Computer funktioniert möglicherweise nicht gut mit NOVA. Für das beste Erlebnis aktualisieren Sie Ihr System, bevor Sie NOVA installieren.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Cancel setup?</source>
        <translation>Setup abbrechen?</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>.NET framework is still installing. After the installation, restart your computer and relaunch %1 Setup manually.</source>
        <translation>.NET Framework wird noch installiert. Starten Sie nach der Installation Ihren Computer neu und öffnen Sie %1 Setup manuell erneut.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Driver update required</source>
        <translation>Treiberaktualisierung erforderlich</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Your computer may not work well with NOVA. Update your graphics card driver before installing NOVA.</source>
        <translation>Ihr Computer funktioniert möglicherweise nicht gut mit NOVA. Aktualisieren Sie Ihren Grafikkartentreiber, bevor Sie NOVA installieren.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Exit setup and update driver</source>
        <translation>Setup beenden und Treiber aktualisieren</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 Setup will now close and open your web browser to the driver update page. After updating the driver, run %1 Setup again by double-clicking its shortcut on the computer desktop.</source>
        <translation>%1 Setup wird jetzt geschlossen und öffnet die Seite zur Treiberaktualisierung in Ihrem Webbrowser. Führen Sie %1 Setup nach der Aktualisierung des Treibers erneut aus, indem Sie auf die Verknüpfung auf dem Desktop doppelklicken.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The USB / %1 connection is not yet detected. You can return to this screen later to confirm the connection status.</source>
        <translation>Die USB-/%1-Verbindung wurde noch nicht erkannt. Sie können später zu diesem Bildschirm zurückkehren, um den Verbindungsstatus zu prüfen.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The headset has a dual front cameras that lets you see through or interact with the actual environment outside of VR. For the best experience, you need to connect using USB 3.0 port or higher.</source>
        <translation>Das Headset hat zwei Frontkameras, mit denen Sie Ihre echte Umgebung außerhalb von VR sehen und mit ihr interagieren können. Für das beste Erlebnis schließen Sie es an einen Anschluss mit USB 3.0 oder höher an.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>To troubleshoot USB connection issues, try the following:&lt;ul&gt;&lt;li&gt;Open Windows Device Manager and check that no USB devices are still installing. USB driver installation may take about 5-10 minutes.&lt;/li&gt;&lt;li&gt;Unplug the headset&apos;s USB cable from the computer, wait a few seconds, and plug it in again.&lt;/li&gt;&lt;li&gt;Connect the USB cable to another USB 3.0 port, preferably one on the back of the computer.&lt;/li&gt;&lt;li&gt;If you use a USB hub or an extension cable, connect the headset directly to the computer.&lt;/li&gt;&lt;/ul&gt;</source>
        <translation>So beheben Sie Probleme mit der USB-Verbindung:&lt;ul&gt;&lt;li&gt;Öffnen Sie den Windows-Geräte-Manager und prüfen Sie, dass keine USB-Geräte mehr installiert werden. Die Installation von USB-Treibern kann etwa 5–10 Minuten dauern.&lt;/li&gt;&lt;li&gt;Ziehen Sie das USB-Kabel des Headsets vom Computer ab, warten Sie einige Sekunden und stecken Sie es wieder ein.&lt;/li&gt;&lt;li&gt;Schließen Sie das USB-Kabel an einen anderen USB-3.0-Anschluss an, am besten an einen auf der Rückseite des Computers.&lt;/li&gt;&lt;li&gt;Wenn Sie einen USB-Hub oder ein Verlängerungskabel verwenden, schließen Sie das Headset direkt an den Computer an.&lt;/li&gt;&lt;/ul&gt;</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>HMD is not ready and will not work appropriately later.</source>
        <translation>Das Headset ist nicht bereit und wird später nicht richtig funktionieren.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Oops...</source>
        <translation>Hoppla …</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Something went wrong when downloading required component.</source>
        <translation>Beim Herunterladen einer erforderlichen Komponente ist ein Fehler aufgetreten.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>One or both controllers are not yet detected. You will need the controllers to complete the setup. You can pair the controllers using the NOVA Console if you choose to skip the step.</source>
        <translation>Ein oder beide Controller wurden noch nicht erkannt. Sie benötigen die Controller, um die Einrichtung abzuschließen. Wenn Sie diesen Schritt überspringen, können Sie die Controller über die NOVA Console koppeln.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Left controller is paired.</source>
        <translation>Der linke Controller ist gekoppelt.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Now let&apos;s pair your right controller.</source>
        <translation>Koppeln Sie jetzt Ihren rechten Controller.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Right controller paired.</source>
        <translation>Rechter Controller gekoppelt.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Your right controller is paired.</source>
        <translation>Ihr rechter Controller ist gekoppelt.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Launching roomsetup...</source>
        <translation>Raumeinrichtung wird gestartet …</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Waiting for HMD ready...</source>
        <translation>Warten, bis das Headset bereit ist …</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Could not find the headset</source>
        <translation>Headset nicht gefunden</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Please make sure the headset is connected and powered on and try again.</source>
        <translation>Stellen Sie sicher, dass das Headset angeschlossen und eingeschaltet ist, und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Are you sure you want to quit?</source>
        <translation>Möchten Sie wirklich beenden?</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>NOVA won&apos;t work until the room setup is completed. Are you sure you want to quit? You can still resume the room settings in NOVA Console after leaving.</source>
        <translation>NOVA funktioniert erst, wenn die Raumeinrichtung abgeschlossen ist. Möchten Sie wirklich beenden? Sie können die Raumeinrichtung später in der NOVA Console fortsetzen.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Couldn&apos;t launch room setup</source>
        <translation>Raumeinrichtung konnte nicht gestartet werden</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Room setup could not be launched because steamVR is not installed completely. After installing steamVR, you can still resume the room settings in NOVA Console.</source>
        <translation>Die Raumeinrichtung konnte nicht gestartet werden, weil SteamVR nicht vollständig installiert ist. Nach der Installation von SteamVR können Sie die Raumeinrichtung in der NOVA Console fortsetzen.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Quit %1 Hardware Setup Guide?</source>
        <translation>%1 Hardware Setup Guide beenden?</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>You may run %1 Hardware Setup Guide to set up the hardware later.</source>
        <translation>Sie können %1 Hardware Setup Guide später ausführen, um die Hardware einzurichten.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Quit NOVAPORT Setup?</source>
        <translation>NOVAPORT Setup beenden?</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Installation is not complete. You may run NOVAPORT Setup to complete the installation later.</source>
        <translation>Die Installation ist nicht abgeschlossen. Sie können NOVAPORT Setup später ausführen, um die Installation abzuschließen.</translation>
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
        <location line="+57"/>
        <source>done</source>
        <translation>erledigt</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>current step</source>
        <translation>aktueller Schritt</translation>
    </message>
    <message>
        <location line="+62"/>
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
        <location filename="../../qml/InstallInfo.qml" line="+32"/>
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
    <name>InstallManager</name>
    <message>
        <location filename="../../install/flow/InstallManager.cpp" line="+277"/>
        <source>Installing NOVAPORT Desktop App</source>
        <translation>NOVAPORT Desktop App wird installiert</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Installing %1 Software</source>
        <translation>%1 Software wird installiert</translation>
    </message>
    <message>
        <location line="+112"/>
        <source>Uninstalling NOVA</source>
        <translation>NOVA wird deinstalliert</translation>
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
        <translation>%1 wird installiert</translation>
    </message>
    <message>
        <location line="+73"/>
        <source>Finished</source>
        <translation>Fertig</translation>
    </message>
    <message>
        <location line="+175"/>
        <source>NOVAPORT Desktop App</source>
        <translation>NOVAPORT Desktop App</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>%1 Software</source>
        <translation>%1 Software</translation>
    </message>
    <message>
        <location filename="../../install/InstallInfo.cpp" line="-5"/>
        <source>%1 MB/s</source>
        <translation>%1 MB/s</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Installing %1 (%2/%3 MB)</source>
        <translation>%1 wird installiert (%2/%3 MB)</translation>
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
        <translation>%1%2 wird installiert</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Installing %1%2 and %3</source>
        <translation>%1%2 und %3 werden installiert</translation>
    </message>
</context>
<context>
    <name>LanguageSelector</name>
    <message>
        <location filename="../../qml/LanguageSelector.qml" line="+84"/>
        <source>Language: %1</source>
        <translation>Sprache: %1</translation>
    </message>
    <message>
        <location line="+63"/>
        <source>Languages</source>
        <translation>Sprachen</translation>
    </message>
</context>
<context>
    <name>PathManager</name>
    <message>
        <location filename="../../location/PathManager.cpp" line="+321"/>
        <source>Please choose a folder</source>
        <translation>Bitte wählen Sie einen Ordner</translation>
    </message>
</context>
<context>
    <name>Progress</name>
    <message>
        <location filename="../../qml/Progress.qml" line="+79"/>
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
        <translation>Ihr PC ist möglicherweise nicht NOVA-bereit</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Some parts of your computer don&apos;t meet what NOVA needs. You can go on, but NOVA may not run well.</source>
        <translation>Einige Komponenten Ihres Computers erfüllen die Anforderungen von NOVA nicht. Sie können fortfahren, aber NOVA läuft möglicherweise nicht einwandfrei.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Graphics card</source>
        <translation>Grafikkarte</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Your graphics card may not work well with NOVA.</source>
        <translation>Ihre Grafikkarte funktioniert möglicherweise nicht gut mit NOVA.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Processor</source>
        <translation>Prozessor</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Your processor doesn&apos;t match our list of compatible processors.</source>
        <translation>Ihr Prozessor ist nicht in unserer Liste kompatibler Prozessoren enthalten.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Memory</source>
        <translation>Arbeitsspeicher</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>We recommended at least %1 GB.</source>
        <translation>Wir empfehlen mindestens %1 GB.</translation>
    </message>
    <message>
        <location line="+8"/>
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
        <location filename="../../qml/pFolder.qml" line="+40"/>
        <location line="+28"/>
        <location line="+7"/>
        <location line="+13"/>
        <source>INSTALL</source>
        <translation>INSTALLIEREN</translation>
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
        <location line="+20"/>
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
        <location line="+107"/>
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
        <location filename="../../qml/pKeltSignin.qml" line="+31"/>
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
        <location filename="../../qml/pLegal.qml" line="+38"/>
        <source>Welcome to NOVA</source>
        <translation>Willkommen bei NOVA</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>%1 Setup installs the software your headset needs and checks that your computer is ready for it.</source>
        <translation>Das %1 Setup installiert die Software, die Ihr Headset benötigt, und prüft, ob Ihr Computer dafür bereit ist.</translation>
    </message>
    <message>
        <location line="+37"/>
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
