<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>ActivityPage</name>
    <message>
        <source>Joined</source>
        <extracomment>Column header and line of the chart: members who joined the guild that week</extracomment>
        <translation>Beigetreten</translation>
    </message>
    <message>
        <source>Left</source>
        <extracomment>Column header and line of the chart: members who left the guild that week</extracomment>
        <translation>Ausgetreten</translation>
    </message>
    <message>
        <source>Week starting</source>
        <extracomment>Axis title: the weeks, each by the Monday it starts on</extracomment>
        <translation>Woche ab</translation>
    </message>
    <message>
        <source>Members</source>
        <extracomment>Axis title: numbers of members</extracomment>
        <translation>Mitglieder</translation>
    </message>
    <message>
        <source>Chart of joins and departures</source>
        <translation>Diagramm der Beitritte und Austritte</translation>
    </message>
    <message>
        <source>Table of joins and departures</source>
        <translation>Tabelle der Beitritte und Austritte</translation>
    </message>
    <message>
        <source>Week</source>
        <extracomment>Column header: the week, by the Monday it starts on</extracomment>
        <translation>Woche</translation>
    </message>
    <message>
        <source>Asking the server…</source>
        <translation>Server wird abgefragt…</translation>
    </message>
    <message>
        <source>The server&apos;s answer cannot be read.</source>
        <translation>Die Antwort des Servers kann nicht gelesen werden.</translation>
    </message>
    <message>
        <source>Members joining and leaving per week</source>
        <translation>Beitritte und Austritte pro Woche</translation>
    </message>
</context>
<context>
    <name>AdminOperations</name>
    <message>
        <source>The server has saved the new setup!</source>
        <translation>Der Server hat die neue Einrichtung gespeichert!</translation>
    </message>
    <message>
        <source>The character&apos;s password has been reset to the default password.</source>
        <extracomment>The default password: the guild&apos;s password for new members</extracomment>
        <translation>Das Passwort des Charakters wurde auf das Standardpasswort zurückgesetzt.</translation>
    </message>
    <message>
        <source>The character&apos;s security level has been changed!</source>
        <translation>Die Sicherheitsstufe des Charakters wurde geändert!</translation>
    </message>
    <message>
        <source>The character database has been backed up</source>
        <translation>Die Charakterdatenbank wurde gesichert</translation>
    </message>
    <message>
        <source>You security level is not high enough!</source>
        <extracomment>&quot;You&quot; stands for &quot;Your&quot;</extracomment>
        <translation>Ihre Sicherheitsstufe ist nicht hoch genug!</translation>
    </message>
    <message>
        <source>You must select the character whose password you want to reset from the tree!</source>
        <translation>Sie müssen im Baum den Charakter auswählen, dessen Passwort Sie zurücksetzen möchten!</translation>
    </message>
    <message>
        <source>Are you sure you want to reset %1&apos;s password to the default password?</source>
        <extracomment>%1 is the character&apos;s name; the default password is the guild&apos;s password for new members</extracomment>
        <translation>Möchten Sie das Passwort von %1 wirklich auf das Standardpasswort zurücksetzen?</translation>
    </message>
    <message>
        <source>Reset Password Confirmation</source>
        <translation>Zurücksetzen des Passworts bestätigen</translation>
    </message>
    <message>
        <source>You must select the character whose security level you want to change!</source>
        <translation>Sie müssen den Charakter auswählen, dessen Sicherheitsstufe Sie ändern möchten!</translation>
    </message>
    <message>
        <source>Are you sure you want to change %1&apos;s security level to %2?</source>
        <extracomment>%1 is the character&apos;s name, %2 the chosen level: &quot;Normal User&quot; or &quot;Administrator&quot;</extracomment>
        <translation>Möchten Sie die Sicherheitsstufe von %1 wirklich auf „%2“ ändern?</translation>
    </message>
    <message>
        <source>Change Security Level Confirmation</source>
        <translation>Änderung der Sicherheitsstufe bestätigen</translation>
    </message>
    <message>
        <source>Backup Database</source>
        <extracomment>Title of the file dialog that saves a backup of the guild</extracomment>
        <translation>Datenbank sichern</translation>
    </message>
    <message>
        <source>Tree Data Files (*.dat)</source>
        <extracomment>File-dialog filter</extracomment>
        <translation>Baumdatendateien (*.dat)</translation>
    </message>
    <message>
        <source>The backup was cut off before its end; nothing was written to %1.  Please try again.</source>
        <extracomment>%1 is the backup file&apos;s path</extracomment>
        <translation>Die Sicherung wurde vor ihrem Ende abgebrochen; in %1 wurde nichts geschrieben.  Bitte versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>The backup could not be written to %1: %2</source>
        <extracomment>%1 is the backup file&apos;s path, %2 the reason</extracomment>
        <translation>Die Sicherung konnte nicht in %1 geschrieben werden: %2</translation>
    </message>
</context>
<context>
    <name>AllegianceModel</name>
    <message>
        <source>%1 - Level %2</source>
        <extracomment>A node of the allegiance tree: %1 is the character&apos;s name, %2 its level.</extracomment>
        <translation>%1 - Stufe %2</translation>
    </message>
</context>
<context>
    <name>AllegianceOperations</name>
    <message>
        <source>The new vassal has been added to the tree.  Hit OK to refresh the tree</source>
        <extracomment>After adding a vassal (a character sworn to a patron) to the allegiance tree</extracomment>
        <translation>Der neue Vasall wurde dem Baum hinzugefügt.  Klicken Sie auf OK, um den Baum zu aktualisieren</translation>
    </message>
    <message>
        <source>The vassal has been successfully removed.</source>
        <extracomment>A vassal: a character sworn to a patron in the allegiance</extracomment>
        <translation>Der Vasall wurde erfolgreich entfernt.</translation>
    </message>
    <message>
        <source>You have been moved to your new patron.</source>
        <extracomment>The patron: the character one is sworn to in the allegiance</extracomment>
        <translation>Sie wurden Ihrem neuen Lehnsherrn unterstellt.</translation>
    </message>
    <message>
        <source>Your password has been successfully changed!</source>
        <translation>Ihr Passwort wurde erfolgreich geändert!</translation>
    </message>
    <message>
        <source>Adding Vassal</source>
        <extracomment>Status bar, while the server adds a vassal (a character sworn to a patron)</extracomment>
        <translation>Vasall wird hinzugefügt</translation>
    </message>
    <message>
        <source>Are you sure you want to remove your vassal %1?<byte value="xd"/>
This will also remove all characters that are followers of %1.</source>
        <extracomment>%1 is the vassal&apos;s character name; a vassal is a character sworn to a patron, its followers are the vassals below it in the allegiance</extracomment>
        <translation>Möchten Sie Ihren Vasallen %1 wirklich entfernen?<byte value="xd"/>
Dadurch werden auch alle Gefolgsleute von %1 entfernt.</translation>
    </message>
    <message>
        <source>Remove Vassal Confirmation</source>
        <extracomment>Title of the box asking to remove a vassal from the allegiance</extracomment>
        <translation>Entfernen des Vasallen bestätigen</translation>
    </message>
    <message>
        <source>You have entered a name that does not exist.  Please refresh the tree.</source>
        <translation>Sie haben einen Namen eingegeben, den es nicht gibt.  Bitte aktualisieren Sie den Baum.</translation>
    </message>
    <message>
        <source>Changing Patrons</source>
        <extracomment>Status bar, while the server moves a character to a new patron in the allegiance</extracomment>
        <translation>Lehnsherr wird gewechselt</translation>
    </message>
    <message>
        <source>Changing Password</source>
        <translation>Passwort wird geändert</translation>
    </message>
</context>
<context>
    <name>AllegianceView</name>
    <message>
        <source>Downloading Tree Info</source>
        <extracomment>The operation under way, shown in the status bar.</extracomment>
        <translation>Baumdaten werden heruntergeladen</translation>
    </message>
    <message>
        <source>The allegiance tree the server sent cannot be shown: %1.  Please refresh the tree.</source>
        <extracomment>%1 says what is wrong with the tree; it begins in lower case.</extracomment>
        <translation>Der vom Server gesendete Gefolgschaftsbaum kann nicht angezeigt werden: %1.  Bitte aktualisieren Sie den Baum.</translation>
    </message>
    <message>
        <source>That branch is too deep to show whole: it is opened %1 generations down</source>
        <extracomment>%1 is how many generations (levels of the allegiance tree) down a branch is opened.</extracomment>
        <translation>Dieser Zweig ist zu tief, um ganz angezeigt zu werden: Er wird %1 Generationen tief geöffnet</translation>
    </message>
    <message>
        <source>Downloading Character Info</source>
        <extracomment>The operation under way, shown in the status bar.</extracomment>
        <translation>Charakterdaten werden heruntergeladen</translation>
    </message>
    <message>
        <source>That character does not exist!</source>
        <translation>Dieser Charakter existiert nicht!</translation>
    </message>
</context>
<context>
    <name>AttentionReport</name>
    <message>
        <source>Never</source>
        <extracomment>In the column of the last change or login: there was none</extracomment>
        <translation>Nie</translation>
    </message>
    <message>
        <source>Name</source>
        <extracomment>Column header: the member&apos;s character name</extracomment>
        <translation>Name</translation>
    </message>
    <message>
        <source>Days</source>
        <extracomment>Column header: whole days since the last change or login</extracomment>
        <translation>Tage</translation>
    </message>
    <message>
        <source>Vassal Slots</source>
        <extracomment>Section: how many more vassals (characters sworn to them) each member may take</extracomment>
        <translation>Vasallenplätze</translation>
    </message>
    <message>
        <source>Vassals</source>
        <extracomment>Column header: the number of vassals a member has</extracomment>
        <translation>Vasallen</translation>
    </message>
    <message>
        <source>Free Slots</source>
        <extracomment>Column header: how many more vassals the member may take, under the guild&apos;s cap</extracomment>
        <translation>Freie Plätze</translation>
    </message>
    <message>
        <source>Missing Followers</source>
        <extracomment>Section: members whose record counts more followers (characters below them in the allegiance) than the tree holds</extracomment>
        <translation>Fehlende Gefolgsleute</translation>
    </message>
    <message>
        <source>Followers Entered</source>
        <extracomment>Column header: the number of followers the member&apos;s record gives</extracomment>
        <translation>Eingetragene Gefolgsleute</translation>
    </message>
    <message>
        <source>In the Tree</source>
        <extracomment>Column header: the number of followers the tree holds below the member</extracomment>
        <translation>Im Baum</translation>
    </message>
    <message>
        <source>Number Missing</source>
        <extracomment>Column header: how many followers the tree lacks</extracomment>
        <translation>Anzahl fehlend</translation>
    </message>
    <message>
        <source>Mules Without a Main</source>
        <extracomment>Section: mules (a player&apos;s extra characters) whose main character is not in the guild</extracomment>
        <translation>Mules ohne Hauptcharakter</translation>
    </message>
    <message>
        <source>Main Character Name</source>
        <extracomment>Column header: the name of the mule&apos;s main character, as its record gives it</extracomment>
        <translation>Name des Hauptcharakters</translation>
    </message>
    <message>
        <source>Records Not Changed</source>
        <extracomment>Section: members whose record was not changed for the number of days chosen</extracomment>
        <translation>Unveränderte Datensätze</translation>
    </message>
    <message>
        <source>Last Changed (UTC)</source>
        <extracomment>Column header: when the record was last changed</extracomment>
        <translation>Zuletzt geändert (UTC)</translation>
    </message>
    <message>
        <source>On the Default Password</source>
        <extracomment>Section: members who still log in with the guild&apos;s password for new members</extracomment>
        <translation>Mit Standardpasswort</translation>
    </message>
    <message>
        <source>Administrators Not Logged In</source>
        <extracomment>Section: administrators who did not log in for the number of days chosen</extracomment>
        <translation>Nicht angemeldete Administratoren</translation>
    </message>
    <message>
        <source>Last Login (UTC)</source>
        <extracomment>Column header: when the administrator last logged in</extracomment>
        <translation>Letzte Anmeldung (UTC)</translation>
    </message>
</context>
<context>
    <name>BackgroundRequest</name>
    <message>
        <source>the server does not answer</source>
        <extracomment>Why a request made in the background failed; it ends a sentence of the status bar, after a colon, so it begins in lower case.</extracomment>
        <translation>der Server antwortet nicht</translation>
    </message>
    <message>
        <source>the server cannot be reached</source>
        <extracomment>Why a request made in the background failed; it ends a sentence of the status bar, after a colon, so it begins in lower case.</extracomment>
        <translation>der Server ist nicht erreichbar</translation>
    </message>
    <message>
        <source>the server closed the connection</source>
        <extracomment>Why a request made in the background failed; it ends a sentence of the status bar, after a colon, so it begins in lower case.</extracomment>
        <translation>der Server hat die Verbindung getrennt</translation>
    </message>
    <message>
        <source>the server&apos;s certificate is not trusted</source>
        <extracomment>Why a request made in the background failed; it ends a sentence of the status bar, after a colon, so it begins in lower case.</extracomment>
        <translation>dem Zertifikat des Servers wird nicht vertraut</translation>
    </message>
</context>
<context>
    <name>CellEditor</name>
    <message>
        <source>Value</source>
        <extracomment>The name a screen reader gives the box that edits a cell of a grid without a header.</extracomment>
        <translation>Wert</translation>
    </message>
</context>
<context>
    <name>ChangeHistory</name>
    <message>
        <source>Recent Changes</source>
        <extracomment>Window title: the guild&apos;s latest changes</extracomment>
        <translation>Letzte Änderungen</translation>
    </message>
    <message>
        <source>Close</source>
        <extracomment>Button: closes the window</extracomment>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Downloading Change History</source>
        <translation>Änderungsverlauf wird heruntergeladen</translation>
    </message>
    <message>
        <source>Downloading Recent Changes</source>
        <translation>Letzte Änderungen werden heruntergeladen</translation>
    </message>
    <message>
        <source>Undo change #%1 of %2 by %3?

%4
</source>
        <extracomment>%1 is the change&apos;s number, %2 its date and time, %3 the member who made it, %4 what it changed</extracomment>
        <translation>Änderung #%1 vom %2 durch %3 rückgängig machen?

%4
</translation>
    </message>
    <message>
        <source>remove %1</source>
        <extracomment>One of the things an undo does, in &quot;This will %1.&quot;: %1 is a character&apos;s name, taken off the guild&apos;s roster</extracomment>
        <translation>%1 entfernen</translation>
    </message>
    <message>
        <source>bring back %1</source>
        <extracomment>One of the things an undo does, in &quot;This will %1.&quot;: %1 is a removed character&apos;s name, put back on the guild&apos;s roster</extracomment>
        <translation>%1 zurückholen</translation>
    </message>
    <message>
        <source>set %1 back to %2</source>
        <extracomment>One of the things an undo does, in &quot;This will %1.&quot;: %1 is a field of the record, %2 its former value</extracomment>
        <translation>%1 auf %2 zurücksetzen</translation>
    </message>
    <message>
        <source>(empty)</source>
        <extracomment>The former value of a field that was empty</extracomment>
        <translation>(leer)</translation>
    </message>
    <message>
        <source>remove %1 from the guild</source>
        <extracomment>What undoing the addition of a character does, in &quot;This will %1.&quot;: %1 is its name</extracomment>
        <translation>%1 aus der Gilde entfernen</translation>
    </message>
    <message>
        <source>,
</source>
        <extracomment>Separates the things an undo does in the list of &quot;This will %1.&quot;</extracomment>
        <translation>,
</translation>
    </message>
    <message>
        <source>This will %1.</source>
        <extracomment>%1 is the list of what the undo does, such as &quot;set Level back to 12&quot;</extracomment>
        <translation>Dies wird %1.</translation>
    </message>
    <message>
        <source>No password is kept with a removed member: those brought back log in with the guild&apos;s default password, and an administrator among them comes back as a member.</source>
        <translation>Für ein entferntes Mitglied wird kein Passwort aufbewahrt: Zurückgeholte Mitglieder melden sich mit dem Standardpasswort der Gilde an, und ein Administrator unter ihnen kehrt als normales Mitglied zurück.</translation>
    </message>
    <message>
        <source>Undoing Change</source>
        <translation>Änderung wird rückgängig gemacht</translation>
    </message>
    <message>
        <source>The change has been undone.</source>
        <translation>Die Änderung wurde rückgängig gemacht.</translation>
    </message>
    <message>
        <source>The change cannot be undone.</source>
        <translation>Die Änderung kann nicht rückgängig gemacht werden.</translation>
    </message>
    <message>
        <source>The change cannot be undone: %1.</source>
        <extracomment>%1 is why, a sentence of its own (context Refusal)</extracomment>
        <translation>Die Änderung kann nicht rückgängig gemacht werden: %1.</translation>
    </message>
    <message>
        <source>  Nothing was changed.</source>
        <extracomment>Follows &quot;The change cannot be undone.&quot; when the record was changed meanwhile; keep the two spaces before it</extracomment>
        <translation>  Es wurde nichts geändert.</translation>
    </message>
