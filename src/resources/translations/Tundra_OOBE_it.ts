<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name>AnimDialog</name>
    <message>
        <location filename="../../qml/AnimDialog.qml" line="+8"/>
        <source>Please wait...</source>
        <translation>Attendi…</translation>
    </message>
</context>
<context>
    <name>CPageManager</name>
    <message>
        <location filename="../../wizard/PageDialogCatalogue.cpp" line="+14"/>
        <source>QUIT SETUP</source>
        <translation>ESCI</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>QUIT SETUP&lt;span id=&quot;downloader-00&quot;&gt;&lt;/span&gt;</source>
        <translation>ESCI&lt;span id=&quot;downloader-00&quot;&gt;&lt;/span&gt;</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>TRY AGAIN</source>
        <translation>RIPROVA</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Sign in as an administrator</source>
        <translation>Accedi come amministratore</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>You don&apos;t have necessary permissions to install software on this computer. Sign in as an administrator to continue with NOVA Tundra Setup.</source>
        <translation>Non disponi delle autorizzazioni necessarie per installare software su questo computer. Accedi come amministratore per continuare con NOVA Tundra Setup.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Unsupported region</source>
        <translation>Regione non supportata</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>This version of NOVA Tundra Setup is not supported in your region. Please download your region&apos;s version at </source>
        <translation>Questa versione di NOVA Tundra Setup non è supportata nella tua regione. Scarica la versione per la tua regione all&apos;indirizzo </translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Compatibility mode</source>
        <translation>Modalità compatibilità</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>NOVA Tundra Setup can&apos;t run under compatibility mode, so we&apos;ve disabled compatibility mode for it. Close and relaunch NOVA Tundra Setup to continue.</source>
        <translation>NOVA Tundra Setup non può essere eseguito in modalità compatibilità, quindi abbiamo disattivato questa modalità per il programma. Chiudi e riavvia NOVA Tundra Setup per continuare.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Cancel setup?</source>
        <translation>Annullare l&apos;installazione?</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>.Net framework is still installing. After installation, you could need to &lt;br&gt;restart PC and re-launch NOVA Tundra Setup manually.</source>
        <translation>.NET Framework è ancora in fase di installazione. Al termine dell&apos;installazione, potrebbe essere necessario &lt;br&gt;riavviare il PC e riaprire manualmente NOVA Tundra Setup.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>CANCEL</source>
        <translation>ANNULLA</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Terms and conditions</source>
        <translation>Termini e condizioni</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>To continue setup, accept the terms and conditions.</source>
        <translation>Per continuare l&apos;installazione, accetta i termini e le condizioni.</translation>
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
        <translation>Scaricare il driver?</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>NOVA Tundra Setup will close. After updating your graphics card driver, reopen it from the desktop.</source>
        <translation>NOVA Tundra Setup verrà chiuso. Dopo aver aggiornato il driver della scheda grafica, riaprilo dal desktop.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>CANCEL&lt;span id=&quot;driver-00&quot;&gt;&lt;/span&gt;</source>
        <translation>ANNULLA&lt;span id=&quot;driver-00&quot;&gt;&lt;/span&gt;</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>DOWNLOAD&lt;span id=&quot;driver-01&quot;&gt;&lt;/span&gt;</source>
        <translation>SCARICA&lt;span id=&quot;driver-01&quot;&gt;&lt;/span&gt;</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cancel installation?</source>
        <translation>Annullare l&apos;installazione?</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>NOVA Tundra Setup will quit if you choose to cancel software installation.</source>
        <translation>NOVA Tundra Setup verrà chiuso se scegli di annullare l&apos;installazione del software.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>CANCEL SETUP</source>
        <translation>ANNULLA</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>BACK</source>
        <translation>INDIETRO</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Something went wrong</source>
        <translation>Si è verificato un problema</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Please try to sign in to KELT | NOVA Account again.</source>
        <translation>Prova di nuovo ad accedere a KELT | NOVA Account.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Warning</source>
        <translation>Avviso</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The specified path is not available or do not have enough space.</source>
        <translation>Il percorso specificato non è disponibile o non dispone di spazio sufficiente.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Sign in to KELT | NOVA Account</source>
        <translation>Accedi a KELT | NOVA Account</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>To download and install the NOVA software suite, sign in to KELT | NOVA Account.</source>
        <translation>Per scaricare e installare la suite software NOVA, accedi a KELT | NOVA Account.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>SIGN IN</source>
        <translation>ACCEDI</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Couldn&apos;t connect to NOVA server</source>
        <translation>Impossibile connettersi al server NOVA</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Something went wrong while trying to connect with the NOVA server.</source>
        <translation>Si è verificato un problema durante la connessione al server NOVA.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>QUIT SETUP&lt;span id=&quot;downloader-24&quot;&gt;&lt;/span&gt;</source>
        <translation>ESCI&lt;span id=&quot;downloader-24&quot;&gt;&lt;/span&gt;</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>TRY AGAIN&lt;span id=&quot;downloader-25&quot;&gt;&lt;/span&gt;</source>
        <translation>RIPROVA&lt;span id=&quot;downloader-25&quot;&gt;&lt;/span&gt;</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Couldn&apos;t download SteamVR&lt;span id=&quot;downloader-16&quot;&gt;&lt;/span&gt;</source>
        <translation>Impossibile scaricare SteamVR&lt;span id=&quot;downloader-16&quot;&gt;&lt;/span&gt;</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Something went wrong while downloading SteamVR. Please try again.</source>
        <translation>Si è verificato un problema durante il download di SteamVR. Riprova.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>QUIT SETUP&lt;span id=&quot;downloader-17&quot;&gt;&lt;/span&gt;</source>
        <translation>ESCI&lt;span id=&quot;downloader-17&quot;&gt;&lt;/span&gt;</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>TRY AGAIN&lt;span id=&quot;downloader-18&quot;&gt;&lt;/span&gt;</source>
        <translation>RIPROVA&lt;span id=&quot;downloader-18&quot;&gt;&lt;/span&gt;</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Close SteamVR to continue</source>
        <translation>Chiudi SteamVR per continuare</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>NOVA Tundra Setup installs the latest version of SteamVR. To continue software installation, close SteamVR.</source>
        <translation>NOVA Tundra Setup installa la versione più recente di SteamVR. Per continuare l&apos;installazione del software, chiudi SteamVR.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Reopen NOVA Tundra Setup</source>
        <translation>Riapri NOVA Tundra Setup</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Something went wrong while trying to stop SteamVR.</source>
        <translation>Si è verificato un problema durante la chiusura di SteamVR.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Just a sec...</source>
        <translation>Solo un attimo…</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>It&apos;ll just be a moment while the NOVA software finishes downloading. (&lt;b&gt;%1%&lt;/b&gt;)</source>
        <translation>Solo un attimo: il download del software NOVA sta per terminare. (&lt;b&gt;%1%&lt;/b&gt;)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Please wait</source>
        <translation>Attendi</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The NOVA desktop app is still downloading. Please wait. (&lt;b&gt;%1%&lt;/b&gt;)</source>
        <translation>Il download dell&apos;app desktop NOVA è ancora in corso. Attendi. (&lt;b&gt;%1%&lt;/b&gt;)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>CONTINUE</source>
        <translation>CONTINUA</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Quit NOVA Tundra Setup?</source>
        <translation>Uscire da NOVA Tundra Setup?</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Installation is not complete. You may run NOVA Tundra Setup to complete the installation later.</source>
        <translation>L&apos;installazione non è stata completata. Puoi eseguire NOVA Tundra Setup in un secondo momento per completarla.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>QUIT SETUP&lt;span id=&quot;common-01&quot;&gt;&lt;/span&gt;</source>
        <translation>ESCI&lt;span id=&quot;common-01&quot;&gt;&lt;/span&gt;</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>BACK&lt;span id=&quot;common-02&quot;&gt;&lt;/span&gt;</source>
        <translation>INDIETRO&lt;span id=&quot;common-02&quot;&gt;&lt;/span&gt;</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Quit NOVAPORT Setup?</source>
        <translation>Uscire da NOVAPORT Setup?</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Installation is not complete. You may run NOVAPORT Setup to complete the installation later.</source>
        <translation>L&apos;installazione non è stata completata. Puoi eseguire NOVAPORT Setup in un secondo momento per completarla.</translation>
    </message>
    <message>
        <location filename="../../wizard/PageList.cpp" line="-11"/>
        <source>NEXT</source>
        <translation>AVANTI</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>INSTALL</source>
        <translation>INSTALLA</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>I UNDERSTAND</source>
        <translation>HO CAPITO</translation>
    </message>
