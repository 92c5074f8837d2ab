<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="en">
<context>
    <name>ActivityPage</name>
    <message>
        <source>Joined</source>
        <extracomment>Column header and line of the chart: members who joined the guild that week</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Left</source>
        <extracomment>Column header and line of the chart: members who left the guild that week</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Week starting</source>
        <extracomment>Axis title: the weeks, each by the Monday it starts on</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Members</source>
        <extracomment>Axis title: numbers of members</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chart of joins and departures</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Table of joins and departures</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Week</source>
        <extracomment>Column header: the week, by the Monday it starts on</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Asking the server…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The server&apos;s answer cannot be read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Members joining and leaving per week</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>AdminOperations</name>
    <message>
        <source>The server has saved the new setup!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The character&apos;s password has been reset to the default password.</source>
        <extracomment>The default password: the guild&apos;s password for new members</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The character&apos;s security level has been changed!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The character database has been backed up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You security level is not high enough!</source>
        <extracomment>&quot;You&quot; stands for &quot;Your&quot;</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You must select the character whose password you want to reset from the tree!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Are you sure you want to reset %1&apos;s password to the default password?</source>
        <extracomment>%1 is the character&apos;s name; the default password is the guild&apos;s password for new members</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reset Password Confirmation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You must select the character whose security level you want to change!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Are you sure you want to change %1&apos;s security level to %2?</source>
        <extracomment>%1 is the character&apos;s name, %2 the chosen level: &quot;Normal User&quot; or &quot;Administrator&quot;</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Change Security Level Confirmation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Backup Database</source>
        <extracomment>Title of the file dialog that saves a backup of the guild</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tree Data Files (*.dat)</source>
        <extracomment>File-dialog filter</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The backup was cut off before its end; nothing was written to %1.  Please try again.</source>
        <extracomment>%1 is the backup file&apos;s path</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The backup could not be written to %1: %2</source>
        <extracomment>%1 is the backup file&apos;s path, %2 the reason</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>AllegianceModel</name>
    <message>
        <source>%1 - Level %2</source>
        <extracomment>A node of the allegiance tree: %1 is the character&apos;s name, %2 its level.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>AllegianceOperations</name>
    <message>
        <source>The new vassal has been added to the tree.  Hit OK to refresh the tree</source>
        <extracomment>After adding a vassal (a character sworn to a patron) to the allegiance tree</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The vassal has been successfully removed.</source>
        <extracomment>A vassal: a character sworn to a patron in the allegiance</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You have been moved to your new patron.</source>
        <extracomment>The patron: the character one is sworn to in the allegiance</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your password has been successfully changed!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Adding Vassal</source>
        <extracomment>Status bar, while the server adds a vassal (a character sworn to a patron)</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Are you sure you want to remove your vassal %1?<byte value="xd"/>
This will also remove all characters that are followers of %1.</source>
        <extracomment>%1 is the vassal&apos;s character name; a vassal is a character sworn to a patron, its followers are the vassals below it in the allegiance</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove Vassal Confirmation</source>
        <extracomment>Title of the box asking to remove a vassal from the allegiance</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You have entered a name that does not exist.  Please refresh the tree.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Changing Patrons</source>
        <extracomment>Status bar, while the server moves a character to a new patron in the allegiance</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Changing Password</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>AllegianceView</name>
    <message>
        <source>Downloading Tree Info</source>
        <extracomment>The operation under way, shown in the status bar.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The allegiance tree the server sent cannot be shown: %1.  Please refresh the tree.</source>
        <extracomment>%1 says what is wrong with the tree; it begins in lower case.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>That branch is too deep to show whole: it is opened %1 generations down</source>
        <extracomment>%1 is how many generations (levels of the allegiance tree) down a branch is opened.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Downloading Character Info</source>
        <extracomment>The operation under way, shown in the status bar.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>That character does not exist!</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>AttentionReport</name>
    <message>
        <source>Never</source>
        <extracomment>In the column of the last change or login: there was none</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name</source>
        <extracomment>Column header: the member&apos;s character name</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Days</source>
        <extracomment>Column header: whole days since the last change or login</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vassal Slots</source>
        <extracomment>Section: how many more vassals (characters sworn to them) each member may take</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vassals</source>
        <extracomment>Column header: the number of vassals a member has</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Free Slots</source>
        <extracomment>Column header: how many more vassals the member may take, under the guild&apos;s cap</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Missing Followers</source>
        <extracomment>Section: members whose record counts more followers (characters below them in the allegiance) than the tree holds</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Followers Entered</source>
        <extracomment>Column header: the number of followers the member&apos;s record gives</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>In the Tree</source>
        <extracomment>Column header: the number of followers the tree holds below the member</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Number Missing</source>
        <extracomment>Column header: how many followers the tree lacks</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mules Without a Main</source>
        <extracomment>Section: mules (a player&apos;s extra characters) whose main character is not in the guild</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Main Character Name</source>
        <extracomment>Column header: the name of the mule&apos;s main character, as its record gives it</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Records Not Changed</source>
        <extracomment>Section: members whose record was not changed for the number of days chosen</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Last Changed (UTC)</source>
        <extracomment>Column header: when the record was last changed</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>On the Default Password</source>
        <extracomment>Section: members who still log in with the guild&apos;s password for new members</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Administrators Not Logged In</source>
        <extracomment>Section: administrators who did not log in for the number of days chosen</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Last Login (UTC)</source>
        <extracomment>Column header: when the administrator last logged in</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>BackgroundRequest</name>
    <message>
        <source>the server does not answer</source>
        <extracomment>Why a request made in the background failed; it ends a sentence of the status bar, after a colon, so it begins in lower case.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the server cannot be reached</source>
        <extracomment>Why a request made in the background failed; it ends a sentence of the status bar, after a colon, so it begins in lower case.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the server closed the connection</source>
        <extracomment>Why a request made in the background failed; it ends a sentence of the status bar, after a colon, so it begins in lower case.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the server&apos;s certificate is not trusted</source>
        <extracomment>Why a request made in the background failed; it ends a sentence of the status bar, after a colon, so it begins in lower case.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CellEditor</name>
    <message>
        <source>Value</source>
        <extracomment>The name a screen reader gives the box that edits a cell of a grid without a header.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ChangeHistory</name>
    <message>
        <source>Recent Changes</source>
        <extracomment>Window title: the guild&apos;s latest changes</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <extracomment>Button: closes the window</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Downloading Change History</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Downloading Recent Changes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Undo change #%1 of %2 by %3?

%4
</source>
        <extracomment>%1 is the change&apos;s number, %2 its date and time, %3 the member who made it, %4 what it changed</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>remove %1</source>
        <extracomment>One of the things an undo does, in &quot;This will %1.&quot;: %1 is a character&apos;s name, taken off the guild&apos;s roster</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>bring back %1</source>
        <extracomment>One of the things an undo does, in &quot;This will %1.&quot;: %1 is a removed character&apos;s name, put back on the guild&apos;s roster</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>set %1 back to %2</source>
        <extracomment>One of the things an undo does, in &quot;This will %1.&quot;: %1 is a field of the record, %2 its former value</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(empty)</source>
        <extracomment>The former value of a field that was empty</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>remove %1 from the guild</source>
        <extracomment>What undoing the addition of a character does, in &quot;This will %1.&quot;: %1 is its name</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>,