</context>
<context>
    <name>CharacterSheet</name>
    <message>
        <source>Error!</source>
        <extracomment>The character&apos;s record the server sent is not whole.</extracomment>
        <translation>Fehler!</translation>
    </message>
    <message>
        <source>%1 was changed elsewhere; shown as stored now</source>
        <extracomment>In the status bar; %1 is the character shown.</extracomment>
        <translation>%1 wurde anderswo geändert; der aktuelle Stand wird angezeigt</translation>
    </message>
    <message>
        <source>%1 was changed by someone else at %2; shown as stored now</source>
        <extracomment>In the status bar; %1 is the character shown, %2 when it was changed.</extracomment>
        <translation>%1 wurde am %2 von jemand anderem geändert; der aktuelle Stand wird angezeigt</translation>
    </message>
    <message>
        <source>%1 was changed by %2 at %3; shown as stored now</source>
        <extracomment>In the status bar; %1 is the character shown, %2 the character who changed it, %3 when.</extracomment>
        <translation>%1 wurde am %3 von %2 geändert; der aktuelle Stand wird angezeigt</translation>
    </message>
    <message>
        <source>Last Modified: %1 by %2</source>
        <extracomment>%1 is when the character&apos;s record was last saved, %2 who saved it.</extracomment>
        <translation>Zuletzt geändert: %1 von %2</translation>
    </message>
    <message>
        <source>Unknown</source>
        <extracomment>Who last saved the record: a member who is not in the tree.</extracomment>
        <translation>Unbekannt</translation>
    </message>
    <message>
        <source>%1 (Number Missing: %2)</source>
        <extracomment>%1 is the number of the character&apos;s followers (game word: the characters below it in the allegiance) the tree shows, %2 how many fewer than the number stored that is.</extracomment>
        <translation>%1 (Anzahl fehlend: %2)</translation>
    </message>
    <message>
        <source>%1 was changed by someone else while you were editing.</source>
        <extracomment>%1 is the character shown.</extracomment>
        <translation>%1 wurde während Ihrer Bearbeitung von jemand anderem geändert.</translation>
    </message>
    <message>
        <source>%1 was changed by someone else at %2 while you were editing.</source>
        <extracomment>%1 is the character shown, %2 when it was changed.</extracomment>
        <translation>%1 wurde am %2 während Ihrer Bearbeitung von jemand anderem geändert.</translation>
    </message>
    <message>
        <source>%1 was changed by %2 at %3 while you were editing.</source>
        <extracomment>%1 is the character shown, %2 the character who changed it, %3 when.</extracomment>
        <translation>%1 wurde am %3 während Ihrer Bearbeitung von %2 geändert.</translation>
    </message>
    <message>
        <source>Saving your changes will be refused; reload to see the record as it is stored now.</source>
        <extracomment>Follows a sentence saying that someone else changed the character&apos;s record.</extracomment>
        <translation>Das Speichern Ihrer Änderungen wird abgelehnt werden; laden Sie neu, um den aktuell gespeicherten Stand zu sehen.</translation>
    </message>
    <message>
        <source>%1 has left the allegiance</source>
        <extracomment>In the status bar; %1 is the character that was shown. Game word: the allegiance is the guild&apos;s tree of patrons and vassals.</extracomment>
        <translation>%1 hat die Gefolgschaft verlassen</translation>
    </message>
    <message>
        <source>Last Modified:</source>
        <extracomment>The label of when the character&apos;s record was last saved, while no character is shown.</extracomment>
        <translation>Zuletzt geändert:</translation>
    </message>
    <message>
        <source>The character&apos;s information has been updated.  If you changed the name of the character you are logged in as, you&apos;ll have to login again.</source>
        <translation>Die Daten des Charakters wurden aktualisiert.  Wenn Sie den Namen des Charakters geändert haben, mit dem Sie angemeldet sind, müssen Sie sich neu anmelden.</translation>
    </message>
    <message>
        <source>%1 was changed by someone else after you opened it, so your changes were not saved.</source>
        <extracomment>%1 is the character shown.</extracomment>
        <translation>Seit dem Öffnen wurde %1 von jemand anderem geändert, daher wurden Ihre Änderungen nicht gespeichert.</translation>
    </message>
    <message>
        <source>%1 was changed by someone else on %2 after you opened it, so your changes were not saved.</source>
        <extracomment>%1 is the character shown, %2 when it was changed.</extracomment>
        <translation>Seit dem Öffnen wurde %1 am %2 von jemand anderem geändert, daher wurden Ihre Änderungen nicht gespeichert.</translation>
    </message>
    <message>
        <source>%1 was changed by %2 after you opened it, so your changes were not saved.</source>
        <extracomment>%1 is the character shown, %2 the character who changed it.</extracomment>
        <translation>Seit dem Öffnen wurde %1 von %2 geändert, daher wurden Ihre Änderungen nicht gespeichert.</translation>
    </message>
    <message>
        <source>%1 was changed by %2 on %3 after you opened it, so your changes were not saved.</source>
        <extracomment>%1 is the character shown, %2 the character who changed it, %3 when.</extracomment>
        <translation>Seit dem Öffnen wurde %1 am %3 von %2 geändert, daher wurden Ihre Änderungen nicht gespeichert.</translation>
    </message>
    <message>
        <source>Do you want to load the character as it is stored now?  Your changes will be lost.</source>
        <translation>Möchten Sie den Charakter im aktuell gespeicherten Stand laden?  Ihre Änderungen gehen dabei verloren.</translation>
    </message>
    <message>
        <source>Save changes to %1?</source>
        <extracomment>%1 is the character shown.</extracomment>
        <translation>Änderungen an %1 speichern?</translation>
    </message>
    <message>
        <source>None</source>
        <extracomment>The patron of a monarch, who has none.</extracomment>
        <translation>Keiner</translation>
    </message>
</context>
<context>
    <name>Characters</name>
    <message>
        <source>a vassal of %1 is missing</source>
        <extracomment>Why a downloaded tree is refused (it follows a colon); %1 is a character&apos;s name. Game word: a vassal is a character sworn to another, its patron.</extracomment>
        <translation>ein Vasall von %1 fehlt</translation>
    </message>
    <message>
        <source>%1 is listed as a vassal twice</source>
        <extracomment>Why a downloaded tree is refused (it follows a colon); %1 is a character&apos;s name. Game word: a vassal is a character sworn to another, its patron.</extracomment>
        <translation>%1 ist zweimal als Vasall aufgeführt</translation>
    </message>
    <message>
        <source>%1 is listed under %2, who is not its patron</source>
        <extracomment>Why a downloaded tree is refused (it follows a colon); %1 and %2 are characters&apos; names. Game word: a patron is the character a vassal is sworn to.</extracomment>
        <translation>%1 ist unter %2 aufgeführt, ist aber nicht dessen Vasall</translation>
    </message>
    <message>
        <source>the patron links form a cycle</source>
        <extracomment>Why a downloaded tree is refused (it follows a colon). Game word: a patron is the character a vassal is sworn to; here, following the patrons leads back round.</extracomment>
        <translation>die Verweise auf Lehnsherren bilden einen Kreis</translation>
    </message>
</context>
<context>
    <name>ChartCanvas</name>
    <message>
        <source>Allegiance chart</source>
        <extracomment>The allegiance: the guild&apos;s members, each sworn to a patron above it</extracomment>
        <translation>Gefolgschaftsdiagramm</translation>
    </message>
    <message>
        <source>Drag to move the chart, turn the wheel to zoom, double-click a box to show that member.  Alt and the arrow keys move the mark from box to box; Enter shows the marked member.</source>
        <translation>Ziehen Sie, um das Diagramm zu verschieben, drehen Sie das Mausrad zum Zoomen, doppelklicken Sie auf ein Feld, um dieses Mitglied anzuzeigen.  Alt und die Pfeiltasten bewegen die Markierung von Feld zu Feld; die Eingabetaste zeigt das markierte Mitglied an.</translation>
    </message>
</context>
<context>
    <name>ChartExport</name>
    <message>
        <source>Allegiance chart</source>
        <extracomment>The allegiance: the guild&apos;s members, each sworn to a patron above it</extracomment>
        <translation>Gefolgschaftsdiagramm</translation>
    </message>
    <message>
        <source>there is not enough memory for the picture</source>
        <extracomment>Follows &quot;The chart could not be saved to &lt;file&gt;: &quot;</extracomment>
        <translation>für das Bild ist nicht genug Speicher vorhanden</translation>
    </message>
    <message>
        <source>the drawing could not be started</source>
        <extracomment>Follows &quot;The chart could not be saved to &lt;file&gt;: &quot;</extracomment>
        <translation>das Zeichnen konnte nicht gestartet werden</translation>
    </message>
    <message>
        <source>the document could not be started</source>
        <extracomment>Follows &quot;The chart could not be saved to &lt;file&gt;: &quot;</extracomment>
        <translation>das Dokument konnte nicht angelegt werden</translation>
    </message>
    <message>
        <source>%1: row %2 of %3, column %4 of %5</source>
        <extracomment>A page&apos;s caption when the chart takes several pages; %1 is the chart&apos;s title, %2 and %3 the page&apos;s row and how many rows, %4 and %5 its column and how many columns</extracomment>
        <translation>%1: Zeile %2 von %3, Spalte %4 von %5</translation>
    </message>
</context>
<context>
    <name>ChartPainter</name>
    <message>
        <source>Level %1</source>
        <extracomment>In a member&apos;s box of the chart; %1 is the character&apos;s level</extracomment>
        <translation>Stufe %1</translation>
    </message>
</context>
<context>
    <name>Chat</name>
    <message>
        <source>%1 added %2 as vassal of %3 (level %4)</source>
        <translation>%1 hat %2 als Vasallen von %3 (Stufe %4) aufgenommen</translation>
    </message>
    <message>
        <source>%1 removed %2%3 from the guild</source>
        <translation>%1 hat %2%3 aus der Gilde entfernt</translation>
    </message>
    <message>
        <source>%1 removed %2, vassal of %3,%4 from the guild</source>
        <translation>%1 hat %2, Vasall von %3,%4 aus der Gilde entfernt</translation>
    </message>
    <message>
        <source>%1 moved %2%3 from %4 to %5</source>
        <translation>%1 hat %2%3 von %4 zu %5 verschoben</translation>
    </message>
    <message>
        <source>%1 moved %2%3 from no patron to %4</source>
        <translation>%1 hat %2%3 ohne Lehnsherrn zu %4 verschoben</translation>
    </message>
    <message>
        <source> and 1 follower</source>
        <translation> und 1 Gefolgsmann</translation>
    </message>
    <message>
        <source> and %1 followers</source>
        <translation> und %1 Gefolgsleute</translation>
    </message>
    <message>
        <source>%1 made %2 an administrator</source>
        <translation>%1 hat %2 zum Administrator gemacht</translation>
    </message>
    <message>
        <source>%1 made %2 a member (no longer an administrator)</source>
        <translation>%1 hat %2 zum Mitglied gemacht (nicht mehr Administrator)</translation>
    </message>
    <message>
        <source>%1 changed the guild&apos;s set-up:%2</source>
        <translation>%1 hat die Einrichtung der Gilde geändert:%2</translation>
    </message>
    <message>
        <source> a new default password</source>
        <translation> ein neues Standardpasswort</translation>
    </message>
    <message>
        <source> the rescue squad on</source>
        <translation> den Rettungstrupp eingeschaltet</translation>
    </message>
    <message>
        <source> the rescue squad off</source>
        <translation> den Rettungstrupp ausgeschaltet</translation>
    </message>
    <message>
        <source> the guild&apos;s name from &quot;%1&quot; to &quot;%2&quot;</source>
        <translation> den Gildennamen von „%1“ in „%2“</translation>
    </message>
    <message>
        <source> the rescue squad&apos;s name from &quot;%1&quot; to &quot;%2&quot;</source>
        <translation> den Namen des Rettungstrupps von „%1“ in „%2“</translation>
    </message>
    <message>
        <source> %1</source>
        <translation> %1</translation>
    </message>
    <message>
        <source>%1 undid %2&apos;s addition of %3</source>
        <translation>%1 hat die Aufnahme von %3 durch %2 rückgängig gemacht</translation>
    </message>
    <message>
        <source>%1 undid %2&apos;s removal of %3%4</source>
        <translation>%1 hat das Entfernen von %3%4 durch %2 rückgängig gemacht</translation>
    </message>
    <message>
        <source>%1 undid %2&apos;s move of %3</source>
        <translation>%1 hat das Verschieben von %3 durch %2 rückgängig gemacht</translation>
    </message>
    <message>
        <source>%1 undid %2&apos;s security level change of %3</source>
        <translation>%1 hat die Änderung der Sicherheitsstufe von %3 durch %2 rückgängig gemacht</translation>
    </message>
    <message>
        <source>%1 undid %2&apos;s change of the guild&apos;s set-up</source>
        <translation>%1 hat die Änderung der Gildeneinrichtung durch %2 rückgängig gemacht</translation>
    </message>
    <message>
        <source>Test message from ZORV for %1</source>
        <translation>Testnachricht von ZORV für %1</translation>
    </message>
</context>
<context>
    <name>CriticalError</name>
    <message>
        <source>Out of memory</source>
        <translation>Speicher erschöpft</translation>
    </message>
    <message>
        <source>Subscript out of range</source>
        <translation>Index außerhalb des Bereichs</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>Überlauf</translation>
    </message>
    <message>
        <source>Invalid procedure call or argument</source>
        <translation>Ungültiger Prozeduraufruf oder ungültiges Argument</translation>
    </message>
    <message>
        <source>Application-defined error: %1</source>
        <extracomment>%1 is the description the failure carries.</extracomment>
        <translation>Anwendungsdefinierter Fehler: %1</translation>
    </message>
    <message>
        <source>Unknown failure</source>
        <translation>Unbekannter Fehler</translation>
    </message>
    <message>
        <source>A critical error has occured!<byte value="xd"/>
Occurred in: %1<byte value="xd"/>
Description: %2 %3<byte value="xd"/>
Please send an email with this information to %4</source>
        <extracomment>%1 is the name of the procedure that failed, %2 the failure&apos;s number and %3 its description, %4 the support address.</extracomment>
        <translation>Ein kritischer Fehler ist aufgetreten!<byte value="xd"/>
Aufgetreten in: %1<byte value="xd"/>
Beschreibung: %2 %3<byte value="xd"/>
Bitte senden Sie eine E-Mail mit diesen Informationen an %4</translation>
    </message>
    <message>
        <source>Critical Error!</source>
        <translation>Kritischer Fehler!</translation>
    </message>
    <message>
        <source>Object variable not set</source>
        <extracomment>A failure&apos;s description in the &quot;Critical Error!&quot; box: something the step needs is missing</extracomment>
        <translation>Objektvariable nicht festgelegt</translation>
    </message>
</context>
<context>
    <name>CsvExport</name>
    <message>
        <source>Export List</source>
        <extracomment>The title of the file dialog that saves a list.</extracomment>
        <translation>Liste exportieren</translation>
    </message>
    <message>
        <source>CSV Files (*.csv)</source>
        <translation>CSV-Dateien (*.csv)</translation>
    </message>
    <message>
        <source>The list could not be saved to %1: %2</source>
        <extracomment>%1 is the file chosen, %2 why it could not be written.</extracomment>
        <translation>Die Liste konnte nicht in %1 gespeichert werden: %2</translation>
    </message>