</context>
<context>
    <name>CheckResult</name>
    <message>
        <location filename="../../qml/CheckResult.qml" line="+19"/>
        <source>Meets the requirements</source>
        <translation>Soddisfa i requisiti</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Could not be checked</source>
        <translation>Impossibile verificare</translation>
    </message>
</context>
<context>
    <name>ContentAboutQT</name>
    <message>
        <location filename="../../qml/ContentAboutQT.qml" line="+16"/>
        <source>About Qt</source>
        <translation>Informazioni su Qt</translation>
    </message>
    <message>
        <location line="+32"/>
        <source>This program uses the Qt libraries, version 5.15, under the GNU Lesser General Public License version 3. See &lt;a href=&quot;%1&quot;&gt;qt.io/licensing&lt;/a&gt; for the license and the source code.</source>
        <translation>Questo programma utilizza le librerie Qt, versione 5.15, secondo i termini della GNU Lesser General Public License versione 3. Consulta &lt;a href=&quot;%1&quot;&gt;qt.io/licensing&lt;/a&gt; per la licenza e il codice sorgente.</translation>
    </message>
</context>
<context>
    <name>DialogManager</name>
    <message>
        <location filename="../../wizard/DialogCatalogue.cpp" line="+15"/>
        <source>QUIT SETUP</source>
        <translation>ESCI</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>TRY AGAIN</source>
        <translation>RIPROVA</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>BACK</source>
        <translation>INDIETRO</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>CANCEL</source>
        <translation>ANNULLA</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>CONTINUE</source>
        <translation>CONTINUA</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>RETRY</source>
        <translation>RIPROVA</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Warning</source>
        <translation>Avviso</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Installation failed</source>
        <translation>Installazione non riuscita</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Are you sure you want to skip?</source>
        <translation>Vuoi davvero saltare questo passaggio?</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>SKIP ANYWAY</source>
        <translation>SALTA COMUNQUE</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Please wait</source>
        <translation>Attendi</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>CONTINUE ANYWAY</source>
        <translation>CONTINUA COMUNQUE</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>QUIT</source>
        <translation>ESCI</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Quit %1 Setup?</source>
        <translation>Uscire da %1 Setup?</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Couldn&apos;t install Steam</source>
        <translation>Impossibile installare Steam</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 is already running</source>
        <translation>%1 è già in esecuzione</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Another instance of %1 Setup is already running. Would you like to close this one or force to resume?</source>
        <translation>Un&apos;altra istanza di %1 Setup è già in esecuzione. Vuoi chiudere questa istanza o forzare la ripresa?</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>FORCE TO RESUME</source>
        <translation>FORZA RIPRESA</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Updating NOVA desktop app...</source>
        <translation>Aggiornamento dell&apos;app desktop NOVA…</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The NOVA desktop app is being updated. Please wait until the update has been installed before running %1 Setup.</source>
        <translation>È in corso l&apos;aggiornamento dell&apos;app desktop NOVA. Attendi che l&apos;aggiornamento sia installato prima di eseguire %1 Setup.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Unsupported region</source>
        <translation>Regione non supportata</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>This version of %1 Setup is not supported in your region. Please download your region&apos;s version at </source>
        <translation>Questa versione di %1 Setup non è supportata nella tua regione. Scarica la versione per la tua regione all&apos;indirizzo </translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Installation is not complete. You may run %1 Setup to complete the installation later.</source>
        <translation>L&apos;installazione non è stata completata. Puoi eseguire %1 Setup in un secondo momento per completarla.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Software installation is in progress. Closing %1 Setup will also stop ongoing installation process. You&apos;ll need to run %1 Setup again.</source>
        <translation>L&apos;installazione del software è in corso. Se chiudi %1 Setup, verrà interrotto anche il processo di installazione in corso. Dovrai eseguire di nuovo %1 Setup.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Invalid installation folder</source>
        <translation>Cartella di installazione non valida</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Please avoid special non-English characters as installation path. It may cause content compatibility issues.</source>
        <translation>Evita di usare caratteri speciali o non inglesi nel percorso di installazione. Potrebbero causare problemi di compatibilità con i contenuti.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Couldn&apos;t install NOVA software</source>
        <translation>Impossibile installare il software NOVA</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Make sure that you have sufficient permissions to install on the selected folder.</source>
        <translation>Assicurati di disporre delle autorizzazioni sufficienti per installare nella cartella selezionata.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Couldn&apos;t download NOVA software</source>
        <translation>Impossibile scaricare il software NOVA</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Something went wrong while downloading NOVA software.</source>
        <translation>Si è verificato un problema durante il download del software NOVA.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Close Steam</source>
        <translation>Chiudi Steam</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Confirm that you&apos;ve closed the Steam client, and then click &quot;Continue&quot;.</source>
        <translation>Verifica di aver chiuso il client Steam, quindi fai clic su “Continua”.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Something went wrong while trying to open Steam.</source>
        <translation>Si è verificato un problema durante l&apos;apertura di Steam.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Something went wrong while installing Steam.</source>
        <translation>Si è verificato un problema durante l&apos;installazione di Steam.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>CLOSE SETUP</source>
        <translation>CHIUDI</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Please close your SteamVR and press &quot;Continue&quot;.</source>
        <translation>Chiudi SteamVR e fai clic su “Continua”.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Couldn&apos;t download SteamVR</source>
        <translation>Impossibile scaricare SteamVR</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Something went wrong while downloading SteamVR.</source>
        <translation>Si è verificato un problema durante il download di SteamVR.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Openvr driver register fail.</source>
        <translation>Registrazione del driver OpenVR non riuscita.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Zeph runtime register fail.</source>
        <translation>Registrazione del runtime Zeph non riuscita.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Both openvr driver and zeph runtime register fail.</source>
        <translation>Registrazione del driver OpenVR e del runtime Zeph non riuscita.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Restart required</source>
        <translation>Riavvio necessario</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Your computer needs to be restarted to finish the installation.</source>
        <translation>È necessario riavviare il computer per completare l&apos;installazione.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>RESTART LATER</source>
        <translation>RIAVVIA PIÙ TARDI</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>RESTART NOW</source>
        <translation>RIAVVIA ORA</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>An error occurred during installation, please try again. If the error persists, go to %1FAQ%2 to check for possible solutions.</source>
        <translation>Si è verificato un errore durante l&apos;installazione. Riprova. Se l&apos;errore persiste, consulta le %1FAQ%2 per trovare possibili soluzioni.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Another installation is in progress. Wait a few minutes and try again. If the problem persists, go to %1FAQ%2 to check for possible solutions.</source>
        <translation>È in corso un&apos;altra installazione. Attendi qualche minuto e riprova. Se il problema persiste, consulta le %1FAQ%2 per trovare possibili soluzioni.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>An error occurred during installation. Go to %1FAQ%2 to check for possible solutions.</source>
        <translation>Si è verificato un errore durante l&apos;installazione. Consulta le %1FAQ%2 per trovare possibili soluzioni.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Terms and conditions</source>
        <translation>Termini e condizioni</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>To continue, accept the KELT EULA, terms of use, and privacy policy by selecting the check box.</source>
        <translation>Per continuare, accetta l&apos;EULA, le condizioni d&apos;uso e l&apos;informativa sulla privacy di KELT selezionando la casella di controllo.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Computer update recommended</source>
        <translation>Aggiornamento del computer consigliato</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Your computer may not work well with NOVA. For the best experience, update your system before installing NOVA.</source>
        <translation>Il computer potrebbe non funzionare correttamente con NOVA. Per un&apos;esperienza ottimale, aggiorna il sistema prima di installare NOVA.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Cancel setup?</source>
        <translation>Annullare l&apos;installazione?</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>.NET framework is still installing. After the installation, restart your computer and relaunch %1 Setup manually.</source>
        <translation>.NET Framework è ancora in fase di installazione. Al termine dell&apos;installazione, riavvia il computer e riapri manualmente %1 Setup.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Driver update required</source>
        <translation>Aggiornamento del driver necessario</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Your computer may not work well with NOVA. Update your graphics card driver before installing NOVA.</source>
        <translation>Il computer potrebbe non funzionare correttamente con NOVA. Aggiorna il driver della scheda grafica prima di installare NOVA.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Exit setup and update driver</source>
        <translation>Esci dall&apos;installazione e aggiorna il driver</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 Setup will now close and open your web browser to the driver update page. After updating the driver, run %1 Setup again by double-clicking its shortcut on the computer desktop.</source>
        <translation>%1 Setup verrà chiuso e aprirà la pagina di aggiornamento del driver nel browser web. Dopo aver aggiornato il driver, esegui di nuovo %1 Setup facendo doppio clic sul relativo collegamento sul desktop del computer.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The USB / %1 connection is not yet detected. You can return to this screen later to confirm the connection status.</source>
        <translation>La connessione USB / %1 non è ancora stata rilevata. Puoi tornare a questa schermata in seguito per verificare lo stato della connessione.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The headset has a dual front cameras that lets you see through or interact with the actual environment outside of VR. For the best experience, you need to connect using USB 3.0 port or higher.</source>
        <translation>Il visore dispone di due fotocamere frontali che ti permettono di vedere l&apos;ambiente reale al di fuori della realtà virtuale e di interagire con esso. Per un&apos;esperienza ottimale, devi collegarlo a una porta USB 3.0 o superiore.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>To troubleshoot USB connection issues, try the following:&lt;ul&gt;&lt;li&gt;Open Windows Device Manager and check that no USB devices are still installing. USB driver installation may take about 5-10 minutes.&lt;/li&gt;&lt;li&gt;Unplug the headset&apos;s USB cable from the computer, wait a few seconds, and plug it in again.&lt;/li&gt;&lt;li&gt;Connect the USB cable to another USB 3.0 port, preferably one on the back of the computer.&lt;/li&gt;&lt;li&gt;If you use a USB hub or an extension cable, connect the headset directly to the computer.&lt;/li&gt;&lt;/ul&gt;</source>
        <translation>Per risolvere i problemi di connessione USB, prova quanto segue:&lt;ul&gt;&lt;li&gt;Apri Gestione dispositivi di Windows e verifica che non ci siano dispositivi USB ancora in fase di installazione. L&apos;installazione dei driver USB può richiedere circa 5-10 minuti.&lt;/li&gt;&lt;li&gt;Scollega il cavo USB del visore dal computer, attendi qualche secondo e ricollegalo.&lt;/li&gt;&lt;li&gt;Collega il cavo USB a un&apos;altra porta USB 3.0, preferibilmente a una sul retro del computer.&lt;/li&gt;&lt;li&gt;Se usi un hub USB o una prolunga, collega il visore direttamente al computer.&lt;/li&gt;&lt;/ul&gt;</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>HMD is not ready and will not work appropriately later.</source>
        <translation>Il visore non è pronto e in seguito non funzionerà correttamente.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Oops...</source>
        <translation>Ops…</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Something went wrong when downloading required component.</source>
        <translation>Si è verificato un problema durante il download di un componente necessario.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>One or both controllers are not yet detected. You will need the controllers to complete the setup. You can pair the controllers using the NOVA Console if you choose to skip the step.</source>
        <translation>Uno o entrambi i controller non sono ancora stati rilevati. I controller sono necessari per completare la configurazione. Se scegli di saltare questo passaggio, potrai associare i controller tramite NOVA Console.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Left controller is paired.</source>
        <translation>Il controller sinistro è associato.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Now let&apos;s pair your right controller.</source>
        <translation>Ora associamo il controller destro.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Right controller paired.</source>
        <translation>Controller destro associato.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Your right controller is paired.</source>
        <translation>Il controller destro è associato.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Launching roomsetup...</source>
        <translation>Avvio della configurazione della stanza…</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Waiting for HMD ready...</source>
        <translation>In attesa che il visore sia pronto…</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Could not find the headset</source>
        <translation>Impossibile trovare il visore</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Please make sure the headset is connected and powered on and try again.</source>
        <translation>Assicurati che il visore sia collegato e acceso, quindi riprova.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Are you sure you want to quit?</source>
        <translation>Vuoi davvero uscire?</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>NOVA won&apos;t work until the room setup is completed. Are you sure you want to quit? You can still resume the room settings in NOVA Console after leaving.</source>
        <translation>NOVA non funzionerà finché la configurazione della stanza non sarà completata. Vuoi davvero uscire? Potrai comunque riprendere la configurazione della stanza in seguito da NOVA Console.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Couldn&apos;t launch room setup</source>
        <translation>Impossibile avviare la configurazione della stanza</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Room setup could not be launched because steamVR is not installed completely. After installing steamVR, you can still resume the room settings in NOVA Console.</source>
        <translation>Impossibile avviare la configurazione della stanza perché SteamVR non è installato completamente. Dopo aver installato SteamVR, potrai riprendere la configurazione della stanza da NOVA Console.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Quit %1 Hardware Setup Guide?</source>
        <translation>Uscire da %1 Hardware Setup Guide?</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>You may run %1 Hardware Setup Guide to set up the hardware later.</source>
        <translation>Puoi eseguire %1 Hardware Setup Guide in un secondo momento per configurare l&apos;hardware.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Quit NOVAPORT Setup?</source>
        <translation>Uscire da NOVAPORT Setup?</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Installation is not complete. You may run NOVAPORT Setup to complete the installation later.</source>
        <translation>L&apos;installazione non è stata completata. Puoi eseguire NOVAPORT Setup in un secondo momento per completarla.</translation>
    </message>