</source>
        <extracomment>Separates the things an undo does in the list of &quot;This will %1.&quot;</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This will %1.</source>
        <extracomment>%1 is the list of what the undo does, such as &quot;set Level back to 12&quot;</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No password is kept with a removed member: those brought back log in with the guild&apos;s default password, and an administrator among them comes back as a member.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Undoing Change</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The change has been undone.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The change cannot be undone.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The change cannot be undone: %1.</source>
        <extracomment>%1 is why, a sentence of its own (context Refusal)</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>  Nothing was changed.</source>
        <extracomment>Follows &quot;The change cannot be undone.&quot; when the record was changed meanwhile; keep the two spaces before it</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CharacterSheet</name>
    <message>
        <source>Error!</source>
        <extracomment>The character&apos;s record the server sent is not whole.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 was changed elsewhere; shown as stored now</source>
        <extracomment>In the status bar; %1 is the character shown.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 was changed by someone else at %2; shown as stored now</source>
        <extracomment>In the status bar; %1 is the character shown, %2 when it was changed.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 was changed by %2 at %3; shown as stored now</source>
        <extracomment>In the status bar; %1 is the character shown, %2 the character who changed it, %3 when.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Last Modified: %1 by %2</source>
        <extracomment>%1 is when the character&apos;s record was last saved, %2 who saved it.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unknown</source>
        <extracomment>Who last saved the record: a member who is not in the tree.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (Number Missing: %2)</source>
        <extracomment>%1 is the number of the character&apos;s followers (game word: the characters below it in the allegiance) the tree shows, %2 how many fewer than the number stored that is.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 was changed by someone else while you were editing.</source>
        <extracomment>%1 is the character shown.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 was changed by someone else at %2 while you were editing.</source>
        <extracomment>%1 is the character shown, %2 when it was changed.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 was changed by %2 at %3 while you were editing.</source>
        <extracomment>%1 is the character shown, %2 the character who changed it, %3 when.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saving your changes will be refused; reload to see the record as it is stored now.</source>
        <extracomment>Follows a sentence saying that someone else changed the character&apos;s record.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 has left the allegiance</source>
        <extracomment>In the status bar; %1 is the character that was shown. Game word: the allegiance is the guild&apos;s tree of patrons and vassals.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Last Modified:</source>
        <extracomment>The label of when the character&apos;s record was last saved, while no character is shown.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The character&apos;s information has been updated.  If you changed the name of the character you are logged in as, you&apos;ll have to login again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 was changed by someone else after you opened it, so your changes were not saved.</source>
        <extracomment>%1 is the character shown.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 was changed by someone else on %2 after you opened it, so your changes were not saved.</source>
        <extracomment>%1 is the character shown, %2 when it was changed.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 was changed by %2 after you opened it, so your changes were not saved.</source>
        <extracomment>%1 is the character shown, %2 the character who changed it.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 was changed by %2 on %3 after you opened it, so your changes were not saved.</source>
        <extracomment>%1 is the character shown, %2 the character who changed it, %3 when.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do you want to load the character as it is stored now?  Your changes will be lost.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save changes to %1?</source>
        <extracomment>%1 is the character shown.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>None</source>
        <extracomment>The patron of a monarch, who has none.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Characters</name>
    <message>
        <source>a vassal of %1 is missing</source>
        <extracomment>Why a downloaded tree is refused (it follows a colon); %1 is a character&apos;s name. Game word: a vassal is a character sworn to another, its patron.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is listed as a vassal twice</source>
        <extracomment>Why a downloaded tree is refused (it follows a colon); %1 is a character&apos;s name. Game word: a vassal is a character sworn to another, its patron.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is listed under %2, who is not its patron</source>
        <extracomment>Why a downloaded tree is refused (it follows a colon); %1 and %2 are characters&apos; names. Game word: a patron is the character a vassal is sworn to.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the patron links form a cycle</source>
        <extracomment>Why a downloaded tree is refused (it follows a colon). Game word: a patron is the character a vassal is sworn to; here, following the patrons leads back round.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ChartCanvas</name>
    <message>
        <source>Allegiance chart</source>
        <extracomment>The allegiance: the guild&apos;s members, each sworn to a patron above it</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Drag to move the chart, turn the wheel to zoom, double-click a box to show that member.  Alt and the arrow keys move the mark from box to box; Enter shows the marked member.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ChartExport</name>
    <message>
        <source>Allegiance chart</source>
        <extracomment>The allegiance: the guild&apos;s members, each sworn to a patron above it</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>there is not enough memory for the picture</source>
        <extracomment>Follows &quot;The chart could not be saved to &lt;file&gt;: &quot;</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the drawing could not be started</source>
        <extracomment>Follows &quot;The chart could not be saved to &lt;file&gt;: &quot;</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the document could not be started</source>
        <extracomment>Follows &quot;The chart could not be saved to &lt;file&gt;: &quot;</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: row %2 of %3, column %4 of %5</source>
        <extracomment>A page&apos;s caption when the chart takes several pages; %1 is the chart&apos;s title, %2 and %3 the page&apos;s row and how many rows, %4 and %5 its column and how many columns</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ChartPainter</name>
    <message>
        <source>Level %1</source>
        <extracomment>In a member&apos;s box of the chart; %1 is the character&apos;s level</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Chat</name>
    <message>
        <source>%1 added %2 as vassal of %3 (level %4)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 removed %2%3 from the guild</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 removed %2, vassal of %3,%4 from the guild</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 moved %2%3 from %4 to %5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 moved %2%3 from no patron to %4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> and 1 follower</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> and %1 followers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 made %2 an administrator</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 made %2 a member (no longer an administrator)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 changed the guild&apos;s set-up:%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> a new default password</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> the rescue squad on</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> the rescue squad off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> the guild&apos;s name from &quot;%1&quot; to &quot;%2&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> the rescue squad&apos;s name from &quot;%1&quot; to &quot;%2&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 undid %2&apos;s addition of %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 undid %2&apos;s removal of %3%4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 undid %2&apos;s move of %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 undid %2&apos;s security level change of %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 undid %2&apos;s change of the guild&apos;s set-up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Test message from ZORV for %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CriticalError</name>
    <message>
        <source>Out of memory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Subscript out of range</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid procedure call or argument</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Application-defined error: %1</source>
        <extracomment>%1 is the description the failure carries.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unknown failure</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A critical error has occured!<byte value="xd"/>