</context>
<context>
    <name>DialogButtons</name>
    <message>
        <source>OK</source>
        <extracomment>A button that ends a dialog, taking what was entered.</extracomment>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <extracomment>A button that ends a dialog, dropping what was entered.</extracomment>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>ErrorTable</name>
    <message>
        <source>There was an error while trying to add the vassal.  Please refresh the tree and try again.</source>
        <extracomment>A vassal is a character sworn to another, its patron, in the guild&apos;s allegiance.</extracomment>
        <translation>Beim Hinzufügen des Vasallen ist ein Fehler aufgetreten.  Bitte aktualisieren Sie den Baum und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>There was an error while trying to remove the vassal.  Please refresh the tree and try again.</source>
        <extracomment>A vassal is a character sworn to another, its patron, in the guild&apos;s allegiance.</extracomment>
        <translation>Beim Entfernen des Vasallen ist ein Fehler aufgetreten.  Bitte aktualisieren Sie den Baum und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>The name you entered was not found in the database.  Please check your spelling and make sure your patron has added you.</source>
        <extracomment>A patron is the character a vassal is sworn to in the guild&apos;s allegiance.</extracomment>
        <translation>Der eingegebene Name wurde in der Datenbank nicht gefunden.  Bitte prüfen Sie die Schreibweise und stellen Sie sicher, dass Ihr Lehnsherr Sie hinzugefügt hat.</translation>
    </message>
    <message>
        <source>There was an error updating a character&apos;s information.  That character does not exist.</source>
        <translation>Beim Aktualisieren der Daten eines Charakters ist ein Fehler aufgetreten.  Dieser Charakter existiert nicht.</translation>
    </message>
    <message>
        <source>There was an error trying to open the file zorv.cfg on the server.  Make sure it is chmoded to 777.</source>
        <translation>Beim Öffnen der Datei zorv.cfg auf dem Server ist ein Fehler aufgetreten.  Stellen Sie sicher, dass ihre Rechte mit chmod auf 777 gesetzt sind.</translation>
    </message>
    <message>
        <source>There was an error trying to open the file tree.dat on the server.  Make sure it is chmoded to 777.</source>
        <translation>Beim Öffnen der Datei tree.dat auf dem Server ist ein Fehler aufgetreten.  Stellen Sie sicher, dass ihre Rechte mit chmod auf 777 gesetzt sind.</translation>
    </message>
    <message>
        <source>There was an error trying to change the server setup.  Please try again.</source>
        <translation>Beim Ändern der Servereinrichtung ist ein Fehler aufgetreten.  Bitte versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>There was an error changing the security level! An invalid character ID was given!</source>
        <translation>Beim Ändern der Sicherheitsstufe ist ein Fehler aufgetreten! Es wurde eine ungültige Charakter-ID angegeben!</translation>
    </message>
    <message>
        <source>There was an error while trying to add the vassal.  You provided an invalid name.  Please enter a legal name.</source>
        <extracomment>A vassal is a character sworn to another, its patron, in the guild&apos;s allegiance.</extracomment>
        <translation>Beim Hinzufügen des Vasallen ist ein Fehler aufgetreten.  Sie haben einen ungültigen Namen angegeben.  Bitte geben Sie einen gültigen Namen ein.</translation>
    </message>
    <message>
        <source>There was an error while trying to add the vassal.  The name you provided for the new vassal already exists in the tree.  Please refresh the tree.</source>
        <extracomment>A vassal is a character sworn to another, its patron, in the guild&apos;s allegiance.</extracomment>
        <translation>Beim Hinzufügen des Vasallen ist ein Fehler aufgetreten.  Der für den neuen Vasallen angegebene Name ist im Baum bereits vorhanden.  Bitte aktualisieren Sie den Baum.</translation>
    </message>
    <message>
        <source>There was an error while trying to add the vassal.  The patron already has the maxium number of possible vassals.</source>
        <extracomment>A vassal is a character sworn to another, its patron, in the guild&apos;s allegiance.</extracomment>
        <translation>Beim Hinzufügen des Vasallen ist ein Fehler aufgetreten.  Der Lehnsherr hat bereits die maximale Anzahl an Vasallen.</translation>
    </message>
    <message>
        <source>There was an error while trying to add the vassal.  The name you provided for the new vassal was illegal.  Please refresh the tree.</source>
        <extracomment>A vassal is a character sworn to another, its patron, in the guild&apos;s allegiance.</extracomment>
        <translation>Beim Hinzufügen des Vasallen ist ein Fehler aufgetreten.  Der für den neuen Vasallen angegebene Name ist unzulässig.  Bitte aktualisieren Sie den Baum.</translation>
    </message>
    <message>
        <source>There was an error while trying to remove the vassal.  The vassal you tried to remove could not be found in the tree.</source>
        <extracomment>A vassal is a character sworn to another, its patron, in the guild&apos;s allegiance.</extracomment>
        <translation>Beim Entfernen des Vasallen ist ein Fehler aufgetreten.  Der Vasall, den Sie entfernen wollten, wurde im Baum nicht gefunden.</translation>
    </message>
    <message>
        <source>There was an error while trying to remove the character.  The character you tried to remove was not your vassal.  You can only remove your own vassals.</source>
        <extracomment>A vassal is a character sworn to another, its patron, in the guild&apos;s allegiance.</extracomment>
        <translation>Beim Entfernen des Charakters ist ein Fehler aufgetreten.  Der Charakter, den Sie entfernen wollten, ist nicht Ihr Vasall.  Sie können nur Ihre eigenen Vasallen entfernen.</translation>
    </message>
    <message>
        <source>There was an error while trying to change patrons.  Please refresh the tree and try again.</source>
        <extracomment>A patron is the character a vassal is sworn to in the guild&apos;s allegiance.</extracomment>
        <translation>Beim Wechsel des Lehnsherrn ist ein Fehler aufgetreten.  Bitte aktualisieren Sie den Baum und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>There was an error while trying to change patrons.  The new patron already mas the maximum number of possible vassals.</source>
        <extracomment>A vassal is a character sworn to another, its patron, in the guild&apos;s allegiance.</extracomment>
        <translation>Beim Wechsel des Lehnsherrn ist ein Fehler aufgetreten.  Der neue Lehnsherr hat bereits die maximale Anzahl an Vasallen.</translation>
    </message>
    <message>
        <source>There was an error while trying to change patrons.  You can not pledge to one of your followers.</source>
        <extracomment>A patron is the character a vassal is sworn to in the guild&apos;s allegiance; to pledge is to swear to a patron; one&apos;s followers are all the characters below one in the allegiance.</extracomment>
        <translation>Beim Wechsel des Lehnsherrn ist ein Fehler aufgetreten.  Sie können nicht einem Ihrer eigenen Gefolgsleute die Treue schwören.</translation>
    </message>
    <message>
        <source>There was an error while trying to change patrons.  You can not pledge to yourself.</source>
        <extracomment>A patron is the character a vassal is sworn to in the guild&apos;s allegiance; to pledge is to swear to a patron.</extracomment>
        <translation>Beim Wechsel des Lehnsherrn ist ein Fehler aufgetreten.  Sie können nicht sich selbst die Treue schwören.</translation>
    </message>
    <message>
        <source>You have entered an incorrect password.  If this is the first time you&apos;ve logged in, make sure you use the default password.</source>
        <translation>Sie haben ein falsches Passwort eingegeben.  Wenn Sie sich zum ersten Mal anmelden, verwenden Sie bitte das Standardpasswort.</translation>
    </message>
    <message>
        <source>There was an error setting up the new server.  The guild name was invalid.</source>
        <translation>Beim Einrichten des neuen Servers ist ein Fehler aufgetreten.  Der Gildenname war ungültig.</translation>
    </message>
    <message>
        <source>There was an error setting up the new server.  The default password was invalid.</source>
        <translation>Beim Einrichten des neuen Servers ist ein Fehler aufgetreten.  Das Standardpasswort war ungültig.</translation>
    </message>
    <message>
        <source>There was an error updating the character info.  You attempted to edit a field that only admins are allowed to edit.</source>
        <translation>Beim Aktualisieren der Charakterdaten ist ein Fehler aufgetreten.  Sie haben versucht, ein Feld zu bearbeiten, das nur Administratoren bearbeiten dürfen.</translation>
    </message>
    <message>
        <source>There was an error updating the character info.  Someone else changed the character after you opened it.  Please reload it and make your changes again.</source>
        <translation>Beim Aktualisieren der Charakterdaten ist ein Fehler aufgetreten.  Jemand anderes hat den Charakter geändert, nachdem Sie ihn geöffnet haben.  Bitte laden Sie ihn neu und nehmen Sie Ihre Änderungen erneut vor.</translation>
    </message>
    <message>
        <source>There was an error retreiving a character&apos;s information.  That character does not exist.</source>
        <translation>Beim Abrufen der Daten eines Charakters ist ein Fehler aufgetreten.  Dieser Charakter existiert nicht.</translation>
    </message>
    <message>
        <source>There was a serious error with the server.  Please have the admin visit ZORV&apos;s webpage and download the newest version of the server.</source>
        <translation>Auf dem Server ist ein schwerwiegender Fehler aufgetreten.  Bitte lassen Sie den Administrator die Webseite von ZORV besuchen und die neueste Version des Servers herunterladen.</translation>
    </message>
    <message>
        <source>Secuirty Voliation!</source>
        <translation>Sicherheitsverletzung!</translation>
    </message>
    <message>
        <source>You are using an invalid client.  Please go to the ZORV website and upgrade.</source>
        <translation>Sie verwenden einen ungültigen Client.  Bitte besuchen Sie die ZORV-Webseite und installieren Sie eine neue Version.</translation>
    </message>
    <message>
        <source>The operation you attempted referenced an invalid character.  Please refresh your tree and try again.</source>
        <translation>Der versuchte Vorgang verwies auf einen ungültigen Charakter.  Bitte aktualisieren Sie Ihren Baum und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>You entered invalid input for a numeric value.</source>
        <translation>Sie haben eine ungültige Eingabe für einen Zahlenwert gemacht.</translation>
    </message>
    <message>
        <source>You entered invalid input for a string value</source>
        <translation>Sie haben eine ungültige Eingabe für einen Textwert gemacht</translation>
    </message>
    <message>
        <source>There was an error accessing the ZORV server.</source>
        <translation>Beim Zugriff auf den ZORV-Server ist ein Fehler aufgetreten.</translation>
    </message>
    <message>
        <source>Your password is too long, it can only be 10 characters long.</source>
        <translation>Ihr Passwort ist zu lang, es darf höchstens 10 Zeichen lang sein.</translation>
    </message>
    <message>
        <source>Your password is too short, it has to be at least 6 characters long.</source>
        <translation>Ihr Passwort ist zu kurz, es muss mindestens 6 Zeichen lang sein.</translation>
    </message>
    <message>
        <source>There was an error changing the character&apos;s password.  The new password and the confirmation password do not match.</source>
        <translation>Beim Ändern des Passworts des Charakters ist ein Fehler aufgetreten.  Das neue Passwort und die Bestätigung stimmen nicht überein.</translation>
    </message>
    <message>
        <source>There was an error changing the character&apos;s password.  The confirmation password is invalid.</source>
        <translation>Beim Ändern des Passworts des Charakters ist ein Fehler aufgetreten.  Die Bestätigung des Passworts ist ungültig.</translation>
    </message>
    <message>
        <source>There was an error changing the character&apos;s password.  The new password is invalid.</source>
        <translation>Beim Ändern des Passworts des Charakters ist ein Fehler aufgetreten.  Das neue Passwort ist ungültig.</translation>
    </message>
    <message>
        <source>There was an error trying to change the server setup.  You are not an admin, what are you trying to do?</source>
        <translation>Beim Ändern der Servereinrichtung ist ein Fehler aufgetreten.  Sie sind kein Administrator – was haben Sie vor?</translation>
    </message>
    <message>
        <source>There was an error trying to reset the password. Your security level was not high enough.</source>
        <translation>Beim Zurücksetzen des Passworts ist ein Fehler aufgetreten. Ihre Sicherheitsstufe war nicht hoch genug.</translation>
    </message>
    <message>
        <source>There was an error trying to reset the password. Please try again.</source>
        <translation>Beim Zurücksetzen des Passworts ist ein Fehler aufgetreten. Bitte versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>There was an error trying to reset the password. That character does not exist.</source>
        <translation>Beim Zurücksetzen des Passworts ist ein Fehler aufgetreten. Dieser Charakter existiert nicht.</translation>
    </message>
    <message>
        <source>There was an error trying to backup the server.  Your security level is not high enough.</source>
        <translation>Beim Sichern des Servers ist ein Fehler aufgetreten.  Ihre Sicherheitsstufe ist nicht hoch genug.</translation>
    </message>
    <message>
        <source>There was an error changing the security level! The new security level was invalid</source>
        <translation>Beim Ändern der Sicherheitsstufe ist ein Fehler aufgetreten! Die neue Sicherheitsstufe war ungültig</translation>
    </message>
    <message>
        <source>There was an error reading the change history.  Please try again.</source>
        <translation>Beim Lesen des Änderungsverlaufs ist ein Fehler aufgetreten.  Bitte versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>There was an error undoing the change.  Only an administrator can undo a change.</source>
        <translation>Beim Rückgängigmachen der Änderung ist ein Fehler aufgetreten.  Nur ein Administrator kann eine Änderung rückgängig machen.</translation>
    </message>
    <message>
        <source>There was an error undoing the change.  The server no longer keeps that change.</source>
        <translation>Beim Rückgängigmachen der Änderung ist ein Fehler aufgetreten.  Der Server bewahrt diese Änderung nicht mehr auf.</translation>
    </message>
    <message>
        <source>The change cannot be undone.</source>
        <translation>Die Änderung kann nicht rückgängig gemacht werden.</translation>
    </message>
    <message>
        <source>The server cannot tell what changed in the tree since it was downloaded.  Please refresh the tree.</source>
        <translation>Der Server kann nicht feststellen, was sich seit dem Herunterladen am Baum geändert hat.  Bitte aktualisieren Sie den Baum.</translation>
    </message>
    <message>
        <source>The server refused the notification&apos;s address.</source>
        <translation>Der Server hat die Adresse der Benachrichtigung abgelehnt.</translation>
    </message>
    <message>
        <source>The server refused the notification&apos;s format or kinds of change.  Please try again.</source>
        <translation>Der Server hat das Format oder die Änderungsarten der Benachrichtigung abgelehnt.  Bitte versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>The server no longer sends notifications there.  The list is shown again.</source>
        <translation>Der Server sendet dorthin keine Benachrichtigungen mehr.  Die Liste wird neu angezeigt.</translation>
    </message>
    <message>
        <source>The test message could not be delivered.</source>
        <translation>Die Testnachricht konnte nicht zugestellt werden.</translation>
    </message>
    <message>
        <source>Too many wrong passwords for %1; try again in %2 seconds</source>
        <extracomment>%1 is the character&apos;s name, %2 the number of seconds to wait, as the server sent it.</extracomment>
        <translation>Zu viele falsche Passwörter für %1; versuchen Sie es in %2 Sekunden erneut</translation>
    </message>
    <message>
        <source>The server does not write notifications in that language.</source>
        <translation>Der Server schreibt keine Benachrichtigungen in dieser Sprache.</translation>
    </message>
</context>
<context>
    <name>Field</name>
    <message>
        <source>Name</source>
        <extracomment>A column of a guild list: the character&apos;s name.</extracomment>
        <translation>Name</translation>
    </message>
    <message>
        <source>Level</source>
        <extracomment>A column of a guild list: the character&apos;s level, a number.</extracomment>
        <translation>Stufe</translation>
    </message>
    <message>
        <source>ID</source>
        <translation>ID</translation>
    </message>
    <message>
        <source>Rank</source>
        <translation>Rang</translation>
    </message>
    <message>
        <source>Patron</source>
        <translation>Lehnsherr</translation>
    </message>
    <message>
        <source>Vassals</source>
        <translation>Vasallen</translation>
    </message>
    <message>
        <source>Number of Followers</source>
        <translation>Anzahl Gefolgsleute</translation>
    </message>
    <message>
        <source>Security Level</source>
        <translation>Sicherheitsstufe</translation>
    </message>
    <message>
        <source>Class</source>
        <translation>Klasse</translation>
    </message>
    <message>
        <source>Race</source>
        <translation>Rasse</translation>
    </message>
    <message>
        <source>Sex</source>
        <translation>Geschlecht</translation>
    </message>
    <message>
        <source>Is Mule</source>
        <translation>Ist Mule</translation>
    </message>
    <message>
        <source>Mule for</source>
        <translation>Mule von</translation>
    </message>
    <message>
        <source>Lifestoned At</source>
        <translation>Lebensstein bei</translation>
    </message>
    <message>
        <source>Tied To</source>
        <translation>Gebunden an</translation>
    </message>
    <message>
        <source>Bio</source>
        <translation>Biografie</translation>
    </message>
    <message>
        <source>Skills</source>
        <translation>Fertigkeiten</translation>
    </message>
    <message>
        <source>Real Name</source>
        <translation>Echter Name</translation>
    </message>
    <message>
        <source>City, State, Country</source>
        <translation>Stadt, Bundesland, Staat</translation>
    </message>
    <message>
        <source>Other Info</source>
        <translation>Sonstiges</translation>
    </message>
    <message>
        <source>Email Address</source>
        <translation>E-Mail-Adresse</translation>
    </message>
    <message>
        <source>ICQ Number</source>
        <translation>ICQ-Nummer</translation>
    </message>
    <message>
        <source>Revision</source>
        <translation>Revision</translation>
    </message>
    <message>
        <source>Last Modified</source>
        <translation>Zuletzt geändert</translation>
    </message>
    <message>
        <source>Path to Monarch</source>
        <translation>Weg zum Monarchen</translation>
    </message>
    <message>
        <source>Player Killer</source>
        <translation>Player Killer</translation>
    </message>
    <message>
        <source>Rescue Squad Member</source>
        <translation>Rettungstrupp-Mitglied</translation>
    </message>
    <message>
        <source>Hide Info on Web</source>
        <translation>Daten im Web verbergen</translation>
    </message>
    <message>
        <source>Can Summon</source>
        <translation>Kann beschwören</translation>
    </message>
    <message>
        <source>Main Character Name</source>
        <translation>Name des Hauptcharakters</translation>
    </message>
    <message>
        <source>Modified By</source>
        <translation>Geändert von</translation>
    </message>
    <message>
        <source>Awards</source>
        <translation>Auszeichnungen</translation>
    </message>
    <message>
        <source>Patron Id</source>
        <translation>Lehnsherr-ID</translation>
    </message>
    <message>
        <source>Place among Vassals</source>
        <translation>Platz unter den Vasallen</translation>
    </message>
    <message>
        <source>Member</source>
        <translation>Mitglied</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Passwort</translation>
    </message>
    <message>
        <source>Default Password</source>
        <translation>Standardpasswort</translation>
    </message>
    <message>
        <source>Guild Name</source>
        <translation>Gildenname</translation>
    </message>
    <message>
        <source>Use Rescue Squad</source>
        <translation>Rettungstrupp verwenden</translation>
    </message>
    <message>
        <source>Rescue Squad Name</source>
        <translation>Name des Rettungstrupps</translation>
    </message>
    <message>
        <source>Lifestone</source>
        <translation>Lebensstein</translation>
    </message>
</context>
<context>
    <name>FlatListModel</name>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Level</source>
        <extracomment>A column of the flat listing: the character&apos;s level, a number.</extracomment>
        <translation>Stufe</translation>
    </message>
    <message>
        <source>Rank</source>
        <extracomment>A column of the flat listing: the character&apos;s rank, a number.</extracomment>
        <translation>Rang</translation>
    </message>
    <message>
        <source>C. Rank</source>
        <extracomment>A column of the flat listing: the rank worked out from the character&apos;s vassals, a number (&quot;C.&quot; for computed).</extracomment>
        <translation>Ber. Rang</translation>
    </message>
    <message>
        <source>Patron Name</source>
        <extracomment>A column of the flat listing: the name of the character&apos;s patron (game word: the character it is sworn to in the allegiance).</extracomment>
        <translation>Lehnsherr</translation>
    </message>
    <message>
        <source>Mule</source>
        <extracomment>A column of the flat listing, Yes or No: whether the character is a mule (game word: a character kept to carry another&apos;s goods).</extracomment>
        <translation>Mule</translation>
    </message>
    <message>
        <source>PK</source>
        <extracomment>A column of the flat listing, Yes or No: whether the character is a player killer.</extracomment>
        <translation>PK</translation>
    </message>
    <message>
        <source>None</source>
        <extracomment>In the Patron Name column: the character has no patron (game word: the character one is sworn to); it is at the top of the allegiance.</extracomment>
        <translation>Keiner</translation>
    </message>
    <message>
        <source>Unknown</source>
        <extracomment>In the Patron Name column: the patron (game word: the character one is sworn to) is not in the roster.</extracomment>
        <translation>Unbekannt</translation>
    </message>
    <message>
        <source>Yes</source>
        <extracomment>In the Mule or PK column: the character is a mule (game word: a character kept to carry another&apos;s goods), or a player killer.</extracomment>
        <translation>Ja</translation>
    </message>
    <message>
        <source>No</source>
        <extracomment>In the Mule or PK column: the character is not a mule (game word: a character kept to carry another&apos;s goods), or not a player killer.</extracomment>
        <translation>Nein</translation>
    </message>
</context>
<context>
    <name>Grid</name>
    <message>
        <source>&amp;Export List...</source>
        <translation>Liste e&amp;xportieren...</translation>
    </message>
</context>
<context>
    <name>GuildActivity</name>
    <message>
        <source>The server keeps no change history, so joins and departures cannot be counted.</source>
        <translation>Der Server führt keinen Änderungsverlauf, daher können Beitritte und Austritte nicht gezählt werden.</translation>
    </message>
    <message>
        <source>The change history holds no entry yet.</source>
        <translation>Der Änderungsverlauf enthält noch keinen Eintrag.</translation>
    </message>
    <message>
        <source>The change history reaches back to %1 only; earlier weeks show nothing.</source>
        <extracomment>%1 is the day of the oldest change kept, YYYY-MM-DD</extracomment>
        <translation>Der Änderungsverlauf reicht nur bis %1 zurück; frühere Wochen zeigen nichts.</translation>
    </message>