</context>
<context>
    <name>Footer</name>
    <message>
        <location filename="../base/Footer.qml" line="+85"/>
        <source>Help</source>
        <translation>Aiuto</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Take screenshots</source>
        <translation>Acquisisci screenshot</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>BACK</source>
        <translation>INDIETRO</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>NEXT</source>
        <translation>AVANTI</translation>
    </message>
</context>
<context>
    <name>Header</name>
    <message>
        <location filename="../base/Header.qml" line="+35"/>
        <source>Install software</source>
        <translation>Installazione software</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Get ready</source>
        <translation>Preparazione</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Check your PC</source>
        <translation>Verifica del PC</translation>
    </message>
    <message>
        <location line="+57"/>
        <source>done</source>
        <translation>completato</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>current step</source>
        <translation>passaggio corrente</translation>
    </message>
    <message>
        <location line="+62"/>
        <source>Minimize</source>
        <translation>Riduci a icona</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
</context>
<context>
    <name>InstallInfo</name>
    <message>
        <location filename="../../qml/InstallInfo.qml" line="+32"/>
        <source>About %1 min left</source>
        <translation>Tempo rimanente: circa %1 min</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Installation will finish in a few minutes</source>
        <translation>L&apos;installazione terminerà tra pochi minuti</translation>
    </message>