Occurred in: %1<byte value="xd"/>
Description: %2 %3<byte value="xd"/>
Please send an email with this information to %4</source>
        <extracomment>%1 is the name of the procedure that failed, %2 the failure&apos;s number and %3 its description, %4 the support address.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Critical Error!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Object variable not set</source>
        <extracomment>A failure&apos;s description in the &quot;Critical Error!&quot; box: something the step needs is missing</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CsvExport</name>
    <message>
        <source>Export List</source>
        <extracomment>The title of the file dialog that saves a list.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CSV Files (*.csv)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The list could not be saved to %1: %2</source>
        <extracomment>%1 is the file chosen, %2 why it could not be written.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DialogButtons</name>
    <message>
        <source>OK</source>
        <extracomment>A button that ends a dialog, taking what was entered.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <extracomment>A button that ends a dialog, dropping what was entered.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ErrorTable</name>
    <message>
        <source>There was an error while trying to add the vassal.  Please refresh the tree and try again.</source>
        <extracomment>A vassal is a character sworn to another, its patron, in the guild&apos;s allegiance.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There was an error while trying to remove the vassal.  Please refresh the tree and try again.</source>
        <extracomment>A vassal is a character sworn to another, its patron, in the guild&apos;s allegiance.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The name you entered was not found in the database.  Please check your spelling and make sure your patron has added you.</source>
        <extracomment>A patron is the character a vassal is sworn to in the guild&apos;s allegiance.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There was an error updating a character&apos;s information.  That character does not exist.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There was an error trying to open the file zorv.cfg on the server.  Make sure it is chmoded to 777.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There was an error trying to open the file tree.dat on the server.  Make sure it is chmoded to 777.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There was an error trying to change the server setup.  Please try again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There was an error changing the security level! An invalid character ID was given!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There was an error while trying to add the vassal.  You provided an invalid name.  Please enter a legal name.</source>
        <extracomment>A vassal is a character sworn to another, its patron, in the guild&apos;s allegiance.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There was an error while trying to add the vassal.  The name you provided for the new vassal already exists in the tree.  Please refresh the tree.</source>
        <extracomment>A vassal is a character sworn to another, its patron, in the guild&apos;s allegiance.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There was an error while trying to add the vassal.  The patron already has the maxium number of possible vassals.</source>
        <extracomment>A vassal is a character sworn to another, its patron, in the guild&apos;s allegiance.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There was an error while trying to add the vassal.  The name you provided for the new vassal was illegal.  Please refresh the tree.</source>
        <extracomment>A vassal is a character sworn to another, its patron, in the guild&apos;s allegiance.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There was an error while trying to remove the vassal.  The vassal you tried to remove could not be found in the tree.</source>
        <extracomment>A vassal is a character sworn to another, its patron, in the guild&apos;s allegiance.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There was an error while trying to remove the character.  The character you tried to remove was not your vassal.  You can only remove your own vassals.</source>
        <extracomment>A vassal is a character sworn to another, its patron, in the guild&apos;s allegiance.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There was an error while trying to change patrons.  Please refresh the tree and try again.</source>
        <extracomment>A patron is the character a vassal is sworn to in the guild&apos;s allegiance.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There was an error while trying to change patrons.  The new patron already mas the maximum number of possible vassals.</source>
        <extracomment>A vassal is a character sworn to another, its patron, in the guild&apos;s allegiance.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There was an error while trying to change patrons.  You can not pledge to one of your followers.</source>
        <extracomment>A patron is the character a vassal is sworn to in the guild&apos;s allegiance; to pledge is to swear to a patron; one&apos;s followers are all the characters below one in the allegiance.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There was an error while trying to change patrons.  You can not pledge to yourself.</source>
        <extracomment>A patron is the character a vassal is sworn to in the guild&apos;s allegiance; to pledge is to swear to a patron.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You have entered an incorrect password.  If this is the first time you&apos;ve logged in, make sure you use the default password.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There was an error setting up the new server.  The guild name was invalid.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There was an error setting up the new server.  The default password was invalid.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There was an error updating the character info.  You attempted to edit a field that only admins are allowed to edit.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There was an error updating the character info.  Someone else changed the character after you opened it.  Please reload it and make your changes again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There was an error retreiving a character&apos;s information.  That character does not exist.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There was a serious error with the server.  Please have the admin visit ZORV&apos;s webpage and download the newest version of the server.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Secuirty Voliation!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You are using an invalid client.  Please go to the ZORV website and upgrade.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The operation you attempted referenced an invalid character.  Please refresh your tree and try again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You entered invalid input for a numeric value.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You entered invalid input for a string value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There was an error accessing the ZORV server.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your password is too long, it can only be 10 characters long.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your password is too short, it has to be at least 6 characters long.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There was an error changing the character&apos;s password.  The new password and the confirmation password do not match.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There was an error changing the character&apos;s password.  The confirmation password is invalid.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There was an error changing the character&apos;s password.  The new password is invalid.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There was an error trying to change the server setup.  You are not an admin, what are you trying to do?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There was an error trying to reset the password. Your security level was not high enough.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There was an error trying to reset the password. Please try again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There was an error trying to reset the password. That character does not exist.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There was an error trying to backup the server.  Your security level is not high enough.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There was an error changing the security level! The new security level was invalid</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There was an error reading the change history.  Please try again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There was an error undoing the change.  Only an administrator can undo a change.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There was an error undoing the change.  The server no longer keeps that change.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The change cannot be undone.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The server cannot tell what changed in the tree since it was downloaded.  Please refresh the tree.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The server refused the notification&apos;s address.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The server refused the notification&apos;s format or kinds of change.  Please try again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The server no longer sends notifications there.  The list is shown again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The test message could not be delivered.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Too many wrong passwords for %1; try again in %2 seconds</source>
        <extracomment>%1 is the character&apos;s name, %2 the number of seconds to wait, as the server sent it.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The server does not write notifications in that language.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Field</name>
    <message>
        <source>Name</source>
        <extracomment>A column of a guild list: the character&apos;s name.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Level</source>
        <extracomment>A column of a guild list: the character&apos;s level, a number.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ID</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rank</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Patron</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vassals</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Number of Followers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Security Level</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Class</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Race</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sex</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Is Mule</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mule for</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lifestoned At</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tied To</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bio</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Skills</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Real Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>City, State, Country</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Other Info</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Email Address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ICQ Number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Revision</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Last Modified</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Path to Monarch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Player Killer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rescue Squad Member</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hide Info on Web</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Can Summon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Main Character Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Modified By</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Awards</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Patron Id</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Place among Vassals</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Member</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Password</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Default Password</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Guild Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use Rescue Squad</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rescue Squad Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lifestone</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FlatListModel</name>
    <message>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Level</source>
        <extracomment>A column of the flat listing: the character&apos;s level, a number.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rank</source>
        <extracomment>A column of the flat listing: the character&apos;s rank, a number.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>C. Rank</source>
        <extracomment>A column of the flat listing: the rank worked out from the character&apos;s vassals, a number (&quot;C.&quot; for computed).</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Patron Name</source>
        <extracomment>A column of the flat listing: the name of the character&apos;s patron (game word: the character it is sworn to in the allegiance).</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mule</source>
        <extracomment>A column of the flat listing, Yes or No: whether the character is a mule (game word: a character kept to carry another&apos;s goods).</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PK</source>
        <extracomment>A column of the flat listing, Yes or No: whether the character is a player killer.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>None</source>
        <extracomment>In the Patron Name column: the character has no patron (game word: the character one is sworn to); it is at the top of the allegiance.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unknown</source>
        <extracomment>In the Patron Name column: the patron (game word: the character one is sworn to) is not in the roster.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Yes</source>
        <extracomment>In the Mule or PK column: the character is a mule (game word: a character kept to carry another&apos;s goods), or a player killer.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No</source>
        <extracomment>In the Mule or PK column: the character is not a mule (game word: a character kept to carry another&apos;s goods), or not a player killer.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Grid</name>
    <message>
        <source>&amp;Export List...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>GuildActivity</name>
    <message>
        <source>The server keeps no change history, so joins and departures cannot be counted.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The change history holds no entry yet.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The change history reaches back to %1 only; earlier weeks show nothing.</source>
        <extracomment>%1 is the day of the oldest change kept, YYYY-MM-DD</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>GuildFactsSource</name>
    <message>
        <source>Downloading Guild Facts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The server&apos;s answer could not be read.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>GuildLists</name>
    <message>
        <source>Downloading %1 Info</source>
        <extracomment>Status bar; %1 is the guild&apos;s name for its rescue squad (the members who come to the help of others), &quot;Rescue Squad&quot; unless the guild named it otherwise</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Downloading Summonable Portal Info</source>
        <extracomment>Status bar; the list of members who can summon a portal</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Downloading Trade Skill Info</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>GuildStatistics</name>
    <message>
        <source>Members by level</source>
        <extracomment>Chart title: how many members are of each band of levels</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Level</source>
        <extracomment>Axis and column title: bands of character levels, such as 1-10</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Members by rank</source>
        <extracomment>Chart title: how many members are of each rank in the allegiance</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rank</source>
        <extracomment>Axis and column title: the ranks in the allegiance, numbers 1 to 10</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vassal slots in use</source>
        <extracomment>Chart title: how many members have 0, 1, 2... vassals (characters sworn to them)</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vassals</source>
        <extracomment>Axis and column title: numbers of vassals sworn to a member</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Members by race</source>
        <extracomment>Chart title: how many members are of each race</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Race</source>
        <extracomment>Axis and column title: the characters&apos; races</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Members by sex</source>
        <extracomment>Chart title: how many members are of each sex</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sex</source>
        <extracomment>Axis and column title: the characters&apos; sex, male or female</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unknown</source>
        <extracomment>The bar of the members whose rank in the allegiance is not known</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 or more</source>
        <extracomment>The bar of the members with this many vassals or more; %1 is a number</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>HTTPRequest</name>
    <message>
        <source>the TLS handshake failed (%1)</source>
        <extracomment>Why the server could not be reached; it ends a sentence, after a colon. %1 is the connection&apos;s own error text.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>HistoryPayload</name>
    <message>
        <source>Set up the guild</source>
        <extracomment>A change of the guild&apos;s history: the server was set up.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Added %1</source>
        <extracomment>A change of the guild&apos;s history; %1 is the character added to the allegiance.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Added %1 under %2</source>
        <extracomment>A change of the guild&apos;s history; %1 is the character added to the allegiance, %2 its patron (game word: the character a vassal is sworn to).</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Removed %1 and %n followers from under %2</source>
        <extracomment>A change of the guild&apos;s history; %1 is the character removed from the allegiance, %n the number of its followers (game word: the characters below it) removed with it, %2 its patron (game word: the character it was sworn to).</extracomment>
        <translation>
            <numerusform>Removed %1 and %n follower from under %2</numerusform>
            <numerusform>Removed %1 and %n followers from under %2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Removed %1 and %n followers</source>
        <extracomment>A change of the guild&apos;s history; %1 is the character removed from the allegiance, %n the number of its followers (game word: the characters below it) removed with it.</extracomment>
        <translation>
            <numerusform>Removed %1 and %n follower</numerusform>
            <numerusform>Removed %1 and %n followers</numerusform>
        </translation>
    </message>
    <message>
        <source>Removed %1 from under %2</source>
        <extracomment>A change of the guild&apos;s history; %1 is the character removed from the allegiance, %2 its patron (game word: the character it was sworn to).</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Removed %1</source>
        <extracomment>A change of the guild&apos;s history; %1 is the character removed from the allegiance.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Moved %1</source>
        <extracomment>A change of the guild&apos;s history; %1 is the character that changed patrons (game word: the character one is sworn to in the allegiance).</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Moved %1 from the top to %2</source>
        <extracomment>A change of the guild&apos;s history; %1 is the character that changed patrons (game word: the character one is sworn to in the allegiance), from none, at the top of the tree, to %2.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Moved %1 from %2 to %3</source>
        <extracomment>A change of the guild&apos;s history; %1 is the character that changed patrons (game word: the character one is sworn to in the allegiance), from %2 to %3.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saved %1</source>
        <extracomment>A change of the guild&apos;s history; %1 is the character whose record was saved.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Changed the password of %1</source>
        <extracomment>A change of the guild&apos;s history; %1 is a character.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reset the password of %1</source>
        <extracomment>A change of the guild&apos;s history; %1 is a character.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Made %1 an administrator</source>
        <extracomment>A change of the guild&apos;s history; %1 is a character.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Made %1 a normal user</source>
        <extracomment>A change of the guild&apos;s history; %1 is a character.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Changed the server setup</source>
        <extracomment>A change of the guild&apos;s history.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Undid change #%1 (%2)</source>
        <extracomment>A change of the guild&apos;s history; %1 is the number of the change undone, %2 the character it concerned.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>changed</source>
        <extracomment>Shown for a password in the list of a change&apos;s values, in place of old and new.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>brought back: %1</source>
        <extracomment>A member of the allegiance brought back by undoing a removal; %1 is its name.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>removed: %1</source>
        <extracomment>A member removed from the allegiance; %1 is its name.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(empty)</source>
        <extracomment>An empty value of a field, before or after a change.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>HistoryView</name>
    <message>
        <source>Date (UTC)</source>
        <extracomment>Column header: when the change was made</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>By</source>
        <extracomment>Column header: the member who made the change</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Change</source>
        <extracomment>Column header: what the change was</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Change History</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Refresh</source>
        <extracomment>Button: reads the history again</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Older Changes</source>
        <extracomment>Button: reads the page of changes before those shown</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Undo...</source>
        <extracomment>Button: undoes the selected change, after asking</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1  (undone by #%2)</source>
        <extracomment>%1 is the description of a change, %2 the number of the later change that undid it</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Change #%1</source>
        <extracomment>%1 is the change&apos;s number in the guild&apos;s history</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>KnownCertificates</name>
    <message>
        <source>(none)</source>
        <extracomment>Shown for a certificate that names no owner or issuer.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The ZORV server at %1 sent a certificate that cannot be verified:</source>
        <extracomment>%1 is the server&apos;s address.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Subject: %1
Issuer: %2
Valid from %3 to %4
SHA-256 fingerprint: %5</source>
        <extracomment>%1 and %2 name the certificate&apos;s owner and issuer, %3 and %4 are dates, %5 the certificate&apos;s digest.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This is not the certificate you accepted for this server before.  A server&apos;s certificate changes when it is renewed, but also when someone else answers in its place.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Accept this certificate for this server?  Answer Yes only if you know the fingerprint is the server&apos;s own; it will then be accepted without asking until it changes.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ListPayloads</name>
    <message>
        <source>Yes</source>
        <extracomment>A cell of the rescue squad list (game word: the members who come to rescue the guild&apos;s characters): the flag of its column is set.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No</source>
        <extracomment>A cell of the rescue squad list: the flag of its column is not set.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>None Found!</source>
        <extracomment>The only row of the skill search&apos;s results when no character matches.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LoginFlow</name>
    <message>
        <source>Congratulations!  The new ZORV server is setup.  I hope you and your guild enjoy the program!</source>
        <extracomment>ZORV is the program&apos;s name</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your changes to %1 were not saved: they belong to the guild you logged in to before.</source>
        <extracomment>%1 is the name of the character whose record was being edited</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You must provide all the information here!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error!  The server is returning invalid info.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error! This version of the ZORV client is for use on a newer server. Please contact your ZORV server admin.</source>
        <extracomment>ZORV is the program&apos;s name</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error! This client is too old for this ZORV server.  You must download a new version of the client</source>
        <extracomment>ZORV is the program&apos;s name</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 Member</source>
        <extracomment>Check box on the sheet: the character belongs to the rescue squad (the members who come to the help of others); %1 is the guild&apos;s name for its squad, such as &quot;Rescue Squad&quot;</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The ZORV server at %1 could not be reached: %2<byte value="xd"/>
<byte value="xd"/>
Open the tree kept from %3 read-only?  Nothing can be changed until the server answers; ZORV keeps trying, and logs in by itself when it does.</source>
        <extracomment>%1 is the server&apos;s address, %2 why it could not be reached, %3 the date and time the tree was kept; ZORV is the program&apos;s name</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Connection Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The tree kept from %1 cannot be read.</source>
        <extracomment>%1 is the date and time the tree was kept</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Read-only copy from %1</source>
        <extracomment>Status bar: the tree shown is the one kept; %1 is the date and time it was kept</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Read-only copy from %1: the server cannot be reached</source>
        <extracomment>Status bar: %1 is the date and time the tree shown was kept</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ZORV - %1 - Read-only copy from %2 (the server cannot be reached)</source>
        <extracomment>Window title; %1 is the character logged in, %2 the date and time the tree shown was kept</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MainMenus</name>
    <message>
        <source>&amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Login</source>
        <extracomment>Logs in again, to this or another server</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;xport List...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Current &amp;Player Functions</source>
        <extracomment>Menu: what is done for the selected character: vassals, patron, password</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Add Vassal</source>
        <extracomment>Adds a vassal (a character sworn to one as patron) under the selected character</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Change Patron</source>
        <extracomment>Moves the selected character under another patron (the character one is sworn to)</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Change &amp;Password</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Tree Operations</source>
        <extracomment>Menu: the allegiance tree</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;xpand Entire Tree</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Expand Entire &amp;Node</source>
        <extracomment>Opens every branch below the selected character in the tree</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Collapse Entire Tree</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Collapse Entire N&amp;ode</source>
        <extracomment>Closes every branch below the selected character in the tree</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Allegiance Chart...</source>
        <extracomment>The allegiance: the guild&apos;s members, each sworn to a patron above it</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Guild &amp;Statistics...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A&amp;ttention Report...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Recent Changes...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <extracomment>Menu bar item: opens the options</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Administrator</source>
        <extracomment>Menu: what administrators do</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Backup Database</source>
        <extracomment>Saves the whole guild to a file</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Change Character&apos;s Security &amp;Level</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reset Character&apos;s &amp;Password</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Server &amp;Setup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Notifications...</source>
        <extracomment>The chat channels the guild&apos;s changes are sent to</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MainViews</name>
    <message>
        <source>Refresh List</source>
        <extracomment>Button: downloads the list again</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Allegiance Tree</source>
        <extracomment>Tab and frame: the allegiance, each member under the patron it is sworn to</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Refresh Tree</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>F&amp;ind Character</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Flat Listing</source>
        <extracomment>Tab: every member in one list</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Flat List</source>
        <extracomment>Frame and list: every member in one list</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rescue Squad List</source>
        <extracomment>Tab: the members of the rescue squad (the members who come to the help of others), until the login gives the guild&apos;s own name for it</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rescue Squad</source>
        <extracomment>Frame and list: the members who come to the help of others, until the login gives the guild&apos;s own name for them</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Summonable Portal List</source>
        <extracomment>Tab, frame and list: the members who can summon a portal (a gateway to another place)</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Trade Skills List</source>
        <extracomment>Tab: the members trained in the trade skills</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Trade Skill List</source>
        <extracomment>Frame and list: the members trained in the trade skills</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Search</source>
        <extracomment>Tab and frame: searching the members by race, rank and skills</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Search Filter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Search</source>
        <comment>button</comment>
        <extracomment>Button: starts the search</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reset</source>
        <extracomment>Button: sets the search&apos;s choices back to any race, any rank and no skills</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Race: </source>
        <extracomment>Label of the race to search for; keep the space at the end</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rank: </source>
        <extracomment>Label of the rank in the allegiance to search for; keep the space at the end</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sa&amp;ve</source>
        <extracomment>Button: keeps the search under the name typed beside it</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>De&amp;lete</source>
        <extracomment>Button: deletes the saved search named beside it</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saved searches:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show in &amp;Tree</source>
        <extracomment>Button: marks the members found in the allegiance tree</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Views</source>
        <extracomment>The main window&apos;s tabs</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Search Skill Values</source>
        <extracomment>The grid of the least skill values to search for</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Search Results</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saved searches</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>NotifyFormat</name>
    <message>
        <source>Discord webhook</source>
        <extracomment>The form of the messages: those a Discord channel&apos;s webhook takes</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Slack incoming webhook</source>
        <extracomment>The form of the messages: those a Slack channel&apos;s incoming webhook takes</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Plain JSON</source>
        <extracomment>The form of the messages: plain JSON, for a receiver of one&apos;s own</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>NotifyKind</name>
    <message>
        <source>&amp;Joins</source>
        <extracomment>A kind of change to send to a chat channel: members who join the guild</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Departures (with the branch that left)</source>
        <extracomment>A kind of change to send: members who leave, with their vassals below them; the list of targets shows it without the part in brackets</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Patron changes</source>
        <extracomment>A kind of change to send: members moved to another patron (the character one is sworn to)</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Security level changes</source>
        <extracomment>A kind of change to send: members made administrators or normal users</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Server set-&amp;up changes</source>
        <extracomment>A kind of change to send: the guild&apos;s server set-up (its name, its rescue squad)</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PasswordRules</name>
    <message>
        <source>Your password is too short!  It must be at least %1 characters long.</source>
        <extracomment>%1 is the least number of characters a password takes.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your password is too long!  It can be at most %1 characters long.</source>
        <extracomment>%1 is the greatest number of characters a password takes.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Race</name>
    <message>
        <source>Unknown</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aluvian</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gharu&apos;ndim</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sho</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RankTitles</name>
    <message>
        <source>Unknown</source>
        <extracomment>The rank title shown for rank 0, for which no title is known.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Refusal</name>
    <message>
        <source>The value &apos;%1&apos; of %2 is not a whole number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The value &apos;%1&apos; of %2 is not between %3 and %4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The skill number &apos;%1&apos; of %2 is not a whole number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The skill number &apos;%1&apos; of %2 is not between %3 and %4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The training &apos;%1&apos; of %2 is not a whole number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The training &apos;%1&apos; of %2 is not between %3 and %4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The minimum &apos;%1&apos; of %2 is not a whole number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The minimum &apos;%1&apos; of %2 is not between %3 and %4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The value &apos;%1&apos; of %2 is not a valid name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The value &apos;%1&apos; of %2 is a reserved name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The value &apos;%1&apos; of %2 is longer than %3 bytes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The value of %1 holds a reply marker</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The value &apos;%1&apos; of %2 is not 0 or 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The value of %1 is longer than %2 bytes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 comes twice in %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The entry &apos;%1&apos; of %2 is not skill,training,value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The entry &apos;%1&apos; of %2 is not skill,minimum</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The value &apos;%1&apos; of %2 is not acceptable</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is no longer in the guild</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is now %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, %2&apos;s patron, is no longer in the guild</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 has %2 vassals, the most the guild allows</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the %1 of %2 has been changed since</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the entry&apos;s old %1 is not %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the name %1 has been taken since</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is the guild&apos;s only administrator</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the entry changed nothing that can be put back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>nobody removes their own login</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 has moved to another patron since</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 has vassals now</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1&apos;s record has been saved since</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 has been made an administrator since</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the entry holds no removed record</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the guild has no room for %1 members</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the id %1 of %2 belongs to %3 now</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the entry does not say where %1 was</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 has moved again since</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the old patron is now among %1&apos;s followers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the setting %1 has been changed since</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a new default password cannot be undone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no URL</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the URL is longer than %1 characters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the URL holds a blank, a control character or a letter outside ASCII</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the URL must begin with https://</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the URL names no host</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the URL must not carry a user name or password</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the URL&apos;s port must be a number from %1 to %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>http:// is for a receiver on this machine only (127.0.0.1, localhost, [::1]); use https://</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>this server takes no http:// receivers; use https:// (its operator may allow receivers on its own machine)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the guild sends to at most %1 targets; remove one first</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>this server takes no http:// receivers; use https://</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RequestCycle</name>
    <message>
        <source>Connecting to Server</source>
        <extracomment>Connection status, shown in a panel of the status bar.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Connected to Server</source>
        <extracomment>Connection status, shown in a panel of the status bar.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Receiving Data</source>
        <extracomment>Connection status, shown in a panel of the status bar.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 bytes received</source>
        <extracomment>Shown in a panel of the status bar; %1 is the number of bytes of the reply so far.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not Connected</source>
        <extracomment>Connection status, shown in a panel of the status bar.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The ZORV server at %1 could not be reached: %2</source>
        <extracomment>%1 is the server&apos;s address, %2 why it could not be reached.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Connection Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Certificate Not Trusted</source>
        <extracomment>Connection status, shown in a panel of the status bar.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Untrusted Certificate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The certificate could not be remembered in %1.  It is accepted for now; you will be asked again next time.</source>
        <extracomment>%1 is the file that keeps the accepted certificates.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Closing Connection</source>
        <extracomment>Connection status, shown in a panel of the status bar.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ZORV Error #%1</source>
        <extracomment>The title of a server error&apos;s message; %1 is its code.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error #%1</source>
        <extracomment>%1 is the code of a server error that has no message of its own.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it did not answer in time</source>
        <extracomment>Why the server could not be reached; it ends a sentence, after a colon.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A timeout error has occured!  This can mean manys things: <byte value="xd"/>
- The ZORV server is setup incorrectly or is down<byte value="xd"/>
- The server address you used is incorrect<byte value="xd"/>
- Your internet connection is down<byte value="xd"/>
- Or this program is gimpy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Timeout!</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ScopeChoice</name>
    <message>
        <source>Branch of %1</source>
        <extracomment>What a window shows: the member and every follower below it in the allegiance; %1 is the member&apos;s name</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Branch</source>
        <extracomment>What a window shows: one member&apos;s part of the allegiance, when no member is selected</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Session</name>
    <message>
        <source>ZORV (%1) - Logged in as %2</source>
        <extracomment>The main window&apos;s title; %1 is the guild&apos;s name, %2 the character logged in.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>The settings file %1 could not be read.  The remembered servers and characters are not offered.</source>
        <extracomment>%1 is the settings file.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The settings could not be saved to %1.</source>
        <extracomment>%1 is the settings file.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Sex</name>
    <message>
        <source>Unknown</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Male</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Female</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SheetViews</name>
    <message>
        <source>%1:</source>
        <extracomment>The label before a field of the character sheet; %1 is the field&apos;s caption.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Save Changes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>R&amp;eset Changes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reloa&amp;d</source>
        <extracomment>A button: shows the character&apos;s record as someone else stored it, dropping one&apos;s edits.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Keep Editing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Basic Info</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Character Info</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Yes</source>
        <extracomment>A choice of the Is Mule field (game word: a mule is a character kept to carry another&apos;s goods): the character is one.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No</source>
        <extracomment>A choice of the Is Mule field (game word: a mule is a character kept to carry another&apos;s goods): the character is not one.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Computed Rank:</source>
        <extracomment>The label of the rank worked out from the character&apos;s vassals (game word: the characters sworn to it), beside the rank stored.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Allegiance Info</source>
        <extracomment>A tab of the character sheet (game word: the allegiance is the guild&apos;s tree of patrons and vassals).
----------
Game word: the allegiance is the guild&apos;s tree of patrons and vassals.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Change Patron</source>
        <extracomment>A button: the character swears to another patron (game word: the character one is sworn to in the allegiance).</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Number of Followers in Tree:</source>
        <extracomment>The label of the number of the character&apos;s followers (game word: the characters below it in the allegiance) the tree shows, beside the number stored.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vassals</source>
        <extracomment>The frame of the list of the character&apos;s vassals (game word: the characters sworn to it).
----------
The name a screen reader gives the list of the character&apos;s vassals (game word: the characters sworn to it).</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add Vassal</source>
        <extracomment>A button (game word: a vassal is a character sworn to another, its patron).</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove Vassal</source>
        <extracomment>A button (game word: a vassal is a character sworn to another, its patron).</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Immediate Tree</source>
        <extracomment>The frame of the part of the allegiance tree around the character: its patron and the characters below it.
----------
The part of the allegiance tree around the character: its patron and the characters below it.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Skills</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Training</source>
        <extracomment>A tab: the skills by how far the character is trained in them.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lower</source>
        <extracomment>A button under a list of skills: moves the skills selected to the list of the next lower training.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Raise</source>
        <extracomment>A button under a list of skills: moves the skills selected to the list of the next higher training.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Specialized Skills</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Trained Skills</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Untrained Skills</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unusable Skills</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Skill Values</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Real Life &amp; Contact Info</source>
        <extracomment>A tab of the character sheet: what its player tells about himself.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Real Life Info</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Anything else you want others to know about you:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Contact Info</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Awards</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Awards this character has received (only administrators may change them):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>History</source>
        <extracomment>A tab of the character sheet: the changes made to the character.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sex</source>
        <extracomment>The name a screen reader gives the box of the character&apos;s sex.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Is Mule: Yes</source>
        <extracomment>Game word: a mule is a character kept to carry another&apos;s goods.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Is Mule: No</source>
        <extracomment>Game word: a mule is a character kept to carry another&apos;s goods.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Find the character this mule is for</source>
        <extracomment>Game word: a mule is a character kept to carry another&apos;s goods.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Find the main character</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Character</source>
        <extracomment>The name a screen reader gives the tabs of the character sheet.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Anything else you want others to know about you</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lower the selected specialized skills</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Raise the selected trained skills</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lower the selected trained skills</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Raise the selected untrained skills</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lower the selected untrained skills</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Raise the selected unusable skills</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SkillCatalogue</name>
    <message>
        <source>The server takes whole numbers only: &apos;%1&apos; will be refused.</source>
        <extracomment>The tool tip of a skill value the server will refuse; %1 is the value as typed.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SkillSearch</name>
    <message>
        <source>Any</source>
        <comment>race</comment>
        <extracomment>Search choice: a member of any race</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Any</source>
        <comment>rank</comment>
        <extracomment>Search choice: a member of any rank in the allegiance</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name</source>
        <extracomment>Column header: the character&apos;s name</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Level</source>
        <extracomment>Column header: the character&apos;s level (a number)</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rank</source>
        <extracomment>Column header: the character&apos;s rank in the allegiance (a number)</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Race</source>
        <extracomment>Column header: the character&apos;s race</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You can only use numbers for your skill value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The saved searches in %1 could not be read: %2</source>
        <extracomment>%1 is the file&apos;s path, %2 the reason</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Skill</source>
        <extracomment>Column header: the skill&apos;s name</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Skill Value</source>
        <extracomment>Column header: the least value of the skill to search for</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Searching</source>
        <extracomment>Status bar, while the server searches the guild</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type a name for the search to save it under.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The search could not be saved to %1: %2</source>
        <extracomment>%1 is the file&apos;s path, %2 the reason</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The saved searches could not be written to %1: %2</source>
        <extracomment>%1 is the file&apos;s path, %2 the reason</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SkillTraining</name>
    <message>
        <source>Skill</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Skill Value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You can only use numbers for your skill value</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TreeChanges</name>
    <message>
        <source>the changes carry no generation</source>
        <extracomment>Why the changes the server sent are refused (it follows a colon); a generation numbers the states of the tree.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a member who left has no readable id</source>
        <extracomment>Why the changes the server sent are refused (it follows a colon).</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TreeFeed</name>
    <message>
        <source>Downloading Tree Info</source>
        <extracomment>The operation under way, shown in the status bar.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the server answered error #%1</source>
        <extracomment>Why the tree&apos;s updates paused; it ends a sentence, after a colon. %1 is the code of the server&apos;s error.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Read-only copy: %1; trying again in %2 s</source>
        <extracomment>In the status bar, while the tree shown is a copy kept from an earlier run: %1 says why the server cannot be reached, %2 is a number of seconds.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tree updates paused: %1; trying again in %2 s</source>
        <extracomment>In the status bar: %1 says why the tree&apos;s updates paused, %2 is a number of seconds.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the tree the server sent cannot be shown</source>
        <extracomment>Why the tree&apos;s updates paused; it ends a sentence, after a colon.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tree updates stopped: the server refused this login (error #%1); they go on after the next login</source>
        <extracomment>In the status bar; %1 is the code of the server&apos;s error.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TreePayload</name>
    <message>
        <source>record %1 has fewer than nine fields</source>
        <extracomment>Why a downloaded tree is refused (it follows a colon); %1 is the record&apos;s number.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the id %1 comes twice</source>
        <extracomment>Why a downloaded tree is refused (it follows a colon); %1 is a character&apos;s id.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Web</name>
    <message>
        <source>Yes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rescue Squad</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>None</source>
        <extracomment>No patron, or no vassals</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Allegiance Tree</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Members</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Summonable Portals</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Trade Skills</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 members. Members who hide their info on the web show only their name, level and place in the tree.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Branch of %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Expand all</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Collapse all</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 - Level %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 more below</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Summonable Portal List</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Trade Skill List</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Branch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 followers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This member hides their info on the web.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Computed Rank</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Followers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (entered: %2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Skill</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Training</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unusable</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Untrained</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Trained</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Specialized</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not found</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No such page or member.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Back to the allegiance tree</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>About ZORV</source>
        <extracomment>Window title; ZORV is the program&apos;s name</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Version %1 (protocol %2)</source>
        <extracomment>%1 is the program&apos;s version, %2 the version of the protocol it speaks with the server</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The guild&apos;s shared record of its allegiance: who is sworn to whom, every member&apos;s sheet, the guild&apos;s lists and its administration.</source>
        <extracomment>The allegiance: the guild&apos;s members, each sworn to a patron above it</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Licensed under the MIT License.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not logged in.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Logged in to %1.</source>
        <extracomment>%1 is the server&apos;s address</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Logged in to %1 (%2).</source>
        <extracomment>%1 is the server&apos;s address, %2 the guild&apos;s name</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmAddVassal</name>
    <message>
        <source>Add A Vassal</source>
        <extracomment>Window title; a vassal is a character sworn to a patron in the allegiance</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This will add a new vassal to the tree.  The new vassal&apos;s password will be set to the default password for the tree. </source>
        <extracomment>A vassal is a character sworn to a patron; the tree is the allegiance tree</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add</source>
        <extracomment>Button: adds the vassal</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vassal Name</source>
        <extracomment>The new vassal&apos;s character name</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmAllegianceChart</name>
    <message>
        <source>Allegiance Chart</source>
        <extracomment>Window title; the allegiance: the guild&apos;s members, each sworn to a patron above it</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Whole allegiance</source>
        <extracomment>What the chart shows: every member of the allegiance, every monarch at the top</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All levels</source>
        <extracomment>How deep the chart goes: every generation of vassals</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n levels</source>
        <extracomment>How deep the chart goes: %n generations, the first member&apos;s included</extracomment>
        <translation>
            <numerusform>%n levels</numerusform>
            <numerusform>%n levels</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Fit</source>
        <extracomment>Button: fits the whole chart in the window</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Export...</source>
        <extracomment>Button: saves the chart as a picture or a document</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Show:</source>
        <extracomment>Before the choice of a member&apos;s branch or the whole allegiance</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Depth:</source>
        <extracomment>Before the choice of how many levels of vassals the chart shows</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>That member is no longer in the allegiance.</source>
        <extracomment>The allegiance: the guild&apos;s members, each sworn to a patron above it</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The allegiance is empty.</source>
        <extracomment>The allegiance: the guild&apos;s members, each sworn to a patron above it</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n members on %1. Zoom %2 %. Double-click a box to show that member.</source>
        <extracomment>%n is the number of members drawn, %1 says on how many levels (&quot;%n levels&quot; below), %2 is the zoom in per cent</extracomment>
        <translation>
            <numerusform>%n members on %1. Zoom %2 %. Double-click a box to show that member.</numerusform>
            <numerusform>%n members on %1. Zoom %2 %. Double-click a box to show that member.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n levels</source>
        <comment>members on</comment>
        <extracomment>Ends &quot;%n members on %1.&quot;: how many levels of the chart are drawn</extracomment>
        <translation>
            <numerusform>%n levels</numerusform>
            <numerusform>%n levels</numerusform>
        </translation>
    </message>
    <message>
        <source>, </source>
        <extracomment>Separates the parts of an exported chart&apos;s title: guild, members shown, depth, date</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>The chart takes %n pages at the smallest size that can be read.  Choose fewer levels or a branch for fewer pages.  Go on with all %n?</source>
        <extracomment>%n is the number of pages</extracomment>
        <translation>
            <numerusform>The chart takes %n pages at the smallest size that can be read.  Choose fewer levels or a branch for fewer pages.  Go on with all %n?</numerusform>
            <numerusform>The chart takes %n pages at the smallest size that can be read.  Choose fewer levels or a branch for fewer pages.  Go on with all %n?</numerusform>
        </translation>
    </message>
    <message>
        <source>There is no chart to export.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export Allegiance Chart</source>
        <extracomment>Title of the file dialog</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PNG Pictures (*.png);;SVG Drawings (*.svg);;PDF Documents (*.pdf)</source>
        <extracomment>File-dialog filters, separated by &quot;;;&quot;; keep the patterns in brackets as they are</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The chart could not be saved to %1: %2</source>
        <extracomment>%1 is the file&apos;s path, %2 the reason</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The chart is too large for one picture at full size, so it was saved at %1 %.  An SVG or PDF file keeps it whole.</source>
        <extracomment>%1 is the picture&apos;s size in per cent of full size</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is no chart to print.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The chart could not be printed.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmAttentionReport</name>
    <message>
        <source>Attention Report</source>
        <extracomment>Window title: what in the guild needs an officer&apos;s attention</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Refresh</source>
        <extracomment>Button: asks the server for the guild&apos;s facts again</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Export List...</source>
        <extracomment>Button: saves the list shown as a CSV file</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sections</source>
        <extracomment>The report&apos;s tabs, one per section</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Days without a change or a login:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <extracomment>A section&apos;s tab: %1 is its title, %2 the number of members in it</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n members; vassal cap %1.</source>
        <extracomment>%n is the number of members; %1 the most vassals (characters sworn to a patron) the guild lets a member have</extracomment>
        <translation>
            <numerusform>%n members; vassal cap %1.</numerusform>
            <numerusform>%n members; vassal cap %1.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>frmChangePassword</name>
    <message>
        <source>Change Password</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New Password:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Confirm New Password:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your new password must be at least six characters long!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your new password can be ten characters long at max!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your confirmation password did not match your new password!</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmFindChar</name>
    <message>
        <source>Find Character</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Character Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Characters</source>
        <extracomment>The name a screen reader gives the list of the characters found.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmGuildStatistics</name>
    <message>
        <source>Levels</source>
        <extracomment>Tab: the members by bands of levels</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ranks</source>
        <extracomment>Tab: the members by rank in the allegiance</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vassals</source>
        <extracomment>Tab: the members by how many vassals (characters sworn to them) they have</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Races</source>
        <extracomment>Tab: the members by race</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sexes</source>
        <extracomment>Tab: the members by sex, male or female</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Members</source>
        <extracomment>Numbers of members: the bars, the axis of the counts and the column of the numbers</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Guild Statistics</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Whole guild</source>
        <extracomment>What the figures count: every member of the guild</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Save Chart...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Figures</source>
        <extracomment>The window&apos;s tabs, one per count</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chart of %1</source>
        <extracomment>%1 is the tab&apos;s caption, such as &quot;Levels&quot;</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Table of %1</source>
        <extracomment>%1 is the tab&apos;s caption, such as &quot;Levels&quot;</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Joins and Departures</source>
        <extracomment>Tab: members who joined and who left the guild, per week</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>S&amp;how:</source>
        <extracomment>Before the choice of a member&apos;s branch or the whole guild</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The server did not count joins and departures (error #%1).</source>
        <extracomment>%1 is the server&apos;s number for the error</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Joins and departures need the server, which cannot be reached.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Asking the server…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Downloading Joins and Departures</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total</source>
        <extracomment>The last row of a table: all members counted</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n members counted from the tree shown.</source>
        <extracomment>The tree: the allegiance tree of the main window</extracomment>
        <translation>
            <numerusform>%n members counted from the tree shown.</numerusform>
            <numerusform>%n members counted from the tree shown.</numerusform>
        </translation>
    </message>
    <message>
        <source>Members joining and leaving the guild, %1</source>
        <extracomment>A saved picture&apos;s title; %1 is today&apos;s date</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, </source>
        <extracomment>Separates the parts of a saved picture&apos;s title: what it counts, whose members, the date</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Chart</source>
        <extracomment>Title of the file dialog</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PNG Pictures (*.png);;SVG Drawings (*.svg)</source>
        <extracomment>File-dialog filters, separated by &quot;;;&quot;; keep the patterns in brackets as they are</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There are no joins and departures to save.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Members joining and leaving</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The chart could not be saved to %1: %2</source>
        <extracomment>%1 is the file&apos;s path, %2 the reason</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmLogin</name>
    <message>
        <source>Edit Other Character</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Other Character Login Info</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Character Name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Password:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You must enter the other character&apos;s name and password!</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Choose a list or the search results to export.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmNewServerSetup</name>
    <message>
        <source>Setup ZORV Server</source>
        <extracomment>Window title; ZORV is the program&apos;s name</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reset all users with current default password to new default password</source>
        <extracomment>The default password: the guild&apos;s password for new members</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use Rescue Squad</source>
        <extracomment>The rescue squad: the guild&apos;s members who come to the help of others</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Guild Name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Default Password</source>
        <extracomment>Frame caption: the guild&apos;s password for new members</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The default password is the password that all new members will start out with.  Make sure to encourage new members to change their passwords from the default to their own personal password ASAP.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Default Password:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Confirm Default Password:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rescue Squad</source>
        <extracomment>Frame caption: the guild&apos;s members who come to the help of others</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>If you are enabling/disabling the Rescue Squad Feature, you must exit ZORV and re-enter to see the changes</source>
        <extracomment>ZORV is the program&apos;s name; the rescue squad: the guild&apos;s members who come to the help of others</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rescue Squad Name:</source>
        <extracomment>The guild&apos;s own name for its rescue squad</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You must enter your guild&apos;s name!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You must enter the default password for your server!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You must confirm the password you entered for the default password!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The confirmation password does not match the password you entered!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You must specify the name of your rescue squad!</source>
        <extracomment>The rescue squad: the guild&apos;s members who come to the help of others</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmNotifications</name>
    <message>
        <source>, </source>
        <extracomment>Separates the kinds of change a target is sent, in the list of targets</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Notifications</source>
        <extracomment>Window title: the chat channels the guild&apos;s changes are sent to</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Notification targets</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Target</source>
        <extracomment>Column header: the target&apos;s number on the server</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Address</source>
        <extracomment>Column header: the webhook&apos;s address (its host only)</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Format</source>
        <extracomment>Column header: the form of the messages (Discord, Slack, JSON)</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sends</source>
        <extracomment>Column header: the kinds of change sent there</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>State</source>
        <extracomment>Column header: whether the messages are delivered</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Queued</source>
        <extracomment>Column header: the number of messages waiting to be delivered</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dropped</source>
        <extracomment>Column header: the number of messages given up</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Last Answer</source>
        <extracomment>Column header: what the chat service answered last</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Add...</source>
        <extracomment>Button: adds a target</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Send &amp;Test Message</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <extracomment>Button: removes the selected target</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Re&amp;fresh</source>
        <extracomment>Button: lists the targets again</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Notifications added.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Notifications removed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The test message was delivered.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The test message was delivered (%1).</source>
        <extracomment>%1 is the chat service&apos;s answer, as it gave it</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The test message could not be delivered: %1.</source>
        <extracomment>%1 is the chat service&apos;s answer, or the reason it could not be reached</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You security level is not high enough!</source>
        <extracomment>&quot;You&quot; stands for &quot;Your&quot;</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Downloading Notifications</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The server&apos;s answer could not be read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Failing since %1</source>
        <extracomment>A target&apos;s state; %1 is the date and time of the first failed delivery</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delivering</source>
        <extracomment>A target&apos;s state: messages are on their way</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Up to date</source>
        <extracomment>A target&apos;s state: every message was delivered</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The guild&apos;s changes are sent nowhere yet. Add a chat channel&apos;s webhook to send them there.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n targets.</source>
        <extracomment>The number of chat channels the guild&apos;s changes are sent to</extracomment>
        <translation>
            <numerusform>%n targets.</numerusform>
            <numerusform>%n targets.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n failing: their messages wait and are sent once the chat service answers again.</source>
        <extracomment>Follows &quot;%n targets.&quot;; %n is how many of them fail</extracomment>
        <translation>
            <numerusform>%n failing: their messages wait and are sent once the chat service answers again.</numerusform>
            <numerusform>%n failing: their messages wait and are sent once the chat service answers again.</numerusform>
        </translation>
    </message>
    <message>
        <source>Select a target in the list first.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Adding Notifications</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop sending the guild&apos;s changes to %1?  Messages not yet delivered there are dropped.</source>
        <extracomment>%1 is the target&apos;s address (its host only)</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove Notifications</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Removing Notifications</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sending a Test Message</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Language</source>
        <extracomment>Column header: the language the messages are written in</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmNotifyTarget</name>
    <message>
        <source>Add Notifications</source>
        <extracomment>Window title: adding a chat channel that is sent the guild&apos;s changes</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Address:</source>
        <extracomment>The webhook&apos;s web address</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Format:</source>
        <extracomment>The form of the messages (Discord, Slack, JSON)</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Send:</source>
        <extracomment>Before the kinds of change to send to the channel</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Give the webhook&apos;s whole address, beginning with https:// (http:// only for a receiver on this computer).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose at least one kind of change to send.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>La&amp;nguage:</source>
        <extracomment>The language the messages are written in</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmOptions</name>
    <message>
        <source>Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show pictures in the tree</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The system&apos;s language</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The language changes when ZORV starts next.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>C&amp;lear Cached Data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Timeout (seconds):</source>
        <extracomment>How long to wait for the server&apos;s answer.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Language:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The cached data has been cleared.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Some of the cached data could not be deleted from %1.</source>
        <extracomment>%1 is the folder that holds the cached data.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The timeout time must be a number between %1 and %2</source>
        <extracomment>%1 and %2 are the least and greatest number of seconds allowed.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmPlayerSetup</name>
    <message>
        <source>Select Server and Character</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Server Address:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Character Name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Password:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Directory Error!</source>
        <extracomment>The settings folder could not be made.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please type in the address of the ZORV server</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please type in your character&apos;s name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please type in your password</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmSecLevel</name>
    <message>
        <source>Change Security Level</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Security Level</source>
        <extracomment>Frame caption: a member&apos;s rights in the client</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Normal User</source>
        <extracomment>Security level: a member who changes only characters of their own</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Administrator</source>
        <extracomment>Security level: a member who may change every character and the guild&apos;s set-up</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please choose the security level:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