</context>
<context>
    <name>GuildFactsSource</name>
    <message>
        <source>Downloading Guild Facts</source>
        <translation>Gildendaten werden heruntergeladen</translation>
    </message>
    <message>
        <source>The server&apos;s answer could not be read.</source>
        <translation>Die Antwort des Servers konnte nicht gelesen werden.</translation>
    </message>
</context>
<context>
    <name>GuildLists</name>
    <message>
        <source>Downloading %1 Info</source>
        <extracomment>Status bar; %1 is the guild&apos;s name for its rescue squad (the members who come to the help of others), &quot;Rescue Squad&quot; unless the guild named it otherwise</extracomment>
        <translation>Daten von %1 werden heruntergeladen</translation>
    </message>
    <message>
        <source>Downloading Summonable Portal Info</source>
        <extracomment>Status bar; the list of members who can summon a portal</extracomment>
        <translation>Daten beschwörbarer Portale werden heruntergeladen</translation>
    </message>
    <message>
        <source>Downloading Trade Skill Info</source>
        <translation>Handwerksdaten werden heruntergeladen</translation>
    </message>
</context>
<context>
    <name>GuildStatistics</name>
    <message>
        <source>Members by level</source>
        <extracomment>Chart title: how many members are of each band of levels</extracomment>
        <translation>Mitglieder nach Stufe</translation>
    </message>
    <message>
        <source>Level</source>
        <extracomment>Axis and column title: bands of character levels, such as 1-10</extracomment>
        <translation>Stufe</translation>
    </message>
    <message>
        <source>Members by rank</source>
        <extracomment>Chart title: how many members are of each rank in the allegiance</extracomment>
        <translation>Mitglieder nach Rang</translation>
    </message>
    <message>
        <source>Rank</source>
        <extracomment>Axis and column title: the ranks in the allegiance, numbers 1 to 10</extracomment>
        <translation>Rang</translation>
    </message>
    <message>
        <source>Vassal slots in use</source>
        <extracomment>Chart title: how many members have 0, 1, 2... vassals (characters sworn to them)</extracomment>
        <translation>Belegte Vasallenplätze</translation>
    </message>
    <message>
        <source>Vassals</source>
        <extracomment>Axis and column title: numbers of vassals sworn to a member</extracomment>
        <translation>Vasallen</translation>
    </message>
    <message>
        <source>Members by race</source>
        <extracomment>Chart title: how many members are of each race</extracomment>
        <translation>Mitglieder nach Rasse</translation>
    </message>
    <message>
        <source>Race</source>
        <extracomment>Axis and column title: the characters&apos; races</extracomment>
        <translation>Rasse</translation>
    </message>
    <message>
        <source>Members by sex</source>
        <extracomment>Chart title: how many members are of each sex</extracomment>
        <translation>Mitglieder nach Geschlecht</translation>
    </message>
    <message>
        <source>Sex</source>
        <extracomment>Axis and column title: the characters&apos; sex, male or female</extracomment>
        <translation>Geschlecht</translation>
    </message>
    <message>
        <source>Unknown</source>
        <extracomment>The bar of the members whose rank in the allegiance is not known</extracomment>
        <translation>Unbekannt</translation>
    </message>
    <message>
        <source>%1 or more</source>
        <extracomment>The bar of the members with this many vassals or more; %1 is a number</extracomment>
        <translation>%1 oder mehr</translation>
    </message>
</context>
<context>
    <name>HTTPRequest</name>
    <message>
        <source>the TLS handshake failed (%1)</source>
        <extracomment>Why the server could not be reached; it ends a sentence, after a colon. %1 is the connection&apos;s own error text.</extracomment>
        <translation>der TLS-Handshake ist fehlgeschlagen (%1)</translation>
    </message>
</context>
<context>
    <name>HistoryPayload</name>
    <message>
        <source>Set up the guild</source>
        <extracomment>A change of the guild&apos;s history: the server was set up.</extracomment>
        <translation>Gilde eingerichtet</translation>
    </message>
    <message>
        <source>Added %1</source>
        <extracomment>A change of the guild&apos;s history; %1 is the character added to the allegiance.</extracomment>
        <translation>%1 hinzugefügt</translation>
    </message>
    <message>
        <source>Added %1 under %2</source>
        <extracomment>A change of the guild&apos;s history; %1 is the character added to the allegiance, %2 its patron (game word: the character a vassal is sworn to).</extracomment>
        <translation>%1 unter %2 hinzugefügt</translation>
    </message>
    <message numerus="yes">
        <source>Removed %1 and %n followers from under %2</source>
        <extracomment>A change of the guild&apos;s history; %1 is the character removed from the allegiance, %n the number of its followers (game word: the characters below it) removed with it, %2 its patron (game word: the character it was sworn to).</extracomment>
        <translation>
            <numerusform>%1 und %n Gefolgsmann unter %2 entfernt</numerusform>
            <numerusform>%1 und %n Gefolgsleute unter %2 entfernt</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Removed %1 and %n followers</source>
        <extracomment>A change of the guild&apos;s history; %1 is the character removed from the allegiance, %n the number of its followers (game word: the characters below it) removed with it.</extracomment>
        <translation>
            <numerusform>%1 und %n Gefolgsmann entfernt</numerusform>
            <numerusform>%1 und %n Gefolgsleute entfernt</numerusform>
        </translation>
    </message>
    <message>
        <source>Removed %1 from under %2</source>
        <extracomment>A change of the guild&apos;s history; %1 is the character removed from the allegiance, %2 its patron (game word: the character it was sworn to).</extracomment>
        <translation>%1 unter %2 entfernt</translation>
    </message>
    <message>
        <source>Removed %1</source>
        <extracomment>A change of the guild&apos;s history; %1 is the character removed from the allegiance.</extracomment>
        <translation>%1 entfernt</translation>
    </message>
    <message>
        <source>Moved %1</source>
        <extracomment>A change of the guild&apos;s history; %1 is the character that changed patrons (game word: the character one is sworn to in the allegiance).</extracomment>
        <translation>%1 verschoben</translation>
    </message>
    <message>
        <source>Moved %1 from the top to %2</source>
        <extracomment>A change of the guild&apos;s history; %1 is the character that changed patrons (game word: the character one is sworn to in the allegiance), from none, at the top of the tree, to %2.</extracomment>
        <translation>%1 von der Spitze zu %2 verschoben</translation>
    </message>
    <message>
        <source>Moved %1 from %2 to %3</source>
        <extracomment>A change of the guild&apos;s history; %1 is the character that changed patrons (game word: the character one is sworn to in the allegiance), from %2 to %3.</extracomment>
        <translation>%1 von %2 zu %3 verschoben</translation>
    </message>
    <message>
        <source>Saved %1</source>
        <extracomment>A change of the guild&apos;s history; %1 is the character whose record was saved.</extracomment>
        <translation>%1 gespeichert</translation>
    </message>
    <message>
        <source>Changed the password of %1</source>
        <extracomment>A change of the guild&apos;s history; %1 is a character.</extracomment>
        <translation>Passwort von %1 geändert</translation>
    </message>
    <message>
        <source>Reset the password of %1</source>
        <extracomment>A change of the guild&apos;s history; %1 is a character.</extracomment>
        <translation>Passwort von %1 zurückgesetzt</translation>
    </message>
    <message>
        <source>Made %1 an administrator</source>
        <extracomment>A change of the guild&apos;s history; %1 is a character.</extracomment>
        <translation>%1 zum Administrator gemacht</translation>
    </message>
    <message>
        <source>Made %1 a normal user</source>
        <extracomment>A change of the guild&apos;s history; %1 is a character.</extracomment>
        <translation>%1 zum normalen Benutzer gemacht</translation>
    </message>
    <message>
        <source>Changed the server setup</source>
        <extracomment>A change of the guild&apos;s history.</extracomment>
        <translation>Servereinrichtung geändert</translation>
    </message>
    <message>
        <source>Undid change #%1 (%2)</source>
        <extracomment>A change of the guild&apos;s history; %1 is the number of the change undone, %2 the character it concerned.</extracomment>
        <translation>Änderung #%1 rückgängig gemacht (%2)</translation>
    </message>
    <message>
        <source>changed</source>
        <extracomment>Shown for a password in the list of a change&apos;s values, in place of old and new.</extracomment>
        <translation>geändert</translation>
    </message>
    <message>
        <source>brought back: %1</source>
        <extracomment>A member of the allegiance brought back by undoing a removal; %1 is its name.</extracomment>
        <translation>zurückgeholt: %1</translation>
    </message>
    <message>
        <source>removed: %1</source>
        <extracomment>A member removed from the allegiance; %1 is its name.</extracomment>
        <translation>entfernt: %1</translation>
    </message>
    <message>
        <source>(empty)</source>
        <extracomment>An empty value of a field, before or after a change.</extracomment>
        <translation>(leer)</translation>
    </message>