</context>
<context>
    <name>InstallManager</name>
    <message>
        <location filename="../../install/flow/InstallManager.cpp" line="+277"/>
        <source>Installing NOVAPORT Desktop App</source>
        <translation>Installazione di NOVAPORT Desktop App</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Installing %1 Software</source>
        <translation>Installazione del software %1</translation>
    </message>
    <message>
        <location line="+112"/>
        <source>Uninstalling NOVA</source>
        <translation>Disinstallazione di NOVA</translation>
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
        <translation>Installazione in corso: %1</translation>
    </message>
    <message>
        <location line="+73"/>
        <source>Finished</source>
        <translation>Completato</translation>
    </message>
    <message>
        <location line="+175"/>
        <source>NOVAPORT Desktop App</source>
        <translation>NOVAPORT Desktop App</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>%1 Software</source>
        <translation>Software %1</translation>
    </message>
    <message>
        <location filename="../../install/InstallInfo.cpp" line="-5"/>
        <source>%1 MB/s</source>
        <translation>%1 MB/s</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Installing %1 (%2/%3 MB)</source>
        <translation>Installazione in corso: %1 (%2/%3 MB)</translation>
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
        <translation>Installazione in corso: %1%2</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Installing %1%2 and %3</source>
        <translation>Installazione in corso: %1%2 e %3</translation>
    </message>
</context>
<context>
    <name>LanguageSelector</name>
    <message>
        <location filename="../../qml/LanguageSelector.qml" line="+84"/>
        <source>Language: %1</source>
        <translation>Lingua: %1</translation>
    </message>
    <message>
        <location line="+63"/>
        <source>Languages</source>
        <translation>Lingue</translation>
    </message>
</context>
<context>
    <name>PathManager</name>
    <message>
        <location filename="../../location/PathManager.cpp" line="+321"/>
        <source>Please choose a folder</source>
        <translation>Scegli una cartella</translation>
    </message>
</context>
<context>
    <name>Progress</name>
    <message>
        <location filename="../../qml/Progress.qml" line="+79"/>
        <source>Installation progress</source>
        <translation>Avanzamento dell&apos;installazione</translation>
    </message>
</context>
<context>
    <name>ReplayBtn</name>
    <message>
        <location filename="../../qml/ReplayBtn.qml" line="+4"/>
        <source>Replay</source>
        <translation>Riproduci di nuovo</translation>
    </message>
</context>
<context>
    <name>SigninButton</name>
    <message>
        <location filename="../../qml/SigninButton.qml" line="+6"/>
        <source>SIGN IN</source>
        <translation>ACCEDI</translation>
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
        <translation>Versione %1</translation>
    </message>