</context>
<context>
    <name>HistoryView</name>
    <message>
        <source>Date (UTC)</source>
        <extracomment>Column header: when the change was made</extracomment>
        <translation>Datum (UTC)</translation>
    </message>
    <message>
        <source>By</source>
        <extracomment>Column header: the member who made the change</extracomment>
        <translation>Von</translation>
    </message>
    <message>
        <source>Change</source>
        <extracomment>Column header: what the change was</extracomment>
        <translation>Änderung</translation>
    </message>
    <message>
        <source>Change History</source>
        <translation>Änderungsverlauf</translation>
    </message>
    <message>
        <source>Refresh</source>
        <extracomment>Button: reads the history again</extracomment>
        <translation>Aktualisieren</translation>
    </message>
    <message>
        <source>Older Changes</source>
        <extracomment>Button: reads the page of changes before those shown</extracomment>
        <translation>Ältere Änderungen</translation>
    </message>
    <message>
        <source>Undo...</source>
        <extracomment>Button: undoes the selected change, after asking</extracomment>
        <translation>Rückgängig...</translation>
    </message>
    <message>
        <source>%1  (undone by #%2)</source>
        <extracomment>%1 is the description of a change, %2 the number of the later change that undid it</extracomment>
        <translation>%1  (rückgängig gemacht durch #%2)</translation>
    </message>
    <message>
        <source>Change #%1</source>
        <extracomment>%1 is the change&apos;s number in the guild&apos;s history</extracomment>
        <translation>Änderung #%1</translation>
    </message>
</context>
<context>
    <name>KnownCertificates</name>
    <message>
        <source>(none)</source>
        <extracomment>Shown for a certificate that names no owner or issuer.</extracomment>
        <translation>(keine Angabe)</translation>
    </message>
    <message>
        <source>The ZORV server at %1 sent a certificate that cannot be verified:</source>
        <extracomment>%1 is the server&apos;s address.</extracomment>
        <translation>Der ZORV-Server unter %1 hat ein Zertifikat gesendet, das nicht überprüft werden kann:</translation>
    </message>
    <message>
        <source>Subject: %1
Issuer: %2
Valid from %3 to %4
SHA-256 fingerprint: %5</source>
        <extracomment>%1 and %2 name the certificate&apos;s owner and issuer, %3 and %4 are dates, %5 the certificate&apos;s digest.</extracomment>
        <translation>Inhaber: %1
Aussteller: %2
Gültig von %3 bis %4
SHA-256-Fingerabdruck: %5</translation>
    </message>
    <message>
        <source>This is not the certificate you accepted for this server before.  A server&apos;s certificate changes when it is renewed, but also when someone else answers in its place.</source>
        <translation>Dies ist nicht das Zertifikat, das Sie zuvor für diesen Server akzeptiert haben.  Das Zertifikat eines Servers ändert sich, wenn es erneuert wird, aber auch, wenn jemand anderes an seiner Stelle antwortet.</translation>
    </message>
    <message>
        <source>Accept this certificate for this server?  Answer Yes only if you know the fingerprint is the server&apos;s own; it will then be accepted without asking until it changes.</source>
        <translation>Dieses Zertifikat für diesen Server akzeptieren?  Antworten Sie nur dann mit Ja, wenn Sie wissen, dass der Fingerabdruck der des Servers ist; das Zertifikat wird dann ohne Nachfrage akzeptiert, bis es sich ändert.</translation>
    </message>
</context>
<context>
    <name>ListPayloads</name>
    <message>
        <source>Yes</source>
        <extracomment>A cell of the rescue squad list (game word: the members who come to rescue the guild&apos;s characters): the flag of its column is set.</extracomment>
        <translation>Ja</translation>
    </message>
    <message>
        <source>No</source>
        <extracomment>A cell of the rescue squad list: the flag of its column is not set.</extracomment>
        <translation>Nein</translation>
    </message>
    <message>
        <source>None Found!</source>
        <extracomment>The only row of the skill search&apos;s results when no character matches.</extracomment>
        <translation>Nichts gefunden!</translation>
    </message>
</context>
<context>
    <name>LoginFlow</name>
    <message>
        <source>Congratulations!  The new ZORV server is setup.  I hope you and your guild enjoy the program!</source>
        <extracomment>ZORV is the program&apos;s name</extracomment>
        <translation>Herzlichen Glückwunsch!  Der neue ZORV-Server ist eingerichtet.  Ich hoffe, Sie und Ihre Gilde haben viel Freude an dem Programm!</translation>
    </message>
    <message>
        <source>Your changes to %1 were not saved: they belong to the guild you logged in to before.</source>
        <extracomment>%1 is the name of the character whose record was being edited</extracomment>
        <translation>Ihre Änderungen an %1 wurden nicht gespeichert: sie gehören zu der Gilde, bei der Sie zuvor angemeldet waren.</translation>
    </message>
    <message>
        <source>You must provide all the information here!</source>
        <translation>Sie müssen hier alle Angaben machen!</translation>
    </message>
    <message>
        <source>Error!  The server is returning invalid info.</source>
        <translation>Fehler!  Der Server liefert ungültige Daten.</translation>
    </message>
    <message>
        <source>Error! This version of the ZORV client is for use on a newer server. Please contact your ZORV server admin.</source>
        <extracomment>ZORV is the program&apos;s name</extracomment>
        <translation>Fehler! Diese Version des ZORV-Clients ist für einen neueren Server bestimmt. Bitte wenden Sie sich an den Administrator Ihres ZORV-Servers.</translation>
    </message>
    <message>
        <source>Error! This client is too old for this ZORV server.  You must download a new version of the client</source>
        <extracomment>ZORV is the program&apos;s name</extracomment>
        <translation>Fehler! Dieser Client ist zu alt für diesen ZORV-Server.  Sie müssen eine neue Version des Clients herunterladen</translation>
    </message>
    <message>
        <source>%1 Member</source>
        <extracomment>Check box on the sheet: the character belongs to the rescue squad (the members who come to the help of others); %1 is the guild&apos;s name for its squad, such as &quot;Rescue Squad&quot;</extracomment>
        <translation>Mitglied von %1</translation>
    </message>
    <message>
        <source>The ZORV server at %1 could not be reached: %2<byte value="xd"/>
<byte value="xd"/>
Open the tree kept from %3 read-only?  Nothing can be changed until the server answers; ZORV keeps trying, and logs in by itself when it does.</source>
        <extracomment>%1 is the server&apos;s address, %2 why it could not be reached, %3 the date and time the tree was kept; ZORV is the program&apos;s name</extracomment>
        <translation>Der ZORV-Server unter %1 ist nicht erreichbar: %2<byte value="xd"/>
<byte value="xd"/>
Den gespeicherten Baum vom %3 schreibgeschützt öffnen?  Bis der Server antwortet, kann nichts geändert werden; ZORV versucht es weiter und meldet sich selbst an, sobald er antwortet.</translation>
    </message>
    <message>
        <source>Connection Error</source>
        <translation>Verbindungsfehler</translation>
    </message>
    <message>
        <source>The tree kept from %1 cannot be read.</source>
        <extracomment>%1 is the date and time the tree was kept</extracomment>
        <translation>Der gespeicherte Baum vom %1 kann nicht gelesen werden.</translation>
    </message>
    <message>
        <source>Read-only copy from %1</source>
        <extracomment>Status bar: the tree shown is the one kept; %1 is the date and time it was kept</extracomment>
        <translation>Schreibgeschützte Kopie vom %1</translation>
    </message>
    <message>
        <source>Read-only copy from %1: the server cannot be reached</source>
        <extracomment>Status bar: %1 is the date and time the tree shown was kept</extracomment>
        <translation>Schreibgeschützte Kopie vom %1: der Server ist nicht erreichbar</translation>
    </message>
    <message>
        <source>ZORV - %1 - Read-only copy from %2 (the server cannot be reached)</source>
        <extracomment>Window title; %1 is the character logged in, %2 the date and time the tree shown was kept</extracomment>
        <translation>ZORV - %1 - Schreibgeschützte Kopie vom %2 (Server nicht erreichbar)</translation>
    </message>
</context>
<context>
    <name>MainMenus</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Login</source>
        <extracomment>Logs in again, to this or another server</extracomment>
        <translation>&amp;Anmelden</translation>
    </message>
    <message>
        <source>E&amp;xport List...</source>
        <translation>Liste e&amp;xportieren...</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>Current &amp;Player Functions</source>
        <extracomment>Menu: what is done for the selected character: vassals, patron, password</extracomment>
        <translation>&amp;Charakterfunktionen</translation>
    </message>
    <message>
        <source>&amp;Add Vassal</source>
        <extracomment>Adds a vassal (a character sworn to one as patron) under the selected character</extracomment>
        <translation>Vasallen &amp;hinzufügen</translation>
    </message>
    <message>
        <source>&amp;Change Patron</source>
        <extracomment>Moves the selected character under another patron (the character one is sworn to)</extracomment>
        <translation>&amp;Lehnsherrn wechseln</translation>
    </message>
    <message>
        <source>Change &amp;Password</source>
        <translation>&amp;Passwort ändern</translation>
    </message>
    <message>
        <source>&amp;Tree Operations</source>
        <extracomment>Menu: the allegiance tree</extracomment>
        <translation>&amp;Baumfunktionen</translation>
    </message>
    <message>
        <source>E&amp;xpand Entire Tree</source>
        <translation>Ganzen Baum &amp;aufklappen</translation>
    </message>
    <message>
        <source>Expand Entire &amp;Node</source>
        <extracomment>Opens every branch below the selected character in the tree</extracomment>
        <translation>Ganzen &amp;Knoten aufklappen</translation>
    </message>
    <message>
        <source>&amp;Collapse Entire Tree</source>
        <translation>Ganzen Baum &amp;zuklappen</translation>
    </message>
    <message>
        <source>Collapse Entire N&amp;ode</source>
        <extracomment>Closes every branch below the selected character in the tree</extracomment>
        <translation>Ganzen Knoten z&amp;uklappen</translation>
    </message>
    <message>
        <source>&amp;Allegiance Chart...</source>
        <extracomment>The allegiance: the guild&apos;s members, each sworn to a patron above it</extracomment>
        <translation>&amp;Gefolgschaftsdiagramm...</translation>
    </message>
    <message>
        <source>Guild &amp;Statistics...</source>
        <translation>Gilden&amp;statistik...</translation>
    </message>
    <message>
        <source>A&amp;ttention Report...</source>
        <translation>&amp;Prüfbericht...</translation>
    </message>
    <message>
        <source>&amp;Recent Changes...</source>
        <translation>&amp;Letzte Änderungen...</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <extracomment>Menu bar item: opens the options</extracomment>
        <translation>&amp;Optionen</translation>
    </message>
    <message>
        <source>&amp;Administrator</source>
        <extracomment>Menu: what administrators do</extracomment>
        <translation>&amp;Administrator</translation>
    </message>
    <message>
        <source>&amp;Backup Database</source>
        <extracomment>Saves the whole guild to a file</extracomment>
        <translation>&amp;Datenbank sichern</translation>
    </message>
    <message>
        <source>Change Character&apos;s Security &amp;Level</source>
        <translation>&amp;Sicherheitsstufe des Charakters ändern</translation>
    </message>
    <message>
        <source>Reset Character&apos;s &amp;Password</source>
        <translation>&amp;Passwort des Charakters zurücksetzen</translation>
    </message>
    <message>
        <source>Server &amp;Setup</source>
        <translation>Server&amp;einrichtung</translation>
    </message>
    <message>
        <source>&amp;Notifications...</source>
        <extracomment>The chat channels the guild&apos;s changes are sent to</extracomment>
        <translation>&amp;Benachrichtigungen...</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>Ü&amp;ber ZORV</translation>
    </message>
</context>
<context>
    <name>MainViews</name>
    <message>
        <source>Refresh List</source>
        <extracomment>Button: downloads the list again</extracomment>
        <translation>Liste aktualisieren</translation>
    </message>
    <message>
        <source>Allegiance Tree</source>
        <extracomment>Tab and frame: the allegiance, each member under the patron it is sworn to</extracomment>
        <translation>Gefolgschaftsbaum</translation>
    </message>
    <message>
        <source>&amp;Refresh Tree</source>
        <translation>Baum &amp;aktualisieren</translation>
    </message>
    <message>
        <source>F&amp;ind Character</source>
        <translation>Charakter &amp;finden</translation>
    </message>
    <message>
        <source>Flat Listing</source>
        <extracomment>Tab: every member in one list</extracomment>
        <translation>Gesamtliste</translation>
    </message>
    <message>
        <source>Flat List</source>
        <extracomment>Frame and list: every member in one list</extracomment>
        <translation>Gesamtliste</translation>
    </message>
    <message>
        <source>Rescue Squad List</source>
        <extracomment>Tab: the members of the rescue squad (the members who come to the help of others), until the login gives the guild&apos;s own name for it</extracomment>
        <translation>Rettungstrupp-Liste</translation>
    </message>
    <message>
        <source>Rescue Squad</source>
        <extracomment>Frame and list: the members who come to the help of others, until the login gives the guild&apos;s own name for them</extracomment>
        <translation>Rettungstrupp</translation>
    </message>
    <message>
        <source>Summonable Portal List</source>
        <extracomment>Tab, frame and list: the members who can summon a portal (a gateway to another place)</extracomment>
        <translation>Beschwörbare Portale</translation>
    </message>
    <message>
        <source>Trade Skills List</source>
        <extracomment>Tab: the members trained in the trade skills</extracomment>
        <translation>Handwerksfertigkeiten</translation>
    </message>
    <message>
        <source>Trade Skill List</source>
        <extracomment>Frame and list: the members trained in the trade skills</extracomment>
        <translation>Handwerksfertigkeiten</translation>
    </message>
    <message>
        <source>Search</source>
        <extracomment>Tab and frame: searching the members by race, rank and skills</extracomment>
        <translation>Suche</translation>
    </message>
    <message>
        <source>Search Filter</source>
        <translation>Suchfilter</translation>
    </message>
    <message>
        <source>Search</source>
        <comment>button</comment>
        <extracomment>Button: starts the search</extracomment>
        <translation>Suchen</translation>
    </message>
    <message>
        <source>Reset</source>
        <extracomment>Button: sets the search&apos;s choices back to any race, any rank and no skills</extracomment>
        <translation>Zurücksetzen</translation>
    </message>
    <message>
        <source>Race: </source>
        <extracomment>Label of the race to search for; keep the space at the end</extracomment>
        <translation>Rasse: </translation>
    </message>
    <message>
        <source>Rank: </source>
        <extracomment>Label of the rank in the allegiance to search for; keep the space at the end</extracomment>
        <translation>Rang: </translation>
    </message>
    <message>
        <source>Sa&amp;ve</source>
        <extracomment>Button: keeps the search under the name typed beside it</extracomment>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>De&amp;lete</source>
        <extracomment>Button: deletes the saved search named beside it</extracomment>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>Saved searches:</source>
        <translation>Gespeicherte Suchen:</translation>
    </message>
    <message>
        <source>Show in &amp;Tree</source>
        <extracomment>Button: marks the members found in the allegiance tree</extracomment>
        <translation>Im &amp;Baum zeigen</translation>
    </message>
    <message>
        <source>Views</source>
        <extracomment>The main window&apos;s tabs</extracomment>
        <translation>Ansichten</translation>
    </message>
    <message>
        <source>Search Skill Values</source>
        <extracomment>The grid of the least skill values to search for</extracomment>
        <translation>Gesuchte Fertigkeitswerte</translation>
    </message>
    <message>
        <source>Search Results</source>
        <translation>Suchergebnisse</translation>
    </message>
    <message>
        <source>Saved searches</source>
        <translation>Gespeicherte Suchen</translation>
    </message>
</context>
<context>
    <name>NotifyFormat</name>
    <message>
        <source>Discord webhook</source>
        <extracomment>The form of the messages: those a Discord channel&apos;s webhook takes</extracomment>
        <translation>Discord-Webhook</translation>
    </message>
    <message>
        <source>Slack incoming webhook</source>
        <extracomment>The form of the messages: those a Slack channel&apos;s incoming webhook takes</extracomment>
        <translation>Eingehender Slack-Webhook</translation>
    </message>
    <message>
        <source>Plain JSON</source>
        <extracomment>The form of the messages: plain JSON, for a receiver of one&apos;s own</extracomment>
        <translation>Reines JSON</translation>
    </message>
</context>
<context>
    <name>NotifyKind</name>
    <message>
        <source>&amp;Joins</source>
        <extracomment>A kind of change to send to a chat channel: members who join the guild</extracomment>
        <translation>&amp;Beitritte</translation>
    </message>
    <message>
        <source>&amp;Departures (with the branch that left)</source>
        <extracomment>A kind of change to send: members who leave, with their vassals below them; the list of targets shows it without the part in brackets</extracomment>
        <translation>Aus&amp;tritte (mit dem ausgetretenen Zweig)</translation>
    </message>
    <message>
        <source>&amp;Patron changes</source>
        <extracomment>A kind of change to send: members moved to another patron (the character one is sworn to)</extracomment>
        <translation>&amp;Lehnsherrnwechsel</translation>
    </message>
    <message>
        <source>&amp;Security level changes</source>
        <extracomment>A kind of change to send: members made administrators or normal users</extracomment>
        <translation>Änderungen der &amp;Sicherheitsstufe</translation>
    </message>
    <message>
        <source>Server set-&amp;up changes</source>
        <extracomment>A kind of change to send: the guild&apos;s server set-up (its name, its rescue squad)</extracomment>
        <translation>Änderungen der Server&amp;einrichtung</translation>
    </message>
</context>
<context>
    <name>PasswordRules</name>
    <message>
        <source>Your password is too short!  It must be at least %1 characters long.</source>
        <extracomment>%1 is the least number of characters a password takes.</extracomment>
        <translation>Ihr Passwort ist zu kurz!  Es muss mindestens %1 Zeichen lang sein.</translation>
    </message>
    <message>
        <source>Your password is too long!  It can be at most %1 characters long.</source>
        <extracomment>%1 is the greatest number of characters a password takes.</extracomment>
        <translation>Ihr Passwort ist zu lang!  Es darf höchstens %1 Zeichen lang sein.</translation>
    </message>
</context>
<context>
    <name>Race</name>
    <message>
        <source>Unknown</source>
        <translation>Unbekannt</translation>
    </message>
    <message>
        <source>Aluvian</source>
        <translation>Aluvian</translation>
    </message>
    <message>
        <source>Gharu&apos;ndim</source>
        <translation>Gharu&apos;ndim</translation>
    </message>
    <message>
        <source>Sho</source>
        <translation>Sho</translation>
    </message>
</context>
<context>
    <name>RankTitles</name>
    <message>
        <source>Unknown</source>
        <extracomment>The rank title shown for rank 0, for which no title is known.</extracomment>
        <translation>Unbekannt</translation>
    </message>
</context>
<context>
    <name>Refusal</name>
    <message>
        <source>The value &apos;%1&apos; of %2 is not a whole number</source>
        <translation>Der Wert „%1“ für %2 ist keine ganze Zahl</translation>
    </message>
    <message>
        <source>The value &apos;%1&apos; of %2 is not between %3 and %4</source>
        <translation>Der Wert „%1“ für %2 liegt nicht zwischen %3 und %4</translation>
    </message>
    <message>
        <source>The skill number &apos;%1&apos; of %2 is not a whole number</source>
        <translation>Die Fertigkeitsnummer „%1“ in %2 ist keine ganze Zahl</translation>
    </message>
    <message>
        <source>The skill number &apos;%1&apos; of %2 is not between %3 and %4</source>
        <translation>Die Fertigkeitsnummer „%1“ in %2 liegt nicht zwischen %3 und %4</translation>
    </message>
    <message>
        <source>The training &apos;%1&apos; of %2 is not a whole number</source>
        <translation>Die Ausbildung „%1“ in %2 ist keine ganze Zahl</translation>
    </message>
    <message>
        <source>The training &apos;%1&apos; of %2 is not between %3 and %4</source>
        <translation>Die Ausbildung „%1“ in %2 liegt nicht zwischen %3 und %4</translation>
    </message>
    <message>
        <source>The minimum &apos;%1&apos; of %2 is not a whole number</source>
        <translation>Der Mindestwert „%1“ in %2 ist keine ganze Zahl</translation>
    </message>
    <message>
        <source>The minimum &apos;%1&apos; of %2 is not between %3 and %4</source>
        <translation>Der Mindestwert „%1“ in %2 liegt nicht zwischen %3 und %4</translation>
    </message>
    <message>
        <source>The value &apos;%1&apos; of %2 is not a valid name</source>
        <translation>Der Wert „%1“ für %2 ist kein gültiger Name</translation>
    </message>
    <message>
        <source>The value &apos;%1&apos; of %2 is a reserved name</source>
        <translation>Der Wert „%1“ für %2 ist ein reservierter Name</translation>
    </message>
    <message>
        <source>The value &apos;%1&apos; of %2 is longer than %3 bytes</source>
        <translation>Der Wert „%1“ für %2 ist länger als %3 Bytes</translation>
    </message>
    <message>
        <source>The value of %1 holds a reply marker</source>
        <translation>Der Wert für %1 enthält eine Antwortmarkierung</translation>
    </message>
    <message>
        <source>The value &apos;%1&apos; of %2 is not 0 or 1</source>
        <translation>Der Wert „%1“ für %2 ist nicht 0 oder 1</translation>
    </message>
    <message>
        <source>The value of %1 is longer than %2 bytes</source>
        <translation>Der Wert für %1 ist länger als %2 Bytes</translation>
    </message>
    <message>
        <source>%1 comes twice in %2</source>
        <translation>%1 kommt in %2 zweimal vor</translation>
    </message>
    <message>
        <source>The entry &apos;%1&apos; of %2 is not skill,training,value</source>
        <translation>Der Eintrag „%1“ in %2 hat nicht die Form Fertigkeit,Ausbildung,Wert</translation>
    </message>
    <message>
        <source>The entry &apos;%1&apos; of %2 is not skill,minimum</source>
        <translation>Der Eintrag „%1“ in %2 hat nicht die Form Fertigkeit,Mindestwert</translation>
    </message>
    <message>
        <source>The value &apos;%1&apos; of %2 is not acceptable</source>
        <translation>Der Wert „%1“ für %2 ist nicht zulässig</translation>
    </message>
    <message>
        <source>%1 is no longer in the guild</source>
        <translation>%1 ist nicht mehr in der Gilde</translation>
    </message>
    <message>
        <source>%1 is now %2</source>
        <translation>%1 heißt jetzt %2</translation>
    </message>
    <message>
        <source>%1, %2&apos;s patron, is no longer in the guild</source>
        <translation>%1, der Lehnsherr von %2, ist nicht mehr in der Gilde</translation>
    </message>
    <message>
        <source>%1 has %2 vassals, the most the guild allows</source>
        <translation>%1 hat %2 Vasallen, so viele wie die Gilde höchstens erlaubt</translation>
    </message>
    <message>
        <source>the %1 of %2 has been changed since</source>
        <translation>%1 von %2 wurde inzwischen geändert</translation>
    </message>
    <message>
        <source>the entry&apos;s old %1 is not %2</source>
        <translation>der alte Wert von %1 im Eintrag ist nicht %2</translation>
    </message>
    <message>
        <source>the name %1 has been taken since</source>
        <translation>der Name %1 ist inzwischen vergeben</translation>
    </message>
    <message>
        <source>%1 is the guild&apos;s only administrator</source>
        <translation>%1 ist der einzige Administrator der Gilde</translation>
    </message>
    <message>
        <source>the entry changed nothing that can be put back</source>
        <translation>der Eintrag hat nichts geändert, was sich zurücksetzen lässt</translation>
    </message>
    <message>
        <source>nobody removes their own login</source>
        <translation>niemand kann seinen eigenen Zugang entfernen</translation>
    </message>
    <message>
        <source>%1 has moved to another patron since</source>
        <translation>%1 ist inzwischen zu einem anderen Lehnsherrn gewechselt</translation>
    </message>
    <message>
        <source>%1 has vassals now</source>
        <translation>%1 hat jetzt Vasallen</translation>
    </message>
    <message>
        <source>%1&apos;s record has been saved since</source>
        <translation>der Charakterbogen von %1 wurde inzwischen gespeichert</translation>
    </message>
    <message>
        <source>%1 has been made an administrator since</source>
        <translation>%1 wurde inzwischen zum Administrator gemacht</translation>
    </message>
    <message>
        <source>the entry holds no removed record</source>
        <translation>der Eintrag enthält keinen entfernten Datensatz</translation>
    </message>
    <message>
        <source>the guild has no room for %1 members</source>
        <translation>die Gilde hat keinen Platz für %1 Mitglieder</translation>
    </message>
    <message>
        <source>the id %1 of %2 belongs to %3 now</source>
        <translation>die ID %1 von %2 gehört jetzt %3</translation>
    </message>
    <message>
        <source>the entry does not say where %1 was</source>
        <translation>der Eintrag sagt nicht, wo %1 war</translation>
    </message>
    <message>
        <source>%1 has moved again since</source>
        <translation>%1 wurde inzwischen erneut verschoben</translation>
    </message>
    <message>
        <source>the old patron is now among %1&apos;s followers</source>
        <translation>der alte Lehnsherr gehört jetzt zu den Gefolgsleuten von %1</translation>
    </message>
    <message>
        <source>the setting %1 has been changed since</source>
        <translation>die Einstellung %1 wurde inzwischen geändert</translation>
    </message>
    <message>
        <source>a new default password cannot be undone</source>
        <translation>ein neues Standardpasswort lässt sich nicht rückgängig machen</translation>
    </message>
    <message>
        <source>no URL</source>
        <translation>keine URL</translation>
    </message>
    <message>
        <source>the URL is longer than %1 characters</source>
        <translation>die URL ist länger als %1 Zeichen</translation>
    </message>
    <message>
        <source>the URL holds a blank, a control character or a letter outside ASCII</source>
        <translation>die URL enthält ein Leerzeichen, ein Steuerzeichen oder einen Buchstaben außerhalb von ASCII</translation>
    </message>
    <message>
        <source>the URL must begin with https://</source>
        <translation>die URL muss mit https:// beginnen</translation>
    </message>
    <message>
        <source>the URL names no host</source>
        <translation>die URL nennt keinen Host</translation>
    </message>
    <message>
        <source>the URL must not carry a user name or password</source>
        <translation>die URL darf keinen Benutzernamen und kein Passwort enthalten</translation>
    </message>
    <message>
        <source>the URL&apos;s port must be a number from %1 to %2</source>
        <translation>der Port der URL muss eine Zahl von %1 bis %2 sein</translation>
    </message>
    <message>
        <source>http:// is for a receiver on this machine only (127.0.0.1, localhost, [::1]); use https://</source>
        <translation>http:// gilt nur für einen Empfänger auf diesem Rechner (127.0.0.1, localhost, [::1]); verwenden Sie https://</translation>
    </message>
    <message>
        <source>this server takes no http:// receivers; use https:// (its operator may allow receivers on its own machine)</source>
        <translation>dieser Server nimmt keine http://-Empfänger an; verwenden Sie https:// (sein Betreiber kann Empfänger auf dem eigenen Rechner erlauben)</translation>
    </message>
    <message>
        <source>the guild sends to at most %1 targets; remove one first</source>
        <translation>die Gilde sendet an höchstens %1 Ziele; entfernen Sie zuerst eines</translation>
    </message>
    <message>
        <source>this server takes no http:// receivers; use https://</source>
        <translation>dieser Server nimmt keine http://-Empfänger an; verwenden Sie https://</translation>
    </message>
</context>
<context>
    <name>RequestCycle</name>
    <message>
        <source>Connecting to Server</source>
        <extracomment>Connection status, shown in a panel of the status bar.</extracomment>
        <translation>Verbindung wird hergestellt</translation>
    </message>
    <message>
        <source>Connected to Server</source>
        <extracomment>Connection status, shown in a panel of the status bar.</extracomment>
        <translation>Mit Server verbunden</translation>
    </message>
    <message>
        <source>Receiving Data</source>
        <extracomment>Connection status, shown in a panel of the status bar.</extracomment>
        <translation>Daten werden empfangen</translation>
    </message>
    <message>
        <source>%1 bytes received</source>
        <extracomment>Shown in a panel of the status bar; %1 is the number of bytes of the reply so far.</extracomment>
        <translation>%1 Bytes empfangen</translation>
    </message>
    <message>
        <source>Not Connected</source>
        <extracomment>Connection status, shown in a panel of the status bar.</extracomment>
        <translation>Nicht verbunden</translation>
    </message>
    <message>
        <source>The ZORV server at %1 could not be reached: %2</source>
        <extracomment>%1 is the server&apos;s address, %2 why it could not be reached.</extracomment>
        <translation>Der ZORV-Server unter %1 ist nicht erreichbar: %2</translation>
    </message>
    <message>
        <source>Connection Error</source>
        <translation>Verbindungsfehler</translation>
    </message>
    <message>
        <source>Certificate Not Trusted</source>
        <extracomment>Connection status, shown in a panel of the status bar.</extracomment>
        <translation>Zertifikat nicht vertrauenswürdig</translation>
    </message>
    <message>
        <source>Untrusted Certificate</source>
        <translation>Nicht vertrauenswürdiges Zertifikat</translation>
    </message>
    <message>
        <source>The certificate could not be remembered in %1.  It is accepted for now; you will be asked again next time.</source>
        <extracomment>%1 is the file that keeps the accepted certificates.</extracomment>
        <translation>Das Zertifikat konnte nicht in %1 gespeichert werden.  Es wird vorerst akzeptiert; beim nächsten Mal werden Sie erneut gefragt.</translation>
    </message>
    <message>
        <source>Closing Connection</source>
        <extracomment>Connection status, shown in a panel of the status bar.</extracomment>
        <translation>Verbindung wird getrennt</translation>
    </message>
    <message>
        <source>ZORV Error #%1</source>
        <extracomment>The title of a server error&apos;s message; %1 is its code.</extracomment>
        <translation>ZORV-Fehler #%1</translation>
    </message>
    <message>
        <source>Error #%1</source>
        <extracomment>%1 is the code of a server error that has no message of its own.</extracomment>
        <translation>Fehler #%1</translation>
    </message>
    <message>
        <source>it did not answer in time</source>
        <extracomment>Why the server could not be reached; it ends a sentence, after a colon.</extracomment>
        <translation>er hat nicht rechtzeitig geantwortet</translation>
    </message>
    <message>
        <source>A timeout error has occured!  This can mean manys things: <byte value="xd"/>
- The ZORV server is setup incorrectly or is down<byte value="xd"/>
- The server address you used is incorrect<byte value="xd"/>
- Your internet connection is down<byte value="xd"/>
- Or this program is gimpy</source>
        <translation>Eine Zeitüberschreitung ist aufgetreten!  Das kann viele Ursachen haben: <byte value="xd"/>
- Der ZORV-Server ist falsch eingerichtet oder ausgefallen<byte value="xd"/>
- Die verwendete Serveradresse ist falsch<byte value="xd"/>
- Ihre Internetverbindung ist unterbrochen<byte value="xd"/>
- Oder dieses Programm spinnt</translation>
    </message>
    <message>
        <source>Timeout!</source>
        <translation>Zeitüberschreitung!</translation>
    </message>
</context>
<context>
    <name>ScopeChoice</name>
    <message>
        <source>Branch of %1</source>
        <extracomment>What a window shows: the member and every follower below it in the allegiance; %1 is the member&apos;s name</extracomment>
        <translation>Zweig von %1</translation>
    </message>
    <message>
        <source>Branch</source>
        <extracomment>What a window shows: one member&apos;s part of the allegiance, when no member is selected</extracomment>
        <translation>Zweig</translation>
    </message>
</context>
<context>
    <name>Session</name>
    <message>
        <source>ZORV (%1) - Logged in as %2</source>
        <extracomment>The main window&apos;s title; %1 is the guild&apos;s name, %2 the character logged in.</extracomment>
        <translation>ZORV (%1) - Angemeldet als %2</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>The settings file %1 could not be read.  The remembered servers and characters are not offered.</source>
        <extracomment>%1 is the settings file.</extracomment>
        <translation>Die Einstellungsdatei %1 konnte nicht gelesen werden.  Die gespeicherten Server und Charaktere werden nicht angeboten.</translation>
    </message>
    <message>
        <source>The settings could not be saved to %1.</source>
        <extracomment>%1 is the settings file.</extracomment>
        <translation>Die Einstellungen konnten nicht in %1 gespeichert werden.</translation>
    </message>
</context>
<context>
    <name>Sex</name>
    <message>
        <source>Unknown</source>
        <translation>Unbekannt</translation>
    </message>
    <message>
        <source>Male</source>
        <translation>Männlich</translation>
    </message>
    <message>
        <source>Female</source>
        <translation>Weiblich</translation>
    </message>
</context>
<context>
    <name>SheetViews</name>
    <message>
        <source>%1:</source>
        <extracomment>The label before a field of the character sheet; %1 is the field&apos;s caption.</extracomment>
        <translation>%1:</translation>
    </message>
    <message>
        <source>&amp;Save Changes</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>R&amp;eset Changes</source>
        <translation>&amp;Verwerfen</translation>
    </message>
    <message>
        <source>Reloa&amp;d</source>
        <extracomment>A button: shows the character&apos;s record as someone else stored it, dropping one&apos;s edits.</extracomment>
        <translation>&amp;Neu laden</translation>
    </message>
    <message>
        <source>&amp;Keep Editing</source>
        <translation>&amp;Weiter bearbeiten</translation>
    </message>
    <message>
        <source>Basic Info</source>
        <translation>Grunddaten</translation>
    </message>
    <message>
        <source>Character Info</source>
        <translation>Charakterdaten</translation>
    </message>
    <message>
        <source>Yes</source>
        <extracomment>A choice of the Is Mule field (game word: a mule is a character kept to carry another&apos;s goods): the character is one.</extracomment>
        <translation>Ja</translation>
    </message>
    <message>
        <source>No</source>
        <extracomment>A choice of the Is Mule field (game word: a mule is a character kept to carry another&apos;s goods): the character is not one.</extracomment>
        <translation>Nein</translation>
    </message>
    <message>
        <source>Computed Rank:</source>
        <extracomment>The label of the rank worked out from the character&apos;s vassals (game word: the characters sworn to it), beside the rank stored.</extracomment>
        <translation>Berechneter Rang:</translation>
    </message>
    <message>
        <source>Allegiance Info</source>
        <extracomment>A tab of the character sheet (game word: the allegiance is the guild&apos;s tree of patrons and vassals).
----------
Game word: the allegiance is the guild&apos;s tree of patrons and vassals.</extracomment>
        <translation>Gefolgschaft</translation>
    </message>
    <message>
        <source>Change Patron</source>
        <extracomment>A button: the character swears to another patron (game word: the character one is sworn to in the allegiance).</extracomment>
        <translation>Lehnsherrn wechseln</translation>
    </message>
    <message>
        <source>Number of Followers in Tree:</source>
        <extracomment>The label of the number of the character&apos;s followers (game word: the characters below it in the allegiance) the tree shows, beside the number stored.</extracomment>
        <translation>Gefolgsleute im Baum:</translation>
    </message>
    <message>
        <source>Vassals</source>
        <extracomment>The frame of the list of the character&apos;s vassals (game word: the characters sworn to it).
----------
The name a screen reader gives the list of the character&apos;s vassals (game word: the characters sworn to it).</extracomment>
        <translation>Vasallen</translation>
    </message>
    <message>
        <source>Add Vassal</source>
        <extracomment>A button (game word: a vassal is a character sworn to another, its patron).</extracomment>
        <translation>Vasallen hinzufügen</translation>
    </message>
    <message>
        <source>Remove Vassal</source>
        <extracomment>A button (game word: a vassal is a character sworn to another, its patron).</extracomment>
        <translation>Vasallen entfernen</translation>
    </message>
    <message>
        <source>Immediate Tree</source>
        <extracomment>The frame of the part of the allegiance tree around the character: its patron and the characters below it.
----------
The part of the allegiance tree around the character: its patron and the characters below it.</extracomment>
        <translation>Baumausschnitt</translation>
    </message>
    <message>
        <source>Skills</source>
        <translation>Fertigkeiten</translation>
    </message>
    <message>
        <source>Training</source>
        <extracomment>A tab: the skills by how far the character is trained in them.</extracomment>
        <translation>Ausbildung</translation>
    </message>
    <message>
        <source>Lower</source>
        <extracomment>A button under a list of skills: moves the skills selected to the list of the next lower training.</extracomment>
        <translation>Senken</translation>
    </message>
    <message>
        <source>Raise</source>
        <extracomment>A button under a list of skills: moves the skills selected to the list of the next higher training.</extracomment>
        <translation>Erhöhen</translation>
    </message>
    <message>
        <source>Specialized Skills</source>
        <translation>Spezialisierte Fertigkeiten</translation>
    </message>
    <message>
        <source>Trained Skills</source>
        <translation>Ausgebildete Fertigkeiten</translation>
    </message>
    <message>
        <source>Untrained Skills</source>
        <translation>Nicht ausgebildete Fertigkeiten</translation>
    </message>
    <message>
        <source>Unusable Skills</source>
        <translation>Nicht nutzbare Fertigkeiten</translation>
    </message>
    <message>
        <source>Skill Values</source>
        <translation>Fertigkeitswerte</translation>
    </message>
    <message>
        <source>Real Life &amp; Contact Info</source>
        <extracomment>A tab of the character sheet: what its player tells about himself.</extracomment>
        <translation>Persönliches &amp; Kontakt</translation>
    </message>
    <message>
        <source>Real Life Info</source>
        <translation>Persönliche Angaben</translation>
    </message>
    <message>
        <source>Anything else you want others to know about you:</source>
        <translation>Was andere sonst noch über Sie wissen sollen:</translation>
    </message>
    <message>
        <source>Contact Info</source>
        <translation>Kontaktdaten</translation>
    </message>
    <message>
        <source>Awards</source>
        <translation>Auszeichnungen</translation>
    </message>
    <message>
        <source>Awards this character has received (only administrators may change them):</source>
        <translation>Auszeichnungen, die dieser Charakter erhalten hat (nur Administratoren dürfen sie ändern):</translation>
    </message>
    <message>
        <source>History</source>
        <extracomment>A tab of the character sheet: the changes made to the character.</extracomment>
        <translation>Verlauf</translation>
    </message>
    <message>
        <source>Sex</source>
        <extracomment>The name a screen reader gives the box of the character&apos;s sex.</extracomment>
        <translation>Geschlecht</translation>
    </message>
    <message>
        <source>Is Mule: Yes</source>
        <extracomment>Game word: a mule is a character kept to carry another&apos;s goods.</extracomment>
        <translation>Ist Mule: Ja</translation>
    </message>
    <message>
        <source>Is Mule: No</source>
        <extracomment>Game word: a mule is a character kept to carry another&apos;s goods.</extracomment>
        <translation>Ist Mule: Nein</translation>
    </message>
    <message>
        <source>Find the character this mule is for</source>
        <extracomment>Game word: a mule is a character kept to carry another&apos;s goods.</extracomment>
        <translation>Hauptcharakter dieses Mules finden</translation>
    </message>
    <message>
        <source>Find the main character</source>
        <translation>Hauptcharakter finden</translation>
    </message>
    <message>
        <source>Character</source>
        <extracomment>The name a screen reader gives the tabs of the character sheet.</extracomment>
        <translation>Charakter</translation>
    </message>
    <message>
        <source>Anything else you want others to know about you</source>
        <translation>Was andere sonst noch über Sie wissen sollen</translation>
    </message>
    <message>
        <source>Lower the selected specialized skills</source>
        <translation>Ausgewählte spezialisierte Fertigkeiten senken</translation>
    </message>
    <message>
        <source>Raise the selected trained skills</source>
        <translation>Ausgewählte ausgebildete Fertigkeiten erhöhen</translation>
    </message>
    <message>
        <source>Lower the selected trained skills</source>
        <translation>Ausgewählte ausgebildete Fertigkeiten senken</translation>
    </message>
    <message>
        <source>Raise the selected untrained skills</source>
        <translation>Ausgewählte nicht ausgebildete Fertigkeiten erhöhen</translation>
    </message>
    <message>
        <source>Lower the selected untrained skills</source>
        <translation>Ausgewählte nicht ausgebildete Fertigkeiten senken</translation>
    </message>
    <message>
        <source>Raise the selected unusable skills</source>
        <translation>Ausgewählte nicht nutzbare Fertigkeiten erhöhen</translation>
    </message>
</context>
<context>
    <name>SkillCatalogue</name>
    <message>
        <source>The server takes whole numbers only: &apos;%1&apos; will be refused.</source>
        <extracomment>The tool tip of a skill value the server will refuse; %1 is the value as typed.</extracomment>
        <translation>Der Server nimmt nur ganze Zahlen an: „%1“ wird abgelehnt.</translation>
    </message>
</context>
<context>
    <name>SkillSearch</name>
    <message>
        <source>Any</source>
        <comment>race</comment>
        <extracomment>Search choice: a member of any race</extracomment>
        <translation>Beliebig</translation>
    </message>
    <message>
        <source>Any</source>
        <comment>rank</comment>
        <extracomment>Search choice: a member of any rank in the allegiance</extracomment>
        <translation>Beliebig</translation>
    </message>
    <message>
        <source>Name</source>
        <extracomment>Column header: the character&apos;s name</extracomment>
        <translation>Name</translation>
    </message>
    <message>
        <source>Level</source>
        <extracomment>Column header: the character&apos;s level (a number)</extracomment>
        <translation>Stufe</translation>
    </message>
    <message>
        <source>Rank</source>
        <extracomment>Column header: the character&apos;s rank in the allegiance (a number)</extracomment>
        <translation>Rang</translation>
    </message>
    <message>
        <source>Race</source>
        <extracomment>Column header: the character&apos;s race</extracomment>
        <translation>Rasse</translation>
    </message>
    <message>
        <source>You can only use numbers for your skill value</source>
        <translation>Für den Fertigkeitswert können Sie nur Zahlen verwenden</translation>
    </message>
    <message>
        <source>The saved searches in %1 could not be read: %2</source>
        <extracomment>%1 is the file&apos;s path, %2 the reason</extracomment>
        <translation>Die gespeicherten Suchen in %1 konnten nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>Skill</source>
        <extracomment>Column header: the skill&apos;s name</extracomment>
        <translation>Fertigkeit</translation>
    </message>
    <message>
        <source>Skill Value</source>
        <extracomment>Column header: the least value of the skill to search for</extracomment>
        <translation>Fertigkeitswert</translation>
    </message>
    <message>
        <source>Searching</source>
        <extracomment>Status bar, while the server searches the guild</extracomment>
        <translation>Suche läuft</translation>
    </message>
    <message>
        <source>Type a name for the search to save it under.</source>
        <translation>Geben Sie einen Namen ein, unter dem die Suche gespeichert werden soll.</translation>
    </message>
    <message>
        <source>The search could not be saved to %1: %2</source>
        <extracomment>%1 is the file&apos;s path, %2 the reason</extracomment>
        <translation>Die Suche konnte nicht in %1 gespeichert werden: %2</translation>
    </message>
    <message>
        <source>The saved searches could not be written to %1: %2</source>
        <extracomment>%1 is the file&apos;s path, %2 the reason</extracomment>
        <translation>Die gespeicherten Suchen konnten nicht in %1 geschrieben werden: %2</translation>
    </message>
</context>
<context>
    <name>SkillTraining</name>
    <message>
        <source>Skill</source>
        <translation>Fertigkeit</translation>
    </message>
    <message>
        <source>Skill Value</source>
        <translation>Fertigkeitswert</translation>
    </message>
    <message>
        <source>You can only use numbers for your skill value</source>
        <translation>Für den Fertigkeitswert können Sie nur Zahlen verwenden</translation>
    </message>
</context>
<context>
    <name>TreeChanges</name>
    <message>
        <source>the changes carry no generation</source>
        <extracomment>Why the changes the server sent are refused (it follows a colon); a generation numbers the states of the tree.</extracomment>
        <translation>die Änderungen enthalten keine Generationsnummer</translation>
    </message>
    <message>
        <source>a member who left has no readable id</source>
        <extracomment>Why the changes the server sent are refused (it follows a colon).</extracomment>
        <translation>ein ausgetretenes Mitglied hat keine lesbare ID</translation>
    </message>
</context>
<context>
    <name>TreeFeed</name>
    <message>
        <source>Downloading Tree Info</source>
        <extracomment>The operation under way, shown in the status bar.</extracomment>
        <translation>Baumdaten werden heruntergeladen</translation>
    </message>
    <message>
        <source>the server answered error #%1</source>
        <extracomment>Why the tree&apos;s updates paused; it ends a sentence, after a colon. %1 is the code of the server&apos;s error.</extracomment>
        <translation>der Server meldete Fehler #%1</translation>
    </message>
    <message>
        <source>Read-only copy: %1; trying again in %2 s</source>
        <extracomment>In the status bar, while the tree shown is a copy kept from an earlier run: %1 says why the server cannot be reached, %2 is a number of seconds.</extracomment>
        <translation>Schreibgeschützte Kopie: %1; neuer Versuch in %2 s</translation>
    </message>
    <message>
        <source>Tree updates paused: %1; trying again in %2 s</source>
        <extracomment>In the status bar: %1 says why the tree&apos;s updates paused, %2 is a number of seconds.</extracomment>
        <translation>Baumaktualisierung angehalten: %1; neuer Versuch in %2 s</translation>
    </message>
    <message>
        <source>the tree the server sent cannot be shown</source>
        <extracomment>Why the tree&apos;s updates paused; it ends a sentence, after a colon.</extracomment>
        <translation>der vom Server gesendete Baum kann nicht angezeigt werden</translation>
    </message>
    <message>
        <source>Tree updates stopped: the server refused this login (error #%1); they go on after the next login</source>
        <extracomment>In the status bar; %1 is the code of the server&apos;s error.</extracomment>
        <translation>Baumaktualisierung beendet: Der Server hat diese Anmeldung abgelehnt (Fehler #%1); sie wird nach der nächsten Anmeldung fortgesetzt</translation>
    </message>
</context>
<context>
    <name>TreePayload</name>
    <message>
        <source>record %1 has fewer than nine fields</source>
        <extracomment>Why a downloaded tree is refused (it follows a colon); %1 is the record&apos;s number.</extracomment>
        <translation>Datensatz %1 hat weniger als neun Felder</translation>
    </message>
    <message>
        <source>the id %1 comes twice</source>
        <extracomment>Why a downloaded tree is refused (it follows a colon); %1 is a character&apos;s id.</extracomment>
        <translation>die ID %1 kommt zweimal vor</translation>
    </message>
</context>
<context>
    <name>Web</name>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nein</translation>
    </message>
    <message>
        <source>Rescue Squad</source>
        <translation>Rettungstrupp</translation>
    </message>
    <message>
        <source>None</source>
        <extracomment>No patron, or no vassals</extracomment>
        <translation>Keiner</translation>
    </message>
    <message>
        <source>Allegiance Tree</source>
        <translation>Gefolgschaftsbaum</translation>
    </message>
    <message>
        <source>Members</source>
        <translation>Mitglieder</translation>
    </message>
    <message>
        <source>Summonable Portals</source>
        <translation>Beschwörbare Portale</translation>
    </message>
    <message>
        <source>Trade Skills</source>
        <translation>Handwerksfertigkeiten</translation>
    </message>
    <message>
        <source>%1 members. Members who hide their info on the web show only their name, level and place in the tree.</source>
        <translation>%1 Mitglieder. Mitglieder, die ihre Daten im Web verbergen, zeigen nur Name, Stufe und Platz im Baum.</translation>
    </message>
    <message>
        <source>Branch of %1</source>
        <translation>Zweig von %1</translation>
    </message>
    <message>
        <source>Expand all</source>
        <translation>Alle aufklappen</translation>
    </message>
    <message>
        <source>Collapse all</source>
        <translation>Alle zuklappen</translation>
    </message>
    <message>
        <source>%1 - Level %2</source>
        <translation>%1 – Stufe %2</translation>
    </message>
    <message>
        <source>%1 more below</source>
        <translation>%1 weitere darunter</translation>
    </message>
    <message>
        <source>Summonable Portal List</source>
        <translation>Beschwörbare Portale</translation>
    </message>
    <message>
        <source>Trade Skill List</source>
        <translation>Handwerksfertigkeiten</translation>
    </message>
    <message>
        <source>Branch</source>
        <translation>Zweig</translation>
    </message>
    <message>
        <source>%1 followers</source>
        <translation>%1 Gefolgsleute</translation>
    </message>
    <message>
        <source>This member hides their info on the web.</source>
        <translation>Dieses Mitglied verbirgt seine Daten im Web.</translation>
    </message>
    <message>
        <source>Computed Rank</source>
        <translation>Berechneter Rang</translation>
    </message>
    <message>
        <source>Followers</source>
        <translation>Gefolgsleute</translation>
    </message>
    <message>
        <source>%1 (entered: %2)</source>
        <translation>%1 (eingetragen: %2)</translation>
    </message>
    <message>
        <source>Skill</source>
        <translation>Fertigkeit</translation>
    </message>
    <message>
        <source>Training</source>
        <translation>Ausbildung</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Wert</translation>
    </message>
    <message>
        <source>Unusable</source>
        <translation>Nicht nutzbar</translation>
    </message>
    <message>
        <source>Untrained</source>
        <translation>Nicht ausgebildet</translation>
    </message>
    <message>
        <source>Trained</source>
        <translation>Ausgebildet</translation>
    </message>
    <message>
        <source>Specialized</source>
        <translation>Spezialisiert</translation>
    </message>
    <message>
        <source>Not found</source>
        <translation>Nicht gefunden</translation>
    </message>
    <message>
        <source>No such page or member.</source>
        <translation>Diese Seite oder dieses Mitglied gibt es nicht.</translation>
    </message>
    <message>
        <source>Back to the allegiance tree</source>
        <translation>Zurück zum Gefolgschaftsbaum</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>About ZORV</source>
        <extracomment>Window title; ZORV is the program&apos;s name</extracomment>
        <translation>Über ZORV</translation>
    </message>
    <message>
        <source>Version %1 (protocol %2)</source>
        <extracomment>%1 is the program&apos;s version, %2 the version of the protocol it speaks with the server</extracomment>
        <translation>Version %1 (Protokoll %2)</translation>
    </message>
    <message>
        <source>The guild&apos;s shared record of its allegiance: who is sworn to whom, every member&apos;s sheet, the guild&apos;s lists and its administration.</source>
        <extracomment>The allegiance: the guild&apos;s members, each sworn to a patron above it</extracomment>
        <translation>Das gemeinsame Verzeichnis der Gefolgschaft einer Gilde: wer wem die Treue geschworen hat, der Charakterbogen jedes Mitglieds, die Listen der Gilde und ihre Verwaltung.</translation>
    </message>
    <message>
        <source>Licensed under the MIT License.</source>
        <translation>Lizenziert unter der MIT-Lizenz.</translation>
    </message>
    <message>
        <source>Not logged in.</source>
        <translation>Nicht angemeldet.</translation>
    </message>
    <message>
        <source>Logged in to %1.</source>
        <extracomment>%1 is the server&apos;s address</extracomment>
        <translation>Angemeldet bei %1.</translation>
    </message>
    <message>
        <source>Logged in to %1 (%2).</source>
        <extracomment>%1 is the server&apos;s address, %2 the guild&apos;s name</extracomment>
        <translation>Angemeldet bei %1 (%2).</translation>
    </message>
</context>
<context>
    <name>frmAddVassal</name>
    <message>
        <source>Add A Vassal</source>
        <extracomment>Window title; a vassal is a character sworn to a patron in the allegiance</extracomment>
        <translation>Vasallen hinzufügen</translation>
    </message>
    <message>
        <source>This will add a new vassal to the tree.  The new vassal&apos;s password will be set to the default password for the tree. </source>
        <extracomment>A vassal is a character sworn to a patron; the tree is the allegiance tree</extracomment>
        <translation>Hiermit wird dem Baum ein neuer Vasall hinzugefügt.  Das Passwort des neuen Vasallen wird auf das Standardpasswort des Baums gesetzt. </translation>
    </message>
    <message>
        <source>Add</source>
        <extracomment>Button: adds the vassal</extracomment>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Vassal Name</source>
        <extracomment>The new vassal&apos;s character name</extracomment>
        <translation>Name des Vasallen</translation>
    </message>
</context>
<context>
    <name>frmAllegianceChart</name>
    <message>
        <source>Allegiance Chart</source>
        <extracomment>Window title; the allegiance: the guild&apos;s members, each sworn to a patron above it</extracomment>
        <translation>Gefolgschaftsdiagramm</translation>
    </message>
    <message>
        <source>Whole allegiance</source>
        <extracomment>What the chart shows: every member of the allegiance, every monarch at the top</extracomment>
        <translation>Ganze Gefolgschaft</translation>
    </message>
    <message>
        <source>All levels</source>
        <extracomment>How deep the chart goes: every generation of vassals</extracomment>
        <translation>Alle Ebenen</translation>
    </message>
    <message numerus="yes">
        <source>%n levels</source>
        <extracomment>How deep the chart goes: %n generations, the first member&apos;s included</extracomment>
        <translation>
            <numerusform>%n Ebene</numerusform>
            <numerusform>%n Ebenen</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Fit</source>
        <extracomment>Button: fits the whole chart in the window</extracomment>
        <translation>&amp;Einpassen</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>Ver&amp;größern</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>Ver&amp;kleinern</translation>
    </message>
    <message>
        <source>&amp;Export...</source>
        <extracomment>Button: saves the chart as a picture or a document</extracomment>
        <translation>E&amp;xportieren...</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Drucken...</translation>
    </message>
    <message>
        <source>&amp;Show:</source>
        <extracomment>Before the choice of a member&apos;s branch or the whole allegiance</extracomment>
        <translation>&amp;Anzeigen:</translation>
    </message>
    <message>
        <source>&amp;Depth:</source>
        <extracomment>Before the choice of how many levels of vassals the chart shows</extracomment>
        <translation>&amp;Tiefe:</translation>
    </message>
    <message>
        <source>That member is no longer in the allegiance.</source>
        <extracomment>The allegiance: the guild&apos;s members, each sworn to a patron above it</extracomment>
        <translation>Dieses Mitglied gehört nicht mehr zur Gefolgschaft.</translation>
    </message>
    <message>
        <source>The allegiance is empty.</source>
        <extracomment>The allegiance: the guild&apos;s members, each sworn to a patron above it</extracomment>
        <translation>Die Gefolgschaft ist leer.</translation>
    </message>
    <message numerus="yes">
        <source>%n members on %1. Zoom %2 %. Double-click a box to show that member.</source>
        <extracomment>%n is the number of members drawn, %1 says on how many levels (&quot;%n levels&quot; below), %2 is the zoom in per cent</extracomment>
        <translation>
            <numerusform>%n Mitglied auf %1. Zoom %2 %. Doppelklicken Sie auf ein Feld, um dieses Mitglied anzuzeigen.</numerusform>
            <numerusform>%n Mitglieder auf %1. Zoom %2 %. Doppelklicken Sie auf ein Feld, um dieses Mitglied anzuzeigen.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n levels</source>
        <comment>members on</comment>
        <extracomment>Ends &quot;%n members on %1.&quot;: how many levels of the chart are drawn</extracomment>
        <translation>
            <numerusform>%n Ebene</numerusform>
            <numerusform>%n Ebenen</numerusform>
        </translation>
    </message>
    <message>
        <source>, </source>
        <extracomment>Separates the parts of an exported chart&apos;s title: guild, members shown, depth, date</extracomment>
        <translation>, </translation>
    </message>
    <message numerus="yes">
        <source>The chart takes %n pages at the smallest size that can be read.  Choose fewer levels or a branch for fewer pages.  Go on with all %n?</source>
        <extracomment>%n is the number of pages</extracomment>
        <translation>
            <numerusform>Das Diagramm umfasst in der kleinsten lesbaren Größe %n Seite.  Wählen Sie weniger Ebenen oder einen Zweig für weniger Seiten.  Mit %n Seite fortfahren?</numerusform>
            <numerusform>Das Diagramm umfasst in der kleinsten lesbaren Größe %n Seiten.  Wählen Sie weniger Ebenen oder einen Zweig für weniger Seiten.  Mit allen %n Seiten fortfahren?</numerusform>
        </translation>
    </message>
    <message>
        <source>There is no chart to export.</source>
        <translation>Es gibt kein Diagramm zum Exportieren.</translation>
    </message>
    <message>
        <source>Export Allegiance Chart</source>
        <extracomment>Title of the file dialog</extracomment>
        <translation>Gefolgschaftsdiagramm exportieren</translation>
    </message>
    <message>
        <source>PNG Pictures (*.png);;SVG Drawings (*.svg);;PDF Documents (*.pdf)</source>
        <extracomment>File-dialog filters, separated by &quot;;;&quot;; keep the patterns in brackets as they are</extracomment>
        <translation>PNG-Bilder (*.png);;SVG-Zeichnungen (*.svg);;PDF-Dokumente (*.pdf)</translation>
    </message>
    <message>
        <source>The chart could not be saved to %1: %2</source>
        <extracomment>%1 is the file&apos;s path, %2 the reason</extracomment>
        <translation>Das Diagramm konnte nicht in %1 gespeichert werden: %2</translation>
    </message>
    <message>
        <source>The chart is too large for one picture at full size, so it was saved at %1 %.  An SVG or PDF file keeps it whole.</source>
        <extracomment>%1 is the picture&apos;s size in per cent of full size</extracomment>
        <translation>Das Diagramm ist für ein Bild in voller Größe zu groß und wurde daher mit %1 % gespeichert.  Eine SVG- oder PDF-Datei enthält es vollständig.</translation>
    </message>
    <message>
        <source>There is no chart to print.</source>
        <translation>Es gibt kein Diagramm zum Drucken.</translation>
    </message>
    <message>
        <source>The chart could not be printed.</source>
        <translation>Das Diagramm konnte nicht gedruckt werden.</translation>
    </message>
</context>
<context>
    <name>frmAttentionReport</name>
    <message>
        <source>Attention Report</source>
        <extracomment>Window title: what in the guild needs an officer&apos;s attention</extracomment>
        <translation>Prüfbericht</translation>
    </message>
    <message>
        <source>&amp;Refresh</source>
        <extracomment>Button: asks the server for the guild&apos;s facts again</extracomment>
        <translation>&amp;Aktualisieren</translation>
    </message>
    <message>
        <source>&amp;Export List...</source>
        <extracomment>Button: saves the list shown as a CSV file</extracomment>
        <translation>Liste e&amp;xportieren...</translation>
    </message>
    <message>
        <source>Sections</source>
        <extracomment>The report&apos;s tabs, one per section</extracomment>
        <translation>Abschnitte</translation>
    </message>
    <message>
        <source>&amp;Days without a change or a login:</source>
        <translation>&amp;Tage ohne Änderung oder Anmeldung:</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <extracomment>A section&apos;s tab: %1 is its title, %2 the number of members in it</extracomment>
        <translation>%1 (%2)</translation>
    </message>
    <message numerus="yes">
        <source>%n members; vassal cap %1.</source>
        <extracomment>%n is the number of members; %1 the most vassals (characters sworn to a patron) the guild lets a member have</extracomment>
        <translation>
            <numerusform>%n Mitglied; Vasallenlimit %1.</numerusform>
            <numerusform>%n Mitglieder; Vasallenlimit %1.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>frmChangePassword</name>
    <message>
        <source>Change Password</source>
        <translation>Passwort ändern</translation>
    </message>
    <message>
        <source>New Password:</source>
        <translation>Neues Passwort:</translation>
    </message>
    <message>
        <source>Confirm New Password:</source>
        <translation>Neues Passwort bestätigen:</translation>
    </message>
    <message>
        <source>Your new password must be at least six characters long!</source>
        <translation>Ihr neues Passwort muss mindestens sechs Zeichen lang sein!</translation>
    </message>
    <message>
        <source>Your new password can be ten characters long at max!</source>
        <translation>Ihr neues Passwort darf höchstens zehn Zeichen lang sein!</translation>
    </message>
    <message>
        <source>Your confirmation password did not match your new password!</source>
        <translation>Die Bestätigung stimmt nicht mit Ihrem neuen Passwort überein!</translation>
    </message>
</context>
<context>
    <name>frmFindChar</name>
    <message>
        <source>Find Character</source>
        <translation>Charakter finden</translation>
    </message>
    <message>
        <source>Character Name</source>
        <translation>Charaktername</translation>
    </message>
    <message>
        <source>Characters</source>
        <extracomment>The name a screen reader gives the list of the characters found.</extracomment>
        <translation>Charaktere</translation>
    </message>
</context>
<context>
    <name>frmGuildStatistics</name>
    <message>
        <source>Levels</source>
        <extracomment>Tab: the members by bands of levels</extracomment>
        <translation>Stufen</translation>
    </message>
    <message>
        <source>Ranks</source>
        <extracomment>Tab: the members by rank in the allegiance</extracomment>
        <translation>Ränge</translation>
    </message>
    <message>
        <source>Vassals</source>
        <extracomment>Tab: the members by how many vassals (characters sworn to them) they have</extracomment>
        <translation>Vasallen</translation>
    </message>
    <message>
        <source>Races</source>
        <extracomment>Tab: the members by race</extracomment>
        <translation>Rassen</translation>
    </message>
    <message>
        <source>Sexes</source>
        <extracomment>Tab: the members by sex, male or female</extracomment>
        <translation>Geschlechter</translation>
    </message>
    <message>
        <source>Members</source>
        <extracomment>Numbers of members: the bars, the axis of the counts and the column of the numbers</extracomment>
        <translation>Mitglieder</translation>
    </message>
    <message>
        <source>Guild Statistics</source>
        <translation>Gildenstatistik</translation>
    </message>
    <message>
        <source>Whole guild</source>
        <extracomment>What the figures count: every member of the guild</extracomment>
        <translation>Ganze Gilde</translation>
    </message>
    <message>
        <source>&amp;Save Chart...</source>
        <translation>Diagramm &amp;speichern...</translation>
    </message>
    <message>
        <source>Figures</source>
        <extracomment>The window&apos;s tabs, one per count</extracomment>
        <translation>Auswertungen</translation>
    </message>
    <message>
        <source>Chart of %1</source>
        <extracomment>%1 is the tab&apos;s caption, such as &quot;Levels&quot;</extracomment>
        <translation>Diagramm: %1</translation>
    </message>
    <message>
        <source>Table of %1</source>
        <extracomment>%1 is the tab&apos;s caption, such as &quot;Levels&quot;</extracomment>
        <translation>Tabelle: %1</translation>
    </message>
    <message>
        <source>Joins and Departures</source>
        <extracomment>Tab: members who joined and who left the guild, per week</extracomment>
        <translation>Beitritte und Austritte</translation>
    </message>
    <message>
        <source>S&amp;how:</source>
        <extracomment>Before the choice of a member&apos;s branch or the whole guild</extracomment>
        <translation>&amp;Anzeigen:</translation>
    </message>
    <message>
        <source>The server did not count joins and departures (error #%1).</source>
        <extracomment>%1 is the server&apos;s number for the error</extracomment>
        <translation>Der Server hat die Beitritte und Austritte nicht gezählt (Fehler #%1).</translation>
    </message>
    <message>
        <source>Joins and departures need the server, which cannot be reached.</source>
        <translation>Für Beitritte und Austritte wird der Server benötigt, der nicht erreichbar ist.</translation>
    </message>
    <message>
        <source>Asking the server…</source>
        <translation>Server wird abgefragt…</translation>
    </message>
    <message>
        <source>Downloading Joins and Departures</source>
        <translation>Beitritte und Austritte werden heruntergeladen</translation>
    </message>
    <message>
        <source>Total</source>
        <extracomment>The last row of a table: all members counted</extracomment>
        <translation>Gesamt</translation>
    </message>
    <message numerus="yes">
        <source>%n members counted from the tree shown.</source>
        <extracomment>The tree: the allegiance tree of the main window</extracomment>
        <translation>
            <numerusform>%n Mitglied aus dem angezeigten Baum gezählt.</numerusform>
            <numerusform>%n Mitglieder aus dem angezeigten Baum gezählt.</numerusform>
        </translation>
    </message>
    <message>
        <source>Members joining and leaving the guild, %1</source>
        <extracomment>A saved picture&apos;s title; %1 is today&apos;s date</extracomment>
        <translation>Beitritte und Austritte der Gilde, %1</translation>
    </message>
    <message>
        <source>, </source>
        <extracomment>Separates the parts of a saved picture&apos;s title: what it counts, whose members, the date</extracomment>
        <translation>, </translation>
    </message>
    <message>
        <source>Save Chart</source>
        <extracomment>Title of the file dialog</extracomment>
        <translation>Diagramm speichern</translation>
    </message>
    <message>
        <source>PNG Pictures (*.png);;SVG Drawings (*.svg)</source>
        <extracomment>File-dialog filters, separated by &quot;;;&quot;; keep the patterns in brackets as they are</extracomment>
        <translation>PNG-Bilder (*.png);;SVG-Zeichnungen (*.svg)</translation>
    </message>
    <message>
        <source>There are no joins and departures to save.</source>
        <translation>Es gibt keine Beitritte und Austritte zum Speichern.</translation>
    </message>
    <message>
        <source>Members joining and leaving</source>
        <translation>Beitritte und Austritte</translation>
    </message>
    <message>
        <source>The chart could not be saved to %1: %2</source>
        <extracomment>%1 is the file&apos;s path, %2 the reason</extracomment>
        <translation>Das Diagramm konnte nicht in %1 gespeichert werden: %2</translation>
    </message>
</context>
<context>
    <name>frmLogin</name>
    <message>
        <source>Edit Other Character</source>
        <translation>Anderen Charakter bearbeiten</translation>
    </message>
    <message>
        <source>Other Character Login Info</source>
        <translation>Anmeldedaten des anderen Charakters</translation>
    </message>
    <message>
        <source>Character Name:</source>
        <translation>Charaktername:</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Passwort:</translation>
    </message>
    <message>
        <source>You must enter the other character&apos;s name and password!</source>
        <translation>Sie müssen den Namen und das Passwort des anderen Charakters eingeben!</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Choose a list or the search results to export.</source>
        <translation>Wählen Sie eine Liste oder die Suchergebnisse zum Exportieren aus.</translation>
    </message>
</context>
<context>
    <name>frmNewServerSetup</name>
    <message>
        <source>Setup ZORV Server</source>
        <extracomment>Window title; ZORV is the program&apos;s name</extracomment>
        <translation>ZORV-Server einrichten</translation>
    </message>
    <message>
        <source>Reset all users with current default password to new default password</source>
        <extracomment>The default password: the guild&apos;s password for new members</extracomment>
        <translation>Alle Benutzer mit dem aktuellen Standardpasswort auf das neue Standardpasswort umstellen</translation>
    </message>
    <message>
        <source>Use Rescue Squad</source>
        <extracomment>The rescue squad: the guild&apos;s members who come to the help of others</extracomment>
        <translation>Rettungstrupp verwenden</translation>
    </message>
    <message>
        <source>Guild Name:</source>
        <translation>Gildenname:</translation>
    </message>
    <message>
        <source>Default Password</source>
        <extracomment>Frame caption: the guild&apos;s password for new members</extracomment>
        <translation>Standardpasswort</translation>
    </message>
    <message>
        <source>The default password is the password that all new members will start out with.  Make sure to encourage new members to change their passwords from the default to their own personal password ASAP.</source>
        <translation>Das Standardpasswort ist das Passwort, mit dem alle neuen Mitglieder beginnen.  Halten Sie neue Mitglieder dazu an, das Standardpasswort so bald wie möglich durch ein eigenes, persönliches Passwort zu ersetzen.</translation>
    </message>
    <message>
        <source>Default Password:</source>
        <translation>Standardpasswort:</translation>
    </message>
    <message>
        <source>Confirm Default Password:</source>
        <translation>Standardpasswort bestätigen:</translation>
    </message>
    <message>
        <source>Rescue Squad</source>
        <extracomment>Frame caption: the guild&apos;s members who come to the help of others</extracomment>
        <translation>Rettungstrupp</translation>
    </message>
    <message>
        <source>If you are enabling/disabling the Rescue Squad Feature, you must exit ZORV and re-enter to see the changes</source>
        <extracomment>ZORV is the program&apos;s name; the rescue squad: the guild&apos;s members who come to the help of others</extracomment>
        <translation>Wenn Sie die Rettungstrupp-Funktion ein- oder ausschalten, müssen Sie ZORV beenden und neu starten, um die Änderungen zu sehen</translation>
    </message>
    <message>
        <source>Rescue Squad Name:</source>
        <extracomment>The guild&apos;s own name for its rescue squad</extracomment>
        <translation>Name des Rettungstrupps:</translation>
    </message>
    <message>
        <source>You must enter your guild&apos;s name!</source>
        <translation>Sie müssen den Namen Ihrer Gilde eingeben!</translation>
    </message>
    <message>
        <source>You must enter the default password for your server!</source>
        <translation>Sie müssen das Standardpasswort für Ihren Server eingeben!</translation>
    </message>
    <message>
        <source>You must confirm the password you entered for the default password!</source>
        <translation>Sie müssen das eingegebene Standardpasswort bestätigen!</translation>
    </message>
    <message>
        <source>The confirmation password does not match the password you entered!</source>
        <translation>Die Bestätigung stimmt nicht mit dem eingegebenen Passwort überein!</translation>
    </message>
    <message>
        <source>You must specify the name of your rescue squad!</source>
        <extracomment>The rescue squad: the guild&apos;s members who come to the help of others</extracomment>
        <translation>Sie müssen den Namen Ihres Rettungstrupps angeben!</translation>
    </message>
</context>
<context>
    <name>frmNotifications</name>
    <message>
        <source>, </source>
        <extracomment>Separates the kinds of change a target is sent, in the list of targets</extracomment>
        <translation>, </translation>
    </message>
    <message>
        <source>Notifications</source>
        <extracomment>Window title: the chat channels the guild&apos;s changes are sent to</extracomment>
        <translation>Benachrichtigungen</translation>
    </message>
    <message>
        <source>Notification targets</source>
        <translation>Benachrichtigungsziele</translation>
    </message>
    <message>
        <source>Target</source>
        <extracomment>Column header: the target&apos;s number on the server</extracomment>
        <translation>Ziel</translation>
    </message>
    <message>
        <source>Address</source>
        <extracomment>Column header: the webhook&apos;s address (its host only)</extracomment>
        <translation>Adresse</translation>
    </message>
    <message>
        <source>Format</source>
        <extracomment>Column header: the form of the messages (Discord, Slack, JSON)</extracomment>
        <translation>Format</translation>
    </message>
    <message>
        <source>Sends</source>
        <extracomment>Column header: the kinds of change sent there</extracomment>
        <translation>Sendet</translation>
    </message>
    <message>
        <source>State</source>
        <extracomment>Column header: whether the messages are delivered</extracomment>
        <translation>Status</translation>
    </message>
    <message>
        <source>Queued</source>
        <extracomment>Column header: the number of messages waiting to be delivered</extracomment>
        <translation>Wartend</translation>
    </message>
    <message>
        <source>Dropped</source>
        <extracomment>Column header: the number of messages given up</extracomment>
        <translation>Verworfen</translation>
    </message>
    <message>
        <source>Last Answer</source>
        <extracomment>Column header: what the chat service answered last</extracomment>
        <translation>Letzte Antwort</translation>
    </message>
    <message>
        <source>&amp;Add...</source>
        <extracomment>Button: adds a target</extracomment>
        <translation>&amp;Hinzufügen...</translation>
    </message>
    <message>
        <source>Send &amp;Test Message</source>
        <translation>&amp;Testnachricht senden</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <extracomment>Button: removes the selected target</extracomment>
        <translation>&amp;Entfernen</translation>
    </message>
    <message>
        <source>Re&amp;fresh</source>
        <extracomment>Button: lists the targets again</extracomment>
        <translation>&amp;Aktualisieren</translation>
    </message>
    <message>
        <source>Notifications added.</source>
        <translation>Benachrichtigungen hinzugefügt.</translation>
    </message>
    <message>
        <source>Notifications removed.</source>
        <translation>Benachrichtigungen entfernt.</translation>
    </message>
    <message>
        <source>The test message was delivered.</source>
        <translation>Die Testnachricht wurde zugestellt.</translation>
    </message>
    <message>
        <source>The test message was delivered (%1).</source>
        <extracomment>%1 is the chat service&apos;s answer, as it gave it</extracomment>
        <translation>Die Testnachricht wurde zugestellt (%1).</translation>
    </message>
    <message>
        <source>The test message could not be delivered: %1.</source>
        <extracomment>%1 is the chat service&apos;s answer, or the reason it could not be reached</extracomment>
        <translation>Die Testnachricht konnte nicht zugestellt werden: %1.</translation>
    </message>
    <message>
        <source>You security level is not high enough!</source>
        <extracomment>&quot;You&quot; stands for &quot;Your&quot;</extracomment>
        <translation>Ihre Sicherheitsstufe ist nicht hoch genug!</translation>
    </message>
    <message>
        <source>Downloading Notifications</source>
        <translation>Benachrichtigungen werden heruntergeladen</translation>
    </message>
    <message>
        <source>The server&apos;s answer could not be read.</source>
        <translation>Die Antwort des Servers konnte nicht gelesen werden.</translation>
    </message>
    <message>
        <source>Failing since %1</source>
        <extracomment>A target&apos;s state; %1 is the date and time of the first failed delivery</extracomment>
        <translation>Fehlerhaft seit %1</translation>
    </message>
    <message>
        <source>Delivering</source>
        <extracomment>A target&apos;s state: messages are on their way</extracomment>
        <translation>Wird zugestellt</translation>
    </message>
    <message>
        <source>Up to date</source>
        <extracomment>A target&apos;s state: every message was delivered</extracomment>
        <translation>Aktuell</translation>
    </message>
    <message>
        <source>The guild&apos;s changes are sent nowhere yet. Add a chat channel&apos;s webhook to send them there.</source>
        <translation>Die Änderungen der Gilde werden noch nirgendwohin gesendet. Fügen Sie den Webhook eines Chatkanals hinzu, um sie dorthin zu senden.</translation>
    </message>
    <message numerus="yes">
        <source>%n targets.</source>
        <extracomment>The number of chat channels the guild&apos;s changes are sent to</extracomment>
        <translation>
            <numerusform>%n Ziel.</numerusform>
            <numerusform>%n Ziele.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n failing: their messages wait and are sent once the chat service answers again.</source>
        <extracomment>Follows &quot;%n targets.&quot;; %n is how many of them fail</extracomment>
        <translation>
            <numerusform>%n fehlerhaft: die Nachrichten warten und werden gesendet, sobald der Chatdienst wieder antwortet.</numerusform>
            <numerusform>%n fehlerhaft: die Nachrichten warten und werden gesendet, sobald der Chatdienst wieder antwortet.</numerusform>
        </translation>
    </message>
    <message>
        <source>Select a target in the list first.</source>
        <translation>Wählen Sie zuerst ein Ziel in der Liste aus.</translation>
    </message>
    <message>
        <source>Adding Notifications</source>
        <translation>Benachrichtigungen werden hinzugefügt</translation>
    </message>
    <message>
        <source>Stop sending the guild&apos;s changes to %1?  Messages not yet delivered there are dropped.</source>
        <extracomment>%1 is the target&apos;s address (its host only)</extracomment>
        <translation>Die Änderungen der Gilde nicht mehr an %1 senden?  Noch nicht zugestellte Nachrichten an dieses Ziel werden verworfen.</translation>
    </message>
    <message>
        <source>Remove Notifications</source>
        <translation>Benachrichtigungen entfernen</translation>
    </message>
    <message>
        <source>Removing Notifications</source>
        <translation>Benachrichtigungen werden entfernt</translation>
    </message>
    <message>
        <source>Sending a Test Message</source>
        <translation>Testnachricht wird gesendet</translation>
    </message>
    <message>
        <source>Language</source>
        <extracomment>Column header: the language the messages are written in</extracomment>
        <translation>Sprache</translation>
    </message>
</context>
<context>
    <name>frmNotifyTarget</name>
    <message>
        <source>Add Notifications</source>
        <extracomment>Window title: adding a chat channel that is sent the guild&apos;s changes</extracomment>
        <translation>Benachrichtigungen hinzufügen</translation>
    </message>
    <message>
        <source>&amp;Address:</source>
        <extracomment>The webhook&apos;s web address</extracomment>
        <translation>&amp;Adresse:</translation>
    </message>
    <message>
        <source>&amp;Format:</source>
        <extracomment>The form of the messages (Discord, Slack, JSON)</extracomment>
        <translation>&amp;Format:</translation>
    </message>
    <message>
        <source>Send:</source>
        <extracomment>Before the kinds of change to send to the channel</extracomment>
        <translation>Senden:</translation>
    </message>
    <message>
        <source>Give the webhook&apos;s whole address, beginning with https:// (http:// only for a receiver on this computer).</source>
        <translation>Geben Sie die vollständige Adresse des Webhooks an, beginnend mit https:// (http:// nur für einen Empfänger auf diesem Computer).</translation>
    </message>
    <message>
        <source>Choose at least one kind of change to send.</source>
        <translation>Wählen Sie mindestens eine Art von Änderung zum Senden aus.</translation>
    </message>
    <message>
        <source>La&amp;nguage:</source>
        <extracomment>The language the messages are written in</extracomment>
        <translation>Sp&amp;rache:</translation>
    </message>
</context>
<context>
    <name>frmOptions</name>
    <message>
        <source>Options</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>Show pictures in the tree</source>
        <translation>Bilder im Baum anzeigen</translation>
    </message>
    <message>
        <source>The system&apos;s language</source>
        <translation>Systemsprache</translation>
    </message>
    <message>
        <source>The language changes when ZORV starts next.</source>
        <translation>Die Sprache ändert sich beim nächsten Start von ZORV.</translation>
    </message>
    <message>
        <source>C&amp;lear Cached Data</source>
        <translation>&amp;Cache leeren</translation>
    </message>
    <message>
        <source>Timeout (seconds):</source>
        <extracomment>How long to wait for the server&apos;s answer.</extracomment>
        <translation>Zeitlimit (Sekunden):</translation>
    </message>
    <message>
        <source>&amp;Language:</source>
        <translation>Sp&amp;rache:</translation>
    </message>
    <message>
        <source>The cached data has been cleared.</source>
        <translation>Der Cache wurde geleert.</translation>
    </message>
    <message>
        <source>Some of the cached data could not be deleted from %1.</source>
        <extracomment>%1 is the folder that holds the cached data.</extracomment>
        <translation>Ein Teil des Caches konnte nicht aus %1 gelöscht werden.</translation>
    </message>
    <message>
        <source>The timeout time must be a number between %1 and %2</source>
        <extracomment>%1 and %2 are the least and greatest number of seconds allowed.</extracomment>
        <translation>Das Zeitlimit muss eine Zahl zwischen %1 und %2 sein</translation>
    </message>
</context>
<context>
    <name>frmPlayerSetup</name>
    <message>
        <source>Select Server and Character</source>
        <translation>Server und Charakter auswählen</translation>
    </message>
    <message>
        <source>Server Address:</source>
        <translation>Serveradresse:</translation>
    </message>
    <message>
        <source>Character Name:</source>
        <translation>Charaktername:</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Passwort:</translation>
    </message>
    <message>
        <source>Directory Error!</source>
        <extracomment>The settings folder could not be made.</extracomment>
        <translation>Verzeichnisfehler!</translation>
    </message>
    <message>
        <source>Please type in the address of the ZORV server</source>
        <translation>Bitte geben Sie die Adresse des ZORV-Servers ein</translation>
    </message>
    <message>
        <source>Please type in your character&apos;s name</source>
        <translation>Bitte geben Sie den Namen Ihres Charakters ein</translation>
    </message>
    <message>
        <source>Please type in your password</source>
        <translation>Bitte geben Sie Ihr Passwort ein</translation>
    </message>
</context>
<context>
    <name>frmSecLevel</name>
    <message>
        <source>Change Security Level</source>
        <translation>Sicherheitsstufe ändern</translation>
    </message>
    <message>
        <source>Security Level</source>
        <extracomment>Frame caption: a member&apos;s rights in the client</extracomment>
        <translation>Sicherheitsstufe</translation>
    </message>
    <message>
        <source>Normal User</source>
        <extracomment>Security level: a member who changes only characters of their own</extracomment>
        <translation>Normaler Benutzer</translation>
    </message>
    <message>
        <source>Administrator</source>
        <extracomment>Security level: a member who may change every character and the guild&apos;s set-up</extracomment>
        <translation>Administrator</translation>
    </message>
    <message>
        <source>Please choose the security level:</source>
        <translation>Bitte wählen Sie die Sicherheitsstufe:</translation>
    </message>
</context>
</TS>