</context>
<context>
    <name>pCheck</name>
    <message>
        <location filename="../../qml/pCheck.qml" line="+30"/>
        <source>Your PC might not be NOVA ready</source>
        <translation>Il tuo PC potrebbe non essere pronto per NOVA</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Some parts of your computer don&apos;t meet what NOVA needs. You can go on, but NOVA may not run well.</source>
        <translation>Alcuni componenti del computer non soddisfano i requisiti di NOVA. Puoi continuare, ma NOVA potrebbe non funzionare correttamente.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Graphics card</source>
        <translation>Scheda grafica</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Your graphics card may not work well with NOVA.</source>
        <translation>La scheda grafica potrebbe non funzionare correttamente con NOVA.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Processor</source>
        <translation>Processore</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Your processor doesn&apos;t match our list of compatible processors.</source>
        <translation>Il processore non è presente nel nostro elenco di processori compatibili.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Memory</source>
        <translation>Memoria</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>We recommended at least %1 GB.</source>
        <translation>Consigliamo almeno %1 GB.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Operating system</source>
        <translation>Sistema operativo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Windows 7 SP1, Windows 8.1 or above (64-bit) is required.</source>
        <translation>È richiesto Windows 7 SP1, Windows 8.1 o versione successiva (64 bit).</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>We recommended at USB 3.0 or higher.</source>
        <translation>Consigliamo USB 3.0 o superiore.</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>See NOVA-ready PCs</source>
        <translation>Vedi i PC compatibili con NOVA</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Test your PC with SteamVR</source>
        <translation>Testa il PC con SteamVR</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>QUIT SETUP</source>
        <translation>ESCI</translation>
    </message>
</context>
<context>
    <name>pComplete</name>
    <message>
        <location filename="../../qml/pComplete.qml" line="+14"/>
        <source>Install completed! Thanks for your waiting.</source>
        <translation>Installazione completata! Grazie per l&apos;attesa.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The %1 software is ready. Press OK to close setup.</source>
        <translation>Il software %1 è pronto. Fai clic su OK per chiudere il programma di installazione.</translation>
    </message>
</context>
<context>
    <name>pDotNet</name>
    <message>
        <location filename="../../qml/pDotNet.qml" line="+18"/>
        <source>INSTALL REQUIRED SOFTWARE AGAIN</source>
        <translation>REINSTALLA IL SOFTWARE NECESSARIO</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>RESTART COMPUTER</source>
        <translation>RIAVVIA IL COMPUTER</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>NEXT</source>
        <translation>AVANTI</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>INSTALL</source>
        <translation>INSTALLA</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>Install required software</source>
        <translation>Installa il software necessario</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>NOVA software needs Microsoft .NET Framework 4.6 or later. Setup downloads and installs it for you.</source>
        <translation>Il software NOVA richiede Microsoft .NET Framework 4.6 o versione successiva. Il programma di installazione lo scarica e lo installa automaticamente.</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Installing .NET Framework. This can take a few minutes.</source>
        <translation>Installazione di .NET Framework in corso. L&apos;operazione può richiedere alcuni minuti.</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>The installation did not finish. Try again to go on.</source>
        <translation>L&apos;installazione non è stata completata. Riprova per continuare.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Restart your computer to finish the installation, then open setup again from its desktop shortcut.</source>
        <translation>Riavvia il computer per completare l&apos;installazione, quindi riapri il programma di installazione dal relativo collegamento sul desktop.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>.NET Framework is installed.</source>
        <translation>.NET Framework è installato.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>QUIT SETUP</source>
        <translation>ESCI</translation>
    </message>
</context>
<context>
    <name>pDriver</name>
    <message>
        <location filename="../../qml/pDriver.qml" line="+25"/>
        <source>Update your graphics card driver</source>
        <translation>Aggiorna il driver della scheda grafica</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Your graphics card driver is out of date. For the best experience with NOVA, update it to version %1 or later.</source>
        <translation>Il driver della scheda grafica non è aggiornato. Per un&apos;esperienza ottimale con NOVA, aggiornalo alla versione %1 o successiva.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Setup closes while you update. Afterwards, open it again with the %1 shortcut on your desktop.</source>
        <translation>Il programma di installazione si chiude durante l&apos;aggiornamento. Al termine, riaprilo con il collegamento %1 sul desktop.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>UPDATE DRIVER</source>
        <translation>AGGIORNA DRIVER</translation>
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
        <translation>INSTALLA</translation>
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
        <translation>Scegli dove installare</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>NOVA software will be installed in this folder.</source>
        <translation>Il software NOVA verrà installato in questa cartella.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Steam and SteamVR will be installed in this folder.</source>
        <translation>Steam e SteamVR verranno installati in questa cartella.</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>Install folder: %1</source>
        <translation>Cartella di installazione: %1</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>CHANGE</source>
        <translation>CAMBIA</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Space required: %1</source>
        <translation>Spazio necessario: %1</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>There isn&apos;t enough free space on this drive. Choose another folder.</source>
        <translation>Lo spazio libero su questa unità non è sufficiente. Scegli un&apos;altra cartella.</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>The software is already installed on this computer.</source>
        <translation>Il software è già installato su questo computer.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>SKIP INSTALLATION</source>
        <translation>SALTA INSTALLAZIONE</translation>
    </message>
</context>
<context>
    <name>pHealth</name>
    <message>
        <location filename="../../qml/pHealth.qml" line="+15"/>
        <source>I UNDERSTAND</source>
        <translation>HO CAPITO</translation>
    </message>
    <message>
        <location line="+35"/>
        <source>Clear your play area</source>
        <translation>Libera l&apos;area di gioco</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Keep the space around you free of obstacles, people and pets.</source>
        <translation>Mantieni lo spazio intorno a te libero da ostacoli, persone e animali domestici.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Mind the cable</source>
        <translation>Attenzione al cavo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Watch where the headset cable runs so that you don&apos;t trip over it.</source>
        <translation>Fai attenzione al percorso del cavo del visore per non inciamparci.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Wear it right</source>
        <translation>Indossalo correttamente</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Adjust the head strap until the headset sits firmly and comfortably.</source>
        <translation>Regola la fascia per la testa finché il visore non è stabile e comodo.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Take regular breaks</source>
        <translation>Fai pause regolari</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Rest for 10 to 15 minutes at least every 30 minutes.</source>
        <translation>Riposati per 10-15 minuti almeno ogni 30 minuti.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Supervise children</source>
        <translation>Sorveglia i bambini</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Children should use the headset only with an adult nearby.</source>
        <translation>I bambini devono usare il visore solo in presenza di un adulto.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Listen to your body</source>
        <translation>Ascolta il tuo corpo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Stop at once if you feel dizzy, sick or uncomfortable.</source>
        <translation>Interrompi subito l&apos;uso se avverti capogiri, nausea o malessere.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Health and safety</source>
        <translation>Salute e sicurezza</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Read these warnings before you use your headset. They help you enjoy VR safely.</source>
        <translation>Leggi queste avvertenze prima di usare il visore. Ti aiuteranno a goderti la realtà virtuale in sicurezza.</translation>
    </message>
</context>
<context>
    <name>pInstall</name>
    <message>
        <location filename="../../qml/pInstall.qml" line="+12"/>
        <source>Preparing</source>
        <translation>Preparazione</translation>
    </message>
    <message>
        <location line="+107"/>
        <source>Sign in or sign up for a Steam account</source>
        <translation>Accedi a Steam o crea un account</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Steam has opened its sign-in window. Sign in, or create a free account, to go on with the installation.</source>
        <translation>Steam ha aperto la finestra di accesso. Accedi o crea un account gratuito per proseguire con l&apos;installazione.</translation>
    </message>
    <message>
        <location line="+30"/>
        <source>The download speed is very slow. Please check your network connection</source>
        <translation>La velocità di download è molto bassa. Controlla la connessione di rete</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Installation completed</source>
        <translation>Installazione completata</translation>
    </message>
</context>
<context>
    <name>pKeltSignin</name>
    <message>
        <location filename="../../qml/pKeltSignin.qml" line="+31"/>
        <location line="+13"/>
        <location line="+18"/>
        <source>SIGN IN</source>
        <translation>ACCEDI</translation>
    </message>
    <message>
        <location line="-6"/>
        <source>Sign in to KELT | NOVA Account</source>
        <translation>Accedi a KELT | NOVA Account</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>To download and install the NOVA software suite, sign in to KELT | NOVA Account.</source>
        <translation>Per scaricare e installare la suite software NOVA, accedi a KELT | NOVA Account.</translation>
    </message>
</context>
<context>
    <name>pLegal</name>
    <message>
        <location filename="../../qml/pLegal.qml" line="+38"/>
        <source>Welcome to NOVA</source>
        <translation>Ti diamo il benvenuto in NOVA</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>%1 Setup installs the software your headset needs and checks that your computer is ready for it.</source>
        <translation>%1 Setup installa il software necessario per il visore e verifica che il computer sia pronto.</translation>
    </message>
    <message>
        <location line="+37"/>
        <source>I have read and accept the KELT &lt;a href=&quot;%1&quot;&gt;EULA&lt;/a&gt;, &lt;a href=&quot;%2&quot;&gt;terms of use&lt;/a&gt; and &lt;a href=&quot;%3&quot;&gt;privacy policy&lt;/a&gt;.</source>
        <translation>Ho letto e accetto l&apos;&lt;a href=&quot;%1&quot;&gt;EULA&lt;/a&gt;, le &lt;a href=&quot;%2&quot;&gt;condizioni d&apos;uso&lt;/a&gt; e l&apos;&lt;a href=&quot;%3&quot;&gt;informativa sulla privacy&lt;/a&gt; di KELT.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>GET STARTED</source>
        <translation>INIZIA</translation>
    </message>
</context>
<context>
    <name>pSignin</name>
    <message>
        <location filename="../../qml/pSignin.qml" line="+7"/>
        <source>Sign in or sign up for a Steam account</source>
        <translation>Accedi a Steam o crea un account</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Steam opens its sign-in window during the installation. Sign in, or create a free account, so that SteamVR can finish installing.</source>
        <translation>Durante l&apos;installazione, Steam apre la finestra di accesso. Accedi o crea un account gratuito per consentire a SteamVR di completare l&apos;installazione.</translation>
    </message>
</context>
<context>
    <name>pSw01</name>
    <message>
        <location filename="../../qml/pSw01.qml" line="+7"/>
        <source>Install the NOVA software</source>
        <translation>Installa il software NOVA</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Setup downloads and installs the NOVA software suite and SteamVR. Depending on your connection, this can take a while.</source>
        <translation>Il programma di installazione scarica e installa la suite software NOVA e SteamVR. A seconda della connessione, l&apos;operazione può richiedere un po&apos; di tempo.</translation>
    </message>
</context>
</TS>
