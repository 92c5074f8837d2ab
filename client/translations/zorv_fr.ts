<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
<context>
    <name>ActivityPage</name>
    <message>
        <source>Joined</source>
        <extracomment>Column header and line of the chart: members who joined the guild that week</extracomment>
        <translation>Arrivées</translation>
    </message>
    <message>
        <source>Left</source>
        <extracomment>Column header and line of the chart: members who left the guild that week</extracomment>
        <translation>Départs</translation>
    </message>
    <message>
        <source>Week starting</source>
        <extracomment>Axis title: the weeks, each by the Monday it starts on</extracomment>
        <translation>Semaine du</translation>
    </message>
    <message>
        <source>Members</source>
        <extracomment>Axis title: numbers of members</extracomment>
        <translation>Membres</translation>
    </message>
    <message>
        <source>Chart of joins and departures</source>
        <translation>Graphique des arrivées et départs</translation>
    </message>
    <message>
        <source>Table of joins and departures</source>
        <translation>Tableau des arrivées et départs</translation>
    </message>
    <message>
        <source>Week</source>
        <extracomment>Column header: the week, by the Monday it starts on</extracomment>
        <translation>Semaine</translation>
    </message>
    <message>
        <source>Asking the server…</source>
        <translation>Interrogation du serveur…</translation>
    </message>
    <message>
        <source>The server&apos;s answer cannot be read.</source>
        <translation>La réponse du serveur est illisible.</translation>
    </message>
    <message>
        <source>Members joining and leaving per week</source>
        <translation>Arrivées et départs de membres par semaine</translation>
    </message>
</context>
<context>
    <name>AdminOperations</name>
    <message>
        <source>The server has saved the new setup!</source>
        <translation>Le serveur a enregistré la nouvelle configuration&#xa0;!</translation>
    </message>
    <message>
        <source>The character&apos;s password has been reset to the default password.</source>
        <extracomment>The default password: the guild&apos;s password for new members</extracomment>
        <translation>Le mot de passe du personnage a été réinitialisé au mot de passe par défaut.</translation>
    </message>
    <message>
        <source>The character&apos;s security level has been changed!</source>
        <translation>Le niveau d&apos;accès du personnage a été modifié&#xa0;!</translation>
    </message>
    <message>
        <source>The character database has been backed up</source>
        <translation>La base de données des personnages a été sauvegardée</translation>
    </message>
    <message>
        <source>You security level is not high enough!</source>
        <extracomment>&quot;You&quot; stands for &quot;Your&quot;</extracomment>
        <translation>Votre niveau d&apos;accès est insuffisant&#xa0;!</translation>
    </message>
    <message>
        <source>You must select the character whose password you want to reset from the tree!</source>
        <translation>Vous devez sélectionner dans l&apos;arbre le personnage dont vous voulez réinitialiser le mot de passe&#xa0;!</translation>
    </message>
    <message>
        <source>Are you sure you want to reset %1&apos;s password to the default password?</source>
        <extracomment>%1 is the character&apos;s name; the default password is the guild&apos;s password for new members</extracomment>
        <translation>Voulez-vous vraiment réinitialiser le mot de passe de %1 au mot de passe par défaut&#xa0;?</translation>
    </message>
    <message>
        <source>Reset Password Confirmation</source>
        <translation>Confirmation de réinitialisation du mot de passe</translation>
    </message>
    <message>
        <source>You must select the character whose security level you want to change!</source>
        <translation>Vous devez sélectionner le personnage dont vous voulez changer le niveau d&apos;accès&#xa0;!</translation>
    </message>
    <message>
        <source>Are you sure you want to change %1&apos;s security level to %2?</source>
        <extracomment>%1 is the character&apos;s name, %2 the chosen level: &quot;Normal User&quot; or &quot;Administrator&quot;</extracomment>
        <translation>Voulez-vous vraiment passer le niveau d&apos;accès de %1 à %2&#xa0;?</translation>
    </message>
    <message>
        <source>Change Security Level Confirmation</source>
        <translation>Confirmation du changement de niveau d&apos;accès</translation>
    </message>
    <message>
        <source>Backup Database</source>
        <extracomment>Title of the file dialog that saves a backup of the guild</extracomment>
        <translation>Sauvegarder la base de données</translation>
    </message>
    <message>
        <source>Tree Data Files (*.dat)</source>
        <extracomment>File-dialog filter</extracomment>
        <translation>Fichiers de données d&apos;arbre (*.dat)</translation>
    </message>
    <message>
        <source>The backup was cut off before its end; nothing was written to %1.  Please try again.</source>
        <extracomment>%1 is the backup file&apos;s path</extracomment>
        <translation>La sauvegarde a été interrompue avant la fin&#xa0;; rien n&apos;a été écrit dans %1. Veuillez réessayer.</translation>
    </message>
    <message>
        <source>The backup could not be written to %1: %2</source>
        <extracomment>%1 is the backup file&apos;s path, %2 the reason</extracomment>
        <translation>La sauvegarde n&apos;a pas pu être écrite dans %1&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>AllegianceModel</name>
    <message>
        <source>%1 - Level %2</source>
        <extracomment>A node of the allegiance tree: %1 is the character&apos;s name, %2 its level.</extracomment>
        <translation>%1 - Niveau %2</translation>
    </message>
</context>
<context>
    <name>AllegianceOperations</name>
    <message>
        <source>The new vassal has been added to the tree.  Hit OK to refresh the tree</source>
        <extracomment>After adding a vassal (a character sworn to a patron) to the allegiance tree</extracomment>
        <translation>Le nouveau vassal a été ajouté à l&apos;arbre. Cliquez sur OK pour actualiser l&apos;arbre</translation>
    </message>
    <message>
        <source>The vassal has been successfully removed.</source>
        <extracomment>A vassal: a character sworn to a patron in the allegiance</extracomment>
        <translation>Le vassal a bien été retiré.</translation>
    </message>
    <message>
        <source>You have been moved to your new patron.</source>
        <extracomment>The patron: the character one is sworn to in the allegiance</extracomment>
        <translation>Vous avez été déplacé sous votre nouveau patron.</translation>
    </message>
    <message>
        <source>Your password has been successfully changed!</source>
        <translation>Votre mot de passe a bien été modifié&#xa0;!</translation>
    </message>
    <message>
        <source>Adding Vassal</source>
        <extracomment>Status bar, while the server adds a vassal (a character sworn to a patron)</extracomment>
        <translation>Ajout du vassal</translation>
    </message>
    <message>
        <source>Are you sure you want to remove your vassal %1?<byte value="xd"/>
This will also remove all characters that are followers of %1.</source>
        <extracomment>%1 is the vassal&apos;s character name; a vassal is a character sworn to a patron, its followers are the vassals below it in the allegiance</extracomment>
        <translation>Voulez-vous vraiment retirer votre vassal %1&#xa0;?</translation>
    </message>
    <message>
        <source>Remove Vassal Confirmation</source>
        <extracomment>Title of the box asking to remove a vassal from the allegiance</extracomment>
        <translation>Confirmation du retrait du vassal</translation>
    </message>
    <message>
        <source>You have entered a name that does not exist.  Please refresh the tree.</source>
        <translation>Vous avez saisi un nom qui n&apos;existe pas. Veuillez actualiser l&apos;arbre.</translation>
    </message>
    <message>
        <source>Changing Patrons</source>
        <extracomment>Status bar, while the server moves a character to a new patron in the allegiance</extracomment>
        <translation>Changement de patron</translation>
    </message>
    <message>
        <source>Changing Password</source>
        <translation>Changement du mot de passe</translation>
    </message>
</context>
<context>
    <name>AllegianceView</name>
    <message>
        <source>Downloading Tree Info</source>
        <extracomment>The operation under way, shown in the status bar.</extracomment>
        <translation>Téléchargement de l&apos;arbre</translation>
    </message>
    <message>
        <source>The allegiance tree the server sent cannot be shown: %1.  Please refresh the tree.</source>
        <extracomment>%1 says what is wrong with the tree; it begins in lower case.</extracomment>
        <translation>L&apos;arbre d&apos;allégeance envoyé par le serveur ne peut pas être affiché&#xa0;: %1. Veuillez actualiser l&apos;arbre.</translation>
    </message>
    <message>
        <source>That branch is too deep to show whole: it is opened %1 generations down</source>
        <extracomment>%1 is how many generations (levels of the allegiance tree) down a branch is opened.</extracomment>
        <translation>Cette branche est trop profonde pour être affichée en entier&#xa0;: elle est ouverte sur %1 générations</translation>
    </message>
    <message>
        <source>Downloading Character Info</source>
        <extracomment>The operation under way, shown in the status bar.</extracomment>
        <translation>Téléchargement du personnage</translation>
    </message>
    <message>
        <source>That character does not exist!</source>
        <translation>Ce personnage n&apos;existe pas&#xa0;!</translation>
    </message>
</context>
<context>
    <name>AttentionReport</name>
    <message>
        <source>Never</source>
        <extracomment>In the column of the last change or login: there was none</extracomment>
        <translation>Jamais</translation>
    </message>
    <message>
        <source>Name</source>
        <extracomment>Column header: the member&apos;s character name</extracomment>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Days</source>
        <extracomment>Column header: whole days since the last change or login</extracomment>
        <translation>Jours</translation>
    </message>
    <message>
        <source>Vassal Slots</source>
        <extracomment>Section: how many more vassals (characters sworn to them) each member may take</extracomment>
        <translation>Places de vassal</translation>
    </message>
    <message>
        <source>Vassals</source>
        <extracomment>Column header: the number of vassals a member has</extracomment>
        <translation>Vassaux</translation>
    </message>
    <message>
        <source>Free Slots</source>
        <extracomment>Column header: how many more vassals the member may take, under the guild&apos;s cap</extracomment>
        <translation>Places libres</translation>
    </message>
    <message>
        <source>Missing Followers</source>
        <extracomment>Section: members whose record counts more followers (characters below them in the allegiance) than the tree holds</extracomment>
        <translation>Fidèles manquants</translation>
    </message>
    <message>
        <source>Followers Entered</source>
        <extracomment>Column header: the number of followers the member&apos;s record gives</extracomment>
        <translation>Fidèles saisis</translation>
    </message>
    <message>
        <source>In the Tree</source>
        <extracomment>Column header: the number of followers the tree holds below the member</extracomment>
        <translation>Dans l&apos;arbre</translation>
    </message>
    <message>
        <source>Number Missing</source>
        <extracomment>Column header: how many followers the tree lacks</extracomment>
        <translation>Manquants</translation>
    </message>
    <message>
        <source>Mules Without a Main</source>
        <extracomment>Section: mules (a player&apos;s extra characters) whose main character is not in the guild</extracomment>
        <translation>Mules sans personnage principal</translation>
    </message>
    <message>
        <source>Main Character Name</source>
        <extracomment>Column header: the name of the mule&apos;s main character, as its record gives it</extracomment>
        <translation>Nom du personnage principal</translation>
    </message>
    <message>
        <source>Records Not Changed</source>
        <extracomment>Section: members whose record was not changed for the number of days chosen</extracomment>
        <translation>Fiches non modifiées</translation>
    </message>
    <message>
        <source>Last Changed (UTC)</source>
        <extracomment>Column header: when the record was last changed</extracomment>
        <translation>Dernière modification (UTC)</translation>
    </message>
    <message>
        <source>On the Default Password</source>
        <extracomment>Section: members who still log in with the guild&apos;s password for new members</extracomment>
        <translation>Avec le mot de passe par défaut</translation>
    </message>
    <message>
        <source>Administrators Not Logged In</source>
        <extracomment>Section: administrators who did not log in for the number of days chosen</extracomment>
        <translation>Administrateurs non connectés</translation>
    </message>
    <message>
        <source>Last Login (UTC)</source>
        <extracomment>Column header: when the administrator last logged in</extracomment>
        <translation>Dernière connexion (UTC)</translation>
    </message>
</context>
<context>
    <name>BackgroundRequest</name>
    <message>
        <source>the server does not answer</source>
        <extracomment>Why a request made in the background failed; it ends a sentence of the status bar, after a colon, so it begins in lower case.</extracomment>
        <translation>le serveur ne répond pas</translation>
    </message>
    <message>
        <source>the server cannot be reached</source>
        <extracomment>Why a request made in the background failed; it ends a sentence of the status bar, after a colon, so it begins in lower case.</extracomment>
        <translation>le serveur est injoignable</translation>
    </message>
    <message>
        <source>the server closed the connection</source>
        <extracomment>Why a request made in the background failed; it ends a sentence of the status bar, after a colon, so it begins in lower case.</extracomment>
        <translation>le serveur a fermé la connexion</translation>
    </message>
    <message>
        <source>the server&apos;s certificate is not trusted</source>
        <extracomment>Why a request made in the background failed; it ends a sentence of the status bar, after a colon, so it begins in lower case.</extracomment>
        <translation>le certificat du serveur n&apos;est pas approuvé</translation>
    </message>
</context>
<context>
    <name>CellEditor</name>
    <message>
        <source>Value</source>
        <extracomment>The name a screen reader gives the box that edits a cell of a grid without a header.</extracomment>
        <translation>Valeur</translation>
    </message>
</context>
<context>
    <name>ChangeHistory</name>
    <message>
        <source>Recent Changes</source>
        <extracomment>Window title: the guild&apos;s latest changes</extracomment>
        <translation>Modifications récentes</translation>
    </message>
    <message>
        <source>Close</source>
        <extracomment>Button: closes the window</extracomment>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Downloading Change History</source>
        <translation>Téléchargement de l&apos;historique des modifications</translation>
    </message>
    <message>
        <source>Downloading Recent Changes</source>
        <translation>Téléchargement des modifications récentes</translation>
    </message>
    <message>
        <source>Undo change #%1 of %2 by %3?

%4
</source>
        <extracomment>%1 is the change&apos;s number, %2 its date and time, %3 the member who made it, %4 what it changed</extracomment>
        <translation>Annuler la modification n°&#xa0;%1 du %2 par %3&#xa0;?

%4
</translation>
    </message>
    <message>
        <source>remove %1</source>
        <extracomment>One of the things an undo does, in &quot;This will %1.&quot;: %1 is a character&apos;s name, taken off the guild&apos;s roster</extracomment>
        <translation>retirer %1</translation>
    </message>
    <message>
        <source>bring back %1</source>
        <extracomment>One of the things an undo does, in &quot;This will %1.&quot;: %1 is a removed character&apos;s name, put back on the guild&apos;s roster</extracomment>
        <translation>rétablir %1</translation>
    </message>
    <message>
        <source>set %1 back to %2</source>
        <extracomment>One of the things an undo does, in &quot;This will %1.&quot;: %1 is a field of the record, %2 its former value</extracomment>
        <translation>remettre %1 à %2</translation>
    </message>
    <message>
        <source>(empty)</source>
        <extracomment>The former value of a field that was empty</extracomment>
        <translation>(vide)</translation>
    </message>
    <message>
        <source>remove %1 from the guild</source>
        <extracomment>What undoing the addition of a character does, in &quot;This will %1.&quot;: %1 is its name</extracomment>
        <translation>retirer %1 de la guilde</translation>
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
        <translation>Cela va %1.</translation>
    </message>
    <message>
        <source>No password is kept with a removed member: those brought back log in with the guild&apos;s default password, and an administrator among them comes back as a member.</source>
        <translation>Aucun mot de passe n&apos;est conservé pour un membre retiré&#xa0;: les membres rétablis se connectent avec le mot de passe par défaut de la guilde, et un administrateur parmi eux revient en simple membre.</translation>
    </message>
    <message>
        <source>Undoing Change</source>
        <translation>Annulation de la modification</translation>
    </message>
    <message>
        <source>The change has been undone.</source>
        <translation>La modification a été annulée.</translation>
    </message>
    <message>
        <source>The change cannot be undone.</source>
        <translation>La modification ne peut pas être annulée.</translation>
    </message>
    <message>
        <source>The change cannot be undone: %1.</source>
        <extracomment>%1 is why, a sentence of its own (context Refusal)</extracomment>
        <translation>La modification ne peut pas être annulée&#xa0;: %1.</translation>
    </message>
    <message>
        <source>  Nothing was changed.</source>
        <extracomment>Follows &quot;The change cannot be undone.&quot; when the record was changed meanwhile; keep the two spaces before it</extracomment>
        <translation>  Rien n&apos;a été modifié.</translation>
    </message>
</context>
<context>
    <name>CharacterSheet</name>
    <message>
        <source>Error!</source>
        <extracomment>The character&apos;s record the server sent is not whole.</extracomment>
        <translation>Erreur&#xa0;!</translation>
    </message>
    <message>
        <source>%1 was changed elsewhere; shown as stored now</source>
        <extracomment>In the status bar; %1 is the character shown.</extracomment>
        <translation>%1 a été modifié ailleurs&#xa0;; affiché tel qu&apos;enregistré</translation>
    </message>
    <message>
        <source>%1 was changed by someone else at %2; shown as stored now</source>
        <extracomment>In the status bar; %1 is the character shown, %2 when it was changed.</extracomment>
        <translation>%1 a été modifié par quelqu&apos;un d&apos;autre à %2&#xa0;; affiché tel qu&apos;enregistré</translation>
    </message>
    <message>
        <source>%1 was changed by %2 at %3; shown as stored now</source>
        <extracomment>In the status bar; %1 is the character shown, %2 the character who changed it, %3 when.</extracomment>
        <translation>%1 a été modifié par %2 à %3&#xa0;; affiché tel qu&apos;enregistré</translation>
    </message>
    <message>
        <source>Last Modified: %1 by %2</source>
        <extracomment>%1 is when the character&apos;s record was last saved, %2 who saved it.</extracomment>
        <translation>Dernière modification&#xa0;: %1 par %2</translation>
    </message>
    <message>
        <source>Unknown</source>
        <extracomment>Who last saved the record: a member who is not in the tree.</extracomment>
        <translation>Inconnu</translation>
    </message>
    <message>
        <source>%1 (Number Missing: %2)</source>
        <extracomment>%1 is the number of the character&apos;s followers (game word: the characters below it in the allegiance) the tree shows, %2 how many fewer than the number stored that is.</extracomment>
        <translation>%1 (manquants&#xa0;: %2)</translation>
    </message>
    <message>
        <source>%1 was changed by someone else while you were editing.</source>
        <extracomment>%1 is the character shown.</extracomment>
        <translation>%1 a été modifié par quelqu&apos;un d&apos;autre pendant que vous le modifiiez.</translation>
    </message>
    <message>
        <source>%1 was changed by someone else at %2 while you were editing.</source>
        <extracomment>%1 is the character shown, %2 when it was changed.</extracomment>
        <translation>%1 a été modifié par quelqu&apos;un d&apos;autre à %2 pendant que vous le modifiiez.</translation>
    </message>
    <message>
        <source>%1 was changed by %2 at %3 while you were editing.</source>
        <extracomment>%1 is the character shown, %2 the character who changed it, %3 when.</extracomment>
        <translation>%1 a été modifié par %2 à %3 pendant que vous le modifiiez.</translation>
    </message>
    <message>
        <source>Saving your changes will be refused; reload to see the record as it is stored now.</source>
        <extracomment>Follows a sentence saying that someone else changed the character&apos;s record.</extracomment>
        <translation>L&apos;enregistrement de vos modifications sera refusé&#xa0;; rechargez pour voir la fiche telle qu&apos;elle est enregistrée.</translation>
    </message>
    <message>
        <source>%1 has left the allegiance</source>
        <extracomment>In the status bar; %1 is the character that was shown. Game word: the allegiance is the guild&apos;s tree of patrons and vassals.</extracomment>
        <translation>%1 a quitté l&apos;allégeance</translation>
    </message>
    <message>
        <source>Last Modified:</source>
        <extracomment>The label of when the character&apos;s record was last saved, while no character is shown.</extracomment>
        <translation>Dernière modification&#xa0;:</translation>
    </message>
    <message>
        <source>The character&apos;s information has been updated.  If you changed the name of the character you are logged in as, you&apos;ll have to login again.</source>
        <translation>Les informations du personnage ont été mises à jour. Si vous avez changé le nom du personnage avec lequel vous êtes connecté, vous devrez vous reconnecter.</translation>
    </message>
    <message>
        <source>%1 was changed by someone else after you opened it, so your changes were not saved.</source>
        <extracomment>%1 is the character shown.</extracomment>
        <translation>%1 a été modifié par quelqu&apos;un d&apos;autre après son ouverture&#xa0;: vos modifications n&apos;ont pas été enregistrées.</translation>
    </message>
    <message>
        <source>%1 was changed by someone else on %2 after you opened it, so your changes were not saved.</source>
        <extracomment>%1 is the character shown, %2 when it was changed.</extracomment>
        <translation>%1 a été modifié par quelqu&apos;un d&apos;autre le %2 après son ouverture&#xa0;: vos modifications n&apos;ont pas été enregistrées.</translation>
    </message>
    <message>
        <source>%1 was changed by %2 after you opened it, so your changes were not saved.</source>
        <extracomment>%1 is the character shown, %2 the character who changed it.</extracomment>
        <translation>%1 a été modifié par %2 après son ouverture&#xa0;: vos modifications n&apos;ont pas été enregistrées.</translation>
    </message>
    <message>
        <source>%1 was changed by %2 on %3 after you opened it, so your changes were not saved.</source>
        <extracomment>%1 is the character shown, %2 the character who changed it, %3 when.</extracomment>
        <translation>%1 a été modifié par %2 le %3 après son ouverture&#xa0;: vos modifications n&apos;ont pas été enregistrées.</translation>
    </message>
    <message>
        <source>Do you want to load the character as it is stored now?  Your changes will be lost.</source>
        <translation>Voulez-vous charger le personnage tel qu&apos;il est enregistré&#xa0;? Vos modifications seront perdues.</translation>
    </message>
    <message>
        <source>Save changes to %1?</source>
        <extracomment>%1 is the character shown.</extracomment>
        <translation>Enregistrer les modifications de %1&#xa0;?</translation>
    </message>
    <message>
        <source>None</source>
        <extracomment>The patron of a monarch, who has none.</extracomment>
        <translation>Aucun</translation>
    </message>
</context>
<context>
    <name>Characters</name>
    <message>
        <source>a vassal of %1 is missing</source>
        <extracomment>Why a downloaded tree is refused (it follows a colon); %1 is a character&apos;s name. Game word: a vassal is a character sworn to another, its patron.</extracomment>
        <translation>il manque un vassal de %1</translation>
    </message>
    <message>
        <source>%1 is listed as a vassal twice</source>
        <extracomment>Why a downloaded tree is refused (it follows a colon); %1 is a character&apos;s name. Game word: a vassal is a character sworn to another, its patron.</extracomment>
        <translation>%1 figure deux fois comme vassal</translation>
    </message>
    <message>
        <source>%1 is listed under %2, who is not its patron</source>
        <extracomment>Why a downloaded tree is refused (it follows a colon); %1 and %2 are characters&apos; names. Game word: a patron is the character a vassal is sworn to.</extracomment>
        <translation>%1 figure sous %2, qui n&apos;est pas son patron</translation>
    </message>
    <message>
        <source>the patron links form a cycle</source>
        <extracomment>Why a downloaded tree is refused (it follows a colon). Game word: a patron is the character a vassal is sworn to; here, following the patrons leads back round.</extracomment>
        <translation>les liens vers les patrons forment une boucle</translation>
    </message>
</context>
<context>
    <name>ChartCanvas</name>
    <message>
        <source>Allegiance chart</source>
        <extracomment>The allegiance: the guild&apos;s members, each sworn to a patron above it</extracomment>
        <translation>Organigramme de l&apos;allégeance</translation>
    </message>
    <message>
        <source>Drag to move the chart, turn the wheel to zoom, double-click a box to show that member.  Alt and the arrow keys move the mark from box to box; Enter shows the marked member.</source>
        <translation>Faites glisser pour déplacer l&apos;organigramme, tournez la molette pour zoomer, double-cliquez sur une case pour afficher ce membre. Alt et les flèches déplacent la marque de case en case&#xa0;; Entrée affiche le membre marqué.</translation>
    </message>
</context>
<context>
    <name>ChartExport</name>
    <message>
        <source>Allegiance chart</source>
        <extracomment>The allegiance: the guild&apos;s members, each sworn to a patron above it</extracomment>
        <translation>Organigramme de l&apos;allégeance</translation>
    </message>
    <message>
        <source>there is not enough memory for the picture</source>
        <extracomment>Follows &quot;The chart could not be saved to &lt;file&gt;: &quot;</extracomment>
        <translation>la mémoire est insuffisante pour l&apos;image</translation>
    </message>
    <message>
        <source>the drawing could not be started</source>
        <extracomment>Follows &quot;The chart could not be saved to &lt;file&gt;: &quot;</extracomment>
        <translation>le dessin n&apos;a pas pu être commencé</translation>
    </message>
    <message>
        <source>the document could not be started</source>
        <extracomment>Follows &quot;The chart could not be saved to &lt;file&gt;: &quot;</extracomment>
        <translation>le document n&apos;a pas pu être créé</translation>
    </message>
    <message>
        <source>%1: row %2 of %3, column %4 of %5</source>
        <extracomment>A page&apos;s caption when the chart takes several pages; %1 is the chart&apos;s title, %2 and %3 the page&apos;s row and how many rows, %4 and %5 its column and how many columns</extracomment>
        <translation>%1&#xa0;: ligne %2 sur %3, colonne %4 sur %5</translation>
    </message>
</context>
<context>
    <name>ChartPainter</name>
    <message>
        <source>Level %1</source>
        <extracomment>In a member&apos;s box of the chart; %1 is the character&apos;s level</extracomment>
        <translation>Niveau %1</translation>
    </message>
</context>
<context>
    <name>Chat</name>
    <message>
        <source>%1 added %2 as vassal of %3 (level %4)</source>
        <translation>%1 a ajouté %2 comme vassal de %3 (niveau %4)</translation>
    </message>
    <message>
        <source>%1 removed %2%3 from the guild</source>
        <translation>%1 a retiré %2%3 de la guilde</translation>
    </message>
    <message>
        <source>%1 removed %2, vassal of %3,%4 from the guild</source>
        <translation>%1 a retiré %2, vassal de %3,%4 de la guilde</translation>
    </message>
    <message>
        <source>%1 moved %2%3 from %4 to %5</source>
        <translation>%1 a déplacé %2%3 de %4 vers %5</translation>
    </message>
    <message>
        <source>%1 moved %2%3 from no patron to %4</source>
        <translation>%1 a déplacé %2%3, sans patron, vers %4</translation>
    </message>
    <message>
        <source> and 1 follower</source>
        <translation> et 1 fidèle</translation>
    </message>
    <message>
        <source> and %1 followers</source>
        <translation> et %1 fidèles</translation>
    </message>
    <message>
        <source>%1 made %2 an administrator</source>
        <translation>%1 a fait de %2 un administrateur</translation>
    </message>
    <message>
        <source>%1 made %2 a member (no longer an administrator)</source>
        <translation>%1 a fait de %2 un membre (plus administrateur)</translation>
    </message>
    <message>
        <source>%1 changed the guild&apos;s set-up:%2</source>
        <translation>%1 a modifié la configuration de la guilde&#xa0;:%2</translation>
    </message>
    <message>
        <source> a new default password</source>
        <translation> un nouveau mot de passe par défaut</translation>
    </message>
    <message>
        <source> the rescue squad on</source>
        <translation> l&apos;escouade de secours activée</translation>
    </message>
    <message>
        <source> the rescue squad off</source>
        <translation> l&apos;escouade de secours désactivée</translation>
    </message>
    <message>
        <source> the guild&apos;s name from &quot;%1&quot; to &quot;%2&quot;</source>
        <translation> le nom de la guilde de «&#xa0;%1&#xa0;» en «&#xa0;%2&#xa0;»</translation>
    </message>
    <message>
        <source> the rescue squad&apos;s name from &quot;%1&quot; to &quot;%2&quot;</source>
        <translation> le nom de l&apos;escouade de secours de «&#xa0;%1&#xa0;» en «&#xa0;%2&#xa0;»</translation>
    </message>
    <message>
        <source> %1</source>
        <translation> %1</translation>
    </message>
    <message>
        <source>%1 undid %2&apos;s addition of %3</source>
        <translation>%1 a annulé l&apos;ajout de %3 par %2</translation>
    </message>
    <message>
        <source>%1 undid %2&apos;s removal of %3%4</source>
        <translation>%1 a annulé le retrait de %3%4 par %2</translation>
    </message>
    <message>
        <source>%1 undid %2&apos;s move of %3</source>
        <translation>%1 a annulé le déplacement de %3 par %2</translation>
    </message>
    <message>
        <source>%1 undid %2&apos;s security level change of %3</source>
        <translation>%1 a annulé le changement de niveau d&apos;accès de %3 par %2</translation>
    </message>
    <message>
        <source>%1 undid %2&apos;s change of the guild&apos;s set-up</source>
        <translation>%1 a annulé la modification de la configuration de la guilde par %2</translation>
    </message>
    <message>
        <source>Test message from ZORV for %1</source>
        <translation>Message de test de ZORV pour %1</translation>
    </message>
</context>
<context>
    <name>CriticalError</name>
    <message>
        <source>Out of memory</source>
        <translation>Mémoire insuffisante</translation>
    </message>
    <message>
        <source>Subscript out of range</source>
        <translation>Indice hors limites</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>Dépassement de capacité</translation>
    </message>
    <message>
        <source>Invalid procedure call or argument</source>
        <translation>Appel de procédure ou argument non valide</translation>
    </message>
    <message>
        <source>Application-defined error: %1</source>
        <extracomment>%1 is the description the failure carries.</extracomment>
        <translation>Erreur définie par l&apos;application&#xa0;: %1</translation>
    </message>
    <message>
        <source>Unknown failure</source>
        <translation>Erreur inconnue</translation>
    </message>
    <message>
        <source>A critical error has occured!<byte value="xd"/>
Occurred in: %1<byte value="xd"/>
Description: %2 %3<byte value="xd"/>
Please send an email with this information to %4</source>
        <extracomment>%1 is the name of the procedure that failed, %2 the failure&apos;s number and %3 its description, %4 the support address.</extracomment>
        <translation>Une erreur critique s&apos;est produite&#xa0;!</translation>
    </message>
    <message>
        <source>Critical Error!</source>
        <translation>Erreur critique&#xa0;!</translation>
    </message>
    <message>
        <source>Object variable not set</source>
        <extracomment>A failure&apos;s description in the &quot;Critical Error!&quot; box: something the step needs is missing</extracomment>
        <translation>Variable objet non définie</translation>
    </message>
</context>
<context>
    <name>CsvExport</name>
    <message>
        <source>Export List</source>
        <extracomment>The title of the file dialog that saves a list.</extracomment>
        <translation>Exporter la liste</translation>
    </message>
    <message>
        <source>CSV Files (*.csv)</source>
        <translation>Fichiers CSV (*.csv)</translation>
    </message>
    <message>
        <source>The list could not be saved to %1: %2</source>
        <extracomment>%1 is the file chosen, %2 why it could not be written.</extracomment>
        <translation>La liste n&apos;a pas pu être enregistrée dans %1&#xa0;: %2</translation>
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
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>ErrorTable</name>
    <message>
        <source>There was an error while trying to add the vassal.  Please refresh the tree and try again.</source>
        <extracomment>A vassal is a character sworn to another, its patron, in the guild&apos;s allegiance.</extracomment>
        <translation>Erreur lors de l&apos;ajout du vassal. Veuillez actualiser l&apos;arbre et réessayer.</translation>
    </message>
    <message>
        <source>There was an error while trying to remove the vassal.  Please refresh the tree and try again.</source>
        <extracomment>A vassal is a character sworn to another, its patron, in the guild&apos;s allegiance.</extracomment>
        <translation>Erreur lors du retrait du vassal. Veuillez actualiser l&apos;arbre et réessayer.</translation>
    </message>
    <message>
        <source>The name you entered was not found in the database.  Please check your spelling and make sure your patron has added you.</source>
        <extracomment>A patron is the character a vassal is sworn to in the guild&apos;s allegiance.</extracomment>
        <translation>Le nom saisi est introuvable dans la base de données. Vérifiez l&apos;orthographe et assurez-vous que votre patron vous a bien ajouté.</translation>
    </message>
    <message>
        <source>There was an error updating a character&apos;s information.  That character does not exist.</source>
        <translation>Erreur lors de la mise à jour des informations d&apos;un personnage. Ce personnage n&apos;existe pas.</translation>
    </message>
    <message>
        <source>There was an error trying to open the file zorv.cfg on the server.  Make sure it is chmoded to 777.</source>
        <translation>Erreur à l&apos;ouverture du fichier zorv.cfg sur le serveur. Vérifiez que ses droits sont réglés sur 777 (chmod 777).</translation>
    </message>
    <message>
        <source>There was an error trying to open the file tree.dat on the server.  Make sure it is chmoded to 777.</source>
        <translation>Erreur à l&apos;ouverture du fichier tree.dat sur le serveur. Vérifiez que ses droits sont réglés sur 777 (chmod 777).</translation>
    </message>
    <message>
        <source>There was an error trying to change the server setup.  Please try again.</source>
        <translation>Erreur lors de la modification de la configuration du serveur. Veuillez réessayer.</translation>
    </message>
    <message>
        <source>There was an error changing the security level! An invalid character ID was given!</source>
        <translation>Erreur lors du changement de niveau d&apos;accès&#xa0;! L&apos;identifiant de personnage fourni n&apos;est pas valide&#xa0;!</translation>
    </message>
    <message>
        <source>There was an error while trying to add the vassal.  You provided an invalid name.  Please enter a legal name.</source>
        <extracomment>A vassal is a character sworn to another, its patron, in the guild&apos;s allegiance.</extracomment>
        <translation>Erreur lors de l&apos;ajout du vassal. Le nom fourni n&apos;est pas valide. Veuillez saisir un nom autorisé.</translation>
    </message>
    <message>
        <source>There was an error while trying to add the vassal.  The name you provided for the new vassal already exists in the tree.  Please refresh the tree.</source>
        <extracomment>A vassal is a character sworn to another, its patron, in the guild&apos;s allegiance.</extracomment>
        <translation>Erreur lors de l&apos;ajout du vassal. Le nom fourni pour le nouveau vassal existe déjà dans l&apos;arbre. Veuillez actualiser l&apos;arbre.</translation>
    </message>
    <message>
        <source>There was an error while trying to add the vassal.  The patron already has the maxium number of possible vassals.</source>
        <extracomment>A vassal is a character sworn to another, its patron, in the guild&apos;s allegiance.</extracomment>
        <translation>Erreur lors de l&apos;ajout du vassal. Le patron a déjà le nombre maximal de vassaux.</translation>
    </message>
    <message>
        <source>There was an error while trying to add the vassal.  The name you provided for the new vassal was illegal.  Please refresh the tree.</source>
        <extracomment>A vassal is a character sworn to another, its patron, in the guild&apos;s allegiance.</extracomment>
        <translation>Erreur lors de l&apos;ajout du vassal. Le nom fourni pour le nouveau vassal n&apos;est pas autorisé. Veuillez actualiser l&apos;arbre.</translation>
    </message>
    <message>
        <source>There was an error while trying to remove the vassal.  The vassal you tried to remove could not be found in the tree.</source>
        <extracomment>A vassal is a character sworn to another, its patron, in the guild&apos;s allegiance.</extracomment>
        <translation>Erreur lors du retrait du vassal. Le vassal que vous avez tenté de retirer est introuvable dans l&apos;arbre.</translation>
    </message>
    <message>
        <source>There was an error while trying to remove the character.  The character you tried to remove was not your vassal.  You can only remove your own vassals.</source>
        <extracomment>A vassal is a character sworn to another, its patron, in the guild&apos;s allegiance.</extracomment>
        <translation>Erreur lors du retrait du personnage. Le personnage que vous avez tenté de retirer n&apos;est pas votre vassal. Vous ne pouvez retirer que vos propres vassaux.</translation>
    </message>
    <message>
        <source>There was an error while trying to change patrons.  Please refresh the tree and try again.</source>
        <extracomment>A patron is the character a vassal is sworn to in the guild&apos;s allegiance.</extracomment>
        <translation>Erreur lors du changement de patron. Veuillez actualiser l&apos;arbre et réessayer.</translation>
    </message>
    <message>
        <source>There was an error while trying to change patrons.  The new patron already mas the maximum number of possible vassals.</source>
        <extracomment>A vassal is a character sworn to another, its patron, in the guild&apos;s allegiance.</extracomment>
        <translation>Erreur lors du changement de patron. Le nouveau patron a déjà le nombre maximal de vassaux.</translation>
    </message>
    <message>
        <source>There was an error while trying to change patrons.  You can not pledge to one of your followers.</source>
        <extracomment>A patron is the character a vassal is sworn to in the guild&apos;s allegiance; to pledge is to swear to a patron; one&apos;s followers are all the characters below one in the allegiance.</extracomment>
        <translation>Erreur lors du changement de patron. Vous ne pouvez pas prêter allégeance à l&apos;un de vos fidèles.</translation>
    </message>
    <message>
        <source>There was an error while trying to change patrons.  You can not pledge to yourself.</source>
        <extracomment>A patron is the character a vassal is sworn to in the guild&apos;s allegiance; to pledge is to swear to a patron.</extracomment>
        <translation>Erreur lors du changement de patron. Vous ne pouvez pas vous prêter allégeance à vous-même.</translation>
    </message>
    <message>
        <source>You have entered an incorrect password.  If this is the first time you&apos;ve logged in, make sure you use the default password.</source>
        <translation>Mot de passe incorrect. S&apos;il s&apos;agit de votre première connexion, utilisez bien le mot de passe par défaut.</translation>
    </message>
    <message>
        <source>There was an error setting up the new server.  The guild name was invalid.</source>
        <translation>Erreur lors de la configuration du nouveau serveur. Le nom de guilde n&apos;est pas valide.</translation>
    </message>
    <message>
        <source>There was an error setting up the new server.  The default password was invalid.</source>
        <translation>Erreur lors de la configuration du nouveau serveur. Le mot de passe par défaut n&apos;est pas valide.</translation>
    </message>
    <message>
        <source>There was an error updating the character info.  You attempted to edit a field that only admins are allowed to edit.</source>
        <translation>Erreur lors de la mise à jour des informations du personnage. Vous avez tenté de modifier un champ réservé aux administrateurs.</translation>
    </message>
    <message>
        <source>There was an error updating the character info.  Someone else changed the character after you opened it.  Please reload it and make your changes again.</source>
        <translation>Erreur lors de la mise à jour des informations du personnage. Quelqu&apos;un d&apos;autre a modifié le personnage après que vous l&apos;avez ouvert. Veuillez le recharger et refaire vos modifications.</translation>
    </message>
    <message>
        <source>There was an error retreiving a character&apos;s information.  That character does not exist.</source>
        <translation>Erreur lors de la récupération des informations d&apos;un personnage. Ce personnage n&apos;existe pas.</translation>
    </message>
    <message>
        <source>There was a serious error with the server.  Please have the admin visit ZORV&apos;s webpage and download the newest version of the server.</source>
        <translation>Erreur grave sur le serveur. Demandez à l&apos;administrateur de se rendre sur le site web de ZORV et de télécharger la dernière version du serveur.</translation>
    </message>
    <message>
        <source>Secuirty Voliation!</source>
        <translation>Violation de sécurité&#xa0;!</translation>
    </message>
    <message>
        <source>You are using an invalid client.  Please go to the ZORV website and upgrade.</source>
        <translation>Vous utilisez un client non valide. Rendez-vous sur le site web de ZORV pour le mettre à jour.</translation>
    </message>
    <message>
        <source>The operation you attempted referenced an invalid character.  Please refresh your tree and try again.</source>
        <translation>L&apos;opération tentée fait référence à un personnage non valide. Veuillez actualiser l&apos;arbre et réessayer.</translation>
    </message>
    <message>
        <source>You entered invalid input for a numeric value.</source>
        <translation>Vous avez saisi une valeur numérique non valide.</translation>
    </message>
    <message>
        <source>You entered invalid input for a string value</source>
        <translation>Vous avez saisi une valeur texte non valide</translation>
    </message>
    <message>
        <source>There was an error accessing the ZORV server.</source>
        <translation>Erreur lors de l&apos;accès au serveur ZORV.</translation>
    </message>
    <message>
        <source>Your password is too long, it can only be 10 characters long.</source>
        <translation>Votre mot de passe est trop long&#xa0;: il ne peut pas dépasser 10 caractères.</translation>
    </message>
    <message>
        <source>Your password is too short, it has to be at least 6 characters long.</source>
        <translation>Votre mot de passe est trop court&#xa0;: il doit comporter au moins 6 caractères.</translation>
    </message>
    <message>
        <source>There was an error changing the character&apos;s password.  The new password and the confirmation password do not match.</source>
        <translation>Erreur lors du changement du mot de passe du personnage. Le nouveau mot de passe et sa confirmation ne correspondent pas.</translation>
    </message>
    <message>
        <source>There was an error changing the character&apos;s password.  The confirmation password is invalid.</source>
        <translation>Erreur lors du changement du mot de passe du personnage. La confirmation du mot de passe n&apos;est pas valide.</translation>
    </message>
    <message>
        <source>There was an error changing the character&apos;s password.  The new password is invalid.</source>
        <translation>Erreur lors du changement du mot de passe du personnage. Le nouveau mot de passe n&apos;est pas valide.</translation>
    </message>
    <message>
        <source>There was an error trying to change the server setup.  You are not an admin, what are you trying to do?</source>
        <translation>Erreur lors de la modification de la configuration du serveur. Vous n&apos;êtes pas administrateur&#xa0;: que cherchez-vous à faire&#xa0;?</translation>
    </message>
    <message>
        <source>There was an error trying to reset the password. Your security level was not high enough.</source>
        <translation>Erreur lors de la réinitialisation du mot de passe. Votre niveau d&apos;accès est insuffisant.</translation>
    </message>
    <message>
        <source>There was an error trying to reset the password. Please try again.</source>
        <translation>Erreur lors de la réinitialisation du mot de passe. Veuillez réessayer.</translation>
    </message>
    <message>
        <source>There was an error trying to reset the password. That character does not exist.</source>
        <translation>Erreur lors de la réinitialisation du mot de passe. Ce personnage n&apos;existe pas.</translation>
    </message>
    <message>
        <source>There was an error trying to backup the server.  Your security level is not high enough.</source>
        <translation>Erreur lors de la sauvegarde du serveur. Votre niveau d&apos;accès est insuffisant.</translation>
    </message>
    <message>
        <source>There was an error changing the security level! The new security level was invalid</source>
        <translation>Erreur lors du changement de niveau d&apos;accès&#xa0;! Le nouveau niveau d&apos;accès n&apos;est pas valide</translation>
    </message>
    <message>
        <source>There was an error reading the change history.  Please try again.</source>
        <translation>Erreur lors de la lecture de l&apos;historique des modifications. Veuillez réessayer.</translation>
    </message>
    <message>
        <source>There was an error undoing the change.  Only an administrator can undo a change.</source>
        <translation>Erreur lors de l&apos;annulation de la modification. Seul un administrateur peut annuler une modification.</translation>
    </message>
    <message>
        <source>There was an error undoing the change.  The server no longer keeps that change.</source>
        <translation>Erreur lors de l&apos;annulation de la modification. Le serveur ne conserve plus cette modification.</translation>
    </message>
    <message>
        <source>The change cannot be undone.</source>
        <translation>La modification ne peut pas être annulée.</translation>
    </message>
    <message>
        <source>The server cannot tell what changed in the tree since it was downloaded.  Please refresh the tree.</source>
        <translation>Le serveur ne peut pas déterminer ce qui a changé dans l&apos;arbre depuis son téléchargement. Veuillez actualiser l&apos;arbre.</translation>
    </message>
    <message>
        <source>The server refused the notification&apos;s address.</source>
        <translation>Le serveur a refusé l&apos;adresse de la notification.</translation>
    </message>
    <message>
        <source>The server refused the notification&apos;s format or kinds of change.  Please try again.</source>
        <translation>Le serveur a refusé le format ou les types de modification de la notification. Veuillez réessayer.</translation>
    </message>
    <message>
        <source>The server no longer sends notifications there.  The list is shown again.</source>
        <translation>Le serveur n&apos;envoie plus de notifications à cette adresse. La liste est de nouveau affichée.</translation>
    </message>
    <message>
        <source>The test message could not be delivered.</source>
        <translation>Le message de test n&apos;a pas pu être remis.</translation>
    </message>
    <message>
        <source>Too many wrong passwords for %1; try again in %2 seconds</source>
        <extracomment>%1 is the character&apos;s name, %2 the number of seconds to wait, as the server sent it.</extracomment>
        <translation>Trop de mots de passe erronés pour %1&#xa0;; réessayez dans %2 secondes</translation>
    </message>
    <message>
        <source>The server does not write notifications in that language.</source>
        <translation>Le serveur n&apos;écrit pas de notifications dans cette langue.</translation>
    </message>
</context>
<context>
    <name>Field</name>
    <message>
        <source>Name</source>
        <extracomment>A column of a guild list: the character&apos;s name.</extracomment>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Level</source>
        <extracomment>A column of a guild list: the character&apos;s level, a number.</extracomment>
        <translation>Niveau</translation>
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
        <translation>Patron</translation>
    </message>
    <message>
        <source>Vassals</source>
        <translation>Vassaux</translation>
    </message>
    <message>
        <source>Number of Followers</source>
        <translation>Nombre de fidèles</translation>
    </message>
    <message>
        <source>Security Level</source>
        <translation>Niveau d&apos;accès</translation>
    </message>
    <message>
        <source>Class</source>
        <translation>Classe</translation>
    </message>
    <message>
        <source>Race</source>
        <translation>Race</translation>
    </message>
    <message>
        <source>Sex</source>
        <translation>Sexe</translation>
    </message>
    <message>
        <source>Is Mule</source>
        <translation>Est une mule</translation>
    </message>
    <message>
        <source>Mule for</source>
        <translation>Mule de</translation>
    </message>
    <message>
        <source>Lifestoned At</source>
        <translation>Pierre de vie</translation>
    </message>
    <message>
        <source>Tied To</source>
        <translation>Lié à</translation>
    </message>
    <message>
        <source>Bio</source>
        <translation>Biographie</translation>
    </message>
    <message>
        <source>Skills</source>
        <translation>Compétences</translation>
    </message>
    <message>
        <source>Real Name</source>
        <translation>Nom réel</translation>
    </message>
    <message>
        <source>City, State, Country</source>
        <translation>Ville, région, pays</translation>
    </message>
    <message>
        <source>Other Info</source>
        <translation>Autres infos</translation>
    </message>
    <message>
        <source>Email Address</source>
        <translation>Adresse e-mail</translation>
    </message>
    <message>
        <source>ICQ Number</source>
        <translation>Numéro ICQ</translation>
    </message>
    <message>
        <source>Revision</source>
        <translation>Révision</translation>
    </message>
    <message>
        <source>Last Modified</source>
        <translation>Dernière modification</translation>
    </message>
    <message>
        <source>Path to Monarch</source>
        <translation>Chemin jusqu&apos;au monarque</translation>
    </message>
    <message>
        <source>Player Killer</source>
        <translation>Tueur de joueurs</translation>
    </message>
    <message>
        <source>Rescue Squad Member</source>
        <translation>Membre de l&apos;escouade de secours</translation>
    </message>
    <message>
        <source>Hide Info on Web</source>
        <translation>Masquer les infos sur le Web</translation>
    </message>
    <message>
        <source>Can Summon</source>
        <translation>Peut invoquer</translation>
    </message>
    <message>
        <source>Main Character Name</source>
        <translation>Nom du personnage principal</translation>
    </message>
    <message>
        <source>Modified By</source>
        <translation>Modifié par</translation>
    </message>
    <message>
        <source>Awards</source>
        <translation>Distinctions</translation>
    </message>
    <message>
        <source>Patron Id</source>
        <translation>ID du patron</translation>
    </message>
    <message>
        <source>Place among Vassals</source>
        <translation>Place parmi les vassaux</translation>
    </message>
    <message>
        <source>Member</source>
        <translation>Membre</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Mot de passe</translation>
    </message>
    <message>
        <source>Default Password</source>
        <translation>Mot de passe par défaut</translation>
    </message>
    <message>
        <source>Guild Name</source>
        <translation>Nom de la guilde</translation>
    </message>
    <message>
        <source>Use Rescue Squad</source>
        <translation>Utiliser l&apos;escouade de secours</translation>
    </message>
    <message>
        <source>Rescue Squad Name</source>
        <translation>Nom de l&apos;escouade de secours</translation>
    </message>
    <message>
        <source>Lifestone</source>
        <translation>Pierre de vie</translation>
    </message>
</context>
<context>
    <name>FlatListModel</name>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Level</source>
        <extracomment>A column of the flat listing: the character&apos;s level, a number.</extracomment>
        <translation>Niveau</translation>
    </message>
    <message>
        <source>Rank</source>
        <extracomment>A column of the flat listing: the character&apos;s rank, a number.</extracomment>
        <translation>Rang</translation>
    </message>
    <message>
        <source>C. Rank</source>
        <extracomment>A column of the flat listing: the rank worked out from the character&apos;s vassals, a number (&quot;C.&quot; for computed).</extracomment>
        <translation>Rang c.</translation>
    </message>
    <message>
        <source>Patron Name</source>
        <extracomment>A column of the flat listing: the name of the character&apos;s patron (game word: the character it is sworn to in the allegiance).</extracomment>
        <translation>Nom du patron</translation>
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
        <translation>Aucun</translation>
    </message>
    <message>
        <source>Unknown</source>
        <extracomment>In the Patron Name column: the patron (game word: the character one is sworn to) is not in the roster.</extracomment>
        <translation>Inconnu</translation>
    </message>
    <message>
        <source>Yes</source>
        <extracomment>In the Mule or PK column: the character is a mule (game word: a character kept to carry another&apos;s goods), or a player killer.</extracomment>
        <translation>Oui</translation>
    </message>
    <message>
        <source>No</source>
        <extracomment>In the Mule or PK column: the character is not a mule (game word: a character kept to carry another&apos;s goods), or not a player killer.</extracomment>
        <translation>Non</translation>
    </message>
</context>
<context>
    <name>Grid</name>
    <message>
        <source>&amp;Export List...</source>
        <translation>&amp;Exporter la liste...</translation>
    </message>
</context>
<context>
    <name>GuildActivity</name>
    <message>
        <source>The server keeps no change history, so joins and departures cannot be counted.</source>
        <translation>Le serveur ne conserve pas d&apos;historique des modifications&#xa0;: les arrivées et départs ne peuvent pas être comptés.</translation>
    </message>
    <message>
        <source>The change history holds no entry yet.</source>
        <translation>L&apos;historique des modifications est encore vide.</translation>
    </message>
    <message>
        <source>The change history reaches back to %1 only; earlier weeks show nothing.</source>
        <extracomment>%1 is the day of the oldest change kept, YYYY-MM-DD</extracomment>
        <translation>L&apos;historique des modifications ne remonte qu&apos;au %1&#xa0;; les semaines précédentes sont vides.</translation>
    </message>
</context>
<context>
    <name>GuildFactsSource</name>
    <message>
        <source>Downloading Guild Facts</source>
        <translation>Téléchargement des données de la guilde</translation>
    </message>
    <message>
        <source>The server&apos;s answer could not be read.</source>
        <translation>La réponse du serveur est illisible.</translation>
    </message>
</context>
<context>
    <name>GuildLists</name>
    <message>
        <source>Downloading %1 Info</source>
        <extracomment>Status bar; %1 is the guild&apos;s name for its rescue squad (the members who come to the help of others), &quot;Rescue Squad&quot; unless the guild named it otherwise</extracomment>
        <translation>Téléchargement des infos (%1)</translation>
    </message>
    <message>
        <source>Downloading Summonable Portal Info</source>
        <extracomment>Status bar; the list of members who can summon a portal</extracomment>
        <translation>Téléchargement des portails invocables</translation>
    </message>
    <message>
        <source>Downloading Trade Skill Info</source>
        <translation>Téléchargement des métiers</translation>
    </message>
</context>
<context>
    <name>GuildStatistics</name>
    <message>
        <source>Members by level</source>
        <extracomment>Chart title: how many members are of each band of levels</extracomment>
        <translation>Membres par niveau</translation>
    </message>
    <message>
        <source>Level</source>
        <extracomment>Axis and column title: bands of character levels, such as 1-10</extracomment>
        <translation>Niveau</translation>
    </message>
    <message>
        <source>Members by rank</source>
        <extracomment>Chart title: how many members are of each rank in the allegiance</extracomment>
        <translation>Membres par rang</translation>
    </message>
    <message>
        <source>Rank</source>
        <extracomment>Axis and column title: the ranks in the allegiance, numbers 1 to 10</extracomment>
        <translation>Rang</translation>
    </message>
    <message>
        <source>Vassal slots in use</source>
        <extracomment>Chart title: how many members have 0, 1, 2... vassals (characters sworn to them)</extracomment>
        <translation>Places de vassal occupées</translation>
    </message>
    <message>
        <source>Vassals</source>
        <extracomment>Axis and column title: numbers of vassals sworn to a member</extracomment>
        <translation>Vassaux</translation>
    </message>
    <message>
        <source>Members by race</source>
        <extracomment>Chart title: how many members are of each race</extracomment>
        <translation>Membres par race</translation>
    </message>
    <message>
        <source>Race</source>
        <extracomment>Axis and column title: the characters&apos; races</extracomment>
        <translation>Race</translation>
    </message>
    <message>
        <source>Members by sex</source>
        <extracomment>Chart title: how many members are of each sex</extracomment>
        <translation>Membres par sexe</translation>
    </message>
    <message>
        <source>Sex</source>
        <extracomment>Axis and column title: the characters&apos; sex, male or female</extracomment>
        <translation>Sexe</translation>
    </message>
    <message>
        <source>Unknown</source>
        <extracomment>The bar of the members whose rank in the allegiance is not known</extracomment>
        <translation>Inconnu</translation>
    </message>
    <message>
        <source>%1 or more</source>
        <extracomment>The bar of the members with this many vassals or more; %1 is a number</extracomment>
        <translation>%1 ou plus</translation>
    </message>
</context>
<context>
    <name>HTTPRequest</name>
    <message>
        <source>the TLS handshake failed (%1)</source>
        <extracomment>Why the server could not be reached; it ends a sentence, after a colon. %1 is the connection&apos;s own error text.</extracomment>
        <translation>la négociation TLS a échoué (%1)</translation>
    </message>
</context>
<context>
    <name>HistoryPayload</name>
    <message>
        <source>Set up the guild</source>
        <extracomment>A change of the guild&apos;s history: the server was set up.</extracomment>
        <translation>Configuration de la guilde</translation>
    </message>
    <message>
        <source>Added %1</source>
        <extracomment>A change of the guild&apos;s history; %1 is the character added to the allegiance.</extracomment>
        <translation>Ajout de %1</translation>
    </message>
    <message>
        <source>Added %1 under %2</source>
        <extracomment>A change of the guild&apos;s history; %1 is the character added to the allegiance, %2 its patron (game word: the character a vassal is sworn to).</extracomment>
        <translation>Ajout de %1 sous %2</translation>
    </message>
    <message numerus="yes">
        <source>Removed %1 and %n followers from under %2</source>
        <extracomment>A change of the guild&apos;s history; %1 is the character removed from the allegiance, %n the number of its followers (game word: the characters below it) removed with it, %2 its patron (game word: the character it was sworn to).</extracomment>
        <translation>
            <numerusform>Retrait de %1, vassal de %2, avec %n fidèle</numerusform>
            <numerusform>Retrait de %1, vassal de %2, avec %n fidèles</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Removed %1 and %n followers</source>
        <extracomment>A change of the guild&apos;s history; %1 is the character removed from the allegiance, %n the number of its followers (game word: the characters below it) removed with it.</extracomment>
        <translation>
            <numerusform>Retrait de %1 avec %n fidèle</numerusform>
            <numerusform>Retrait de %1 avec %n fidèles</numerusform>
        </translation>
    </message>
    <message>
        <source>Removed %1 from under %2</source>
        <extracomment>A change of the guild&apos;s history; %1 is the character removed from the allegiance, %2 its patron (game word: the character it was sworn to).</extracomment>
        <translation>Retrait de %1, vassal de %2</translation>
    </message>
    <message>
        <source>Removed %1</source>
        <extracomment>A change of the guild&apos;s history; %1 is the character removed from the allegiance.</extracomment>
        <translation>Retrait de %1</translation>
    </message>
    <message>
        <source>Moved %1</source>
        <extracomment>A change of the guild&apos;s history; %1 is the character that changed patrons (game word: the character one is sworn to in the allegiance).</extracomment>
        <translation>Déplacement de %1</translation>
    </message>
    <message>
        <source>Moved %1 from the top to %2</source>
        <extracomment>A change of the guild&apos;s history; %1 is the character that changed patrons (game word: the character one is sworn to in the allegiance), from none, at the top of the tree, to %2.</extracomment>
        <translation>Déplacement de %1 du sommet vers %2</translation>
    </message>
    <message>
        <source>Moved %1 from %2 to %3</source>
        <extracomment>A change of the guild&apos;s history; %1 is the character that changed patrons (game word: the character one is sworn to in the allegiance), from %2 to %3.</extracomment>
        <translation>Déplacement de %1 de %2 vers %3</translation>
    </message>
    <message>
        <source>Saved %1</source>
        <extracomment>A change of the guild&apos;s history; %1 is the character whose record was saved.</extracomment>
        <translation>Enregistrement de %1</translation>
    </message>
    <message>
        <source>Changed the password of %1</source>
        <extracomment>A change of the guild&apos;s history; %1 is a character.</extracomment>
        <translation>Changement du mot de passe de %1</translation>
    </message>
    <message>
        <source>Reset the password of %1</source>
        <extracomment>A change of the guild&apos;s history; %1 is a character.</extracomment>
        <translation>Réinitialisation du mot de passe de %1</translation>
    </message>
    <message>
        <source>Made %1 an administrator</source>
        <extracomment>A change of the guild&apos;s history; %1 is a character.</extracomment>
        <translation>Passage de %1 en administrateur</translation>
    </message>
    <message>
        <source>Made %1 a normal user</source>
        <extracomment>A change of the guild&apos;s history; %1 is a character.</extracomment>
        <translation>Passage de %1 en utilisateur standard</translation>
    </message>
    <message>
        <source>Changed the server setup</source>
        <extracomment>A change of the guild&apos;s history.</extracomment>
        <translation>Modification de la configuration du serveur</translation>
    </message>
    <message>
        <source>Undid change #%1 (%2)</source>
        <extracomment>A change of the guild&apos;s history; %1 is the number of the change undone, %2 the character it concerned.</extracomment>
        <translation>Annulation de la modification n°&#xa0;%1 (%2)</translation>
    </message>
    <message>
        <source>changed</source>
        <extracomment>Shown for a password in the list of a change&apos;s values, in place of old and new.</extracomment>
        <translation>modifié</translation>
    </message>
    <message>
        <source>brought back: %1</source>
        <extracomment>A member of the allegiance brought back by undoing a removal; %1 is its name.</extracomment>
        <translation>rétabli&#xa0;: %1</translation>
    </message>
    <message>
        <source>removed: %1</source>
        <extracomment>A member removed from the allegiance; %1 is its name.</extracomment>
        <translation>retiré&#xa0;: %1</translation>
    </message>
    <message>
        <source>(empty)</source>
        <extracomment>An empty value of a field, before or after a change.</extracomment>
        <translation>(vide)</translation>
    </message>
</context>
<context>
    <name>HistoryView</name>
    <message>
        <source>Date (UTC)</source>
        <extracomment>Column header: when the change was made</extracomment>
        <translation>Date (UTC)</translation>
    </message>
    <message>
        <source>By</source>
        <extracomment>Column header: the member who made the change</extracomment>
        <translation>Par</translation>
    </message>
    <message>
        <source>Change</source>
        <extracomment>Column header: what the change was</extracomment>
        <translation>Modification</translation>
    </message>
    <message>
        <source>Change History</source>
        <translation>Historique des modifications</translation>
    </message>
    <message>
        <source>Refresh</source>
        <extracomment>Button: reads the history again</extracomment>
        <translation>Actualiser</translation>
    </message>
    <message>
        <source>Older Changes</source>
        <extracomment>Button: reads the page of changes before those shown</extracomment>
        <translation>Modifications antérieures</translation>
    </message>
    <message>
        <source>Undo...</source>
        <extracomment>Button: undoes the selected change, after asking</extracomment>
        <translation>Annuler...</translation>
    </message>
    <message>
        <source>%1  (undone by #%2)</source>
        <extracomment>%1 is the description of a change, %2 the number of the later change that undid it</extracomment>
        <translation>%1  (annulée par n°&#xa0;%2)</translation>
    </message>
    <message>
        <source>Change #%1</source>
        <extracomment>%1 is the change&apos;s number in the guild&apos;s history</extracomment>
        <translation>Modification n°&#xa0;%1</translation>
    </message>
</context>
<context>
    <name>KnownCertificates</name>
    <message>
        <source>(none)</source>
        <extracomment>Shown for a certificate that names no owner or issuer.</extracomment>
        <translation>(aucun)</translation>
    </message>
    <message>
        <source>The ZORV server at %1 sent a certificate that cannot be verified:</source>
        <extracomment>%1 is the server&apos;s address.</extracomment>
        <translation>Le serveur ZORV à l&apos;adresse %1 a envoyé un certificat qui ne peut pas être vérifié&#xa0;:</translation>
    </message>
    <message>
        <source>Subject: %1
Issuer: %2
Valid from %3 to %4
SHA-256 fingerprint: %5</source>
        <extracomment>%1 and %2 name the certificate&apos;s owner and issuer, %3 and %4 are dates, %5 the certificate&apos;s digest.</extracomment>
        <translation>Sujet&#xa0;: %1
Émetteur&#xa0;: %2
Valide du %3 au %4
Empreinte SHA-256&#xa0;: %5</translation>
    </message>
    <message>
        <source>This is not the certificate you accepted for this server before.  A server&apos;s certificate changes when it is renewed, but also when someone else answers in its place.</source>
        <translation>Ce n&apos;est pas le certificat que vous aviez accepté pour ce serveur. Le certificat d&apos;un serveur change lorsqu&apos;il est renouvelé, mais aussi lorsque quelqu&apos;un d&apos;autre répond à sa place.</translation>
    </message>
    <message>
        <source>Accept this certificate for this server?  Answer Yes only if you know the fingerprint is the server&apos;s own; it will then be accepted without asking until it changes.</source>
        <translation>Accepter ce certificat pour ce serveur&#xa0;? Répondez Oui uniquement si vous savez que cette empreinte est bien celle du serveur&#xa0;; il sera ensuite accepté sans confirmation jusqu&apos;à ce qu&apos;il change.</translation>
    </message>
</context>
<context>
    <name>ListPayloads</name>
    <message>
        <source>Yes</source>
        <extracomment>A cell of the rescue squad list (game word: the members who come to rescue the guild&apos;s characters): the flag of its column is set.</extracomment>
        <translation>Oui</translation>
    </message>
    <message>
        <source>No</source>
        <extracomment>A cell of the rescue squad list: the flag of its column is not set.</extracomment>
        <translation>Non</translation>
    </message>
    <message>
        <source>None Found!</source>
        <extracomment>The only row of the skill search&apos;s results when no character matches.</extracomment>
        <translation>Aucun résultat&#xa0;!</translation>
    </message>
</context>
<context>
    <name>LoginFlow</name>
    <message>
        <source>Congratulations!  The new ZORV server is setup.  I hope you and your guild enjoy the program!</source>
        <extracomment>ZORV is the program&apos;s name</extracomment>
        <translation>Félicitations&#xa0;! Le nouveau serveur ZORV est configuré. J&apos;espère que vous et votre guilde apprécierez le programme&#xa0;!</translation>
    </message>
    <message>
        <source>Your changes to %1 were not saved: they belong to the guild you logged in to before.</source>
        <extracomment>%1 is the name of the character whose record was being edited</extracomment>
        <translation>Vos modifications de %1 n&apos;ont pas été enregistrées&#xa0;: elles concernent la guilde à laquelle vous étiez connecté auparavant.</translation>
    </message>
    <message>
        <source>You must provide all the information here!</source>
        <translation>Vous devez fournir toutes les informations demandées&#xa0;!</translation>
    </message>
    <message>
        <source>Error!  The server is returning invalid info.</source>
        <translation>Erreur&#xa0;! Le serveur renvoie des informations non valides.</translation>
    </message>
    <message>
        <source>Error! This version of the ZORV client is for use on a newer server. Please contact your ZORV server admin.</source>
        <extracomment>ZORV is the program&apos;s name</extracomment>
        <translation>Erreur&#xa0;! Cette version du client ZORV est prévue pour un serveur plus récent. Veuillez contacter l&apos;administrateur de votre serveur ZORV.</translation>
    </message>
    <message>
        <source>Error! This client is too old for this ZORV server.  You must download a new version of the client</source>
        <extracomment>ZORV is the program&apos;s name</extracomment>
        <translation>Erreur&#xa0;! Ce client est trop ancien pour ce serveur ZORV. Vous devez télécharger une nouvelle version du client</translation>
    </message>
    <message>
        <source>%1 Member</source>
        <extracomment>Check box on the sheet: the character belongs to the rescue squad (the members who come to the help of others); %1 is the guild&apos;s name for its squad, such as &quot;Rescue Squad&quot;</extracomment>
        <translation>Membre (%1)</translation>
    </message>
    <message>
        <source>The ZORV server at %1 could not be reached: %2<byte value="xd"/>
<byte value="xd"/>
Open the tree kept from %3 read-only?  Nothing can be changed until the server answers; ZORV keeps trying, and logs in by itself when it does.</source>
        <extracomment>%1 is the server&apos;s address, %2 why it could not be reached, %3 the date and time the tree was kept; ZORV is the program&apos;s name</extracomment>
        <translation>Le serveur ZORV à l&apos;adresse %1 est injoignable&#xa0;: %2</translation>
    </message>
    <message>
        <source>Connection Error</source>
        <translation>Erreur de connexion</translation>
    </message>
    <message>
        <source>The tree kept from %1 cannot be read.</source>
        <extracomment>%1 is the date and time the tree was kept</extracomment>
        <translation>L&apos;arbre conservé du %1 est illisible.</translation>
    </message>
    <message>
        <source>Read-only copy from %1</source>
        <extracomment>Status bar: the tree shown is the one kept; %1 is the date and time it was kept</extracomment>
        <translation>Copie en lecture seule du %1</translation>
    </message>
    <message>
        <source>Read-only copy from %1: the server cannot be reached</source>
        <extracomment>Status bar: %1 is the date and time the tree shown was kept</extracomment>
        <translation>Copie en lecture seule du %1&#xa0;: le serveur est injoignable</translation>
    </message>
    <message>
        <source>ZORV - %1 - Read-only copy from %2 (the server cannot be reached)</source>
        <extracomment>Window title; %1 is the character logged in, %2 the date and time the tree shown was kept</extracomment>
        <translation>ZORV - %1 - Copie en lecture seule du %2 (serveur injoignable)</translation>
    </message>
</context>
<context>
    <name>MainMenus</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Login</source>
        <extracomment>Logs in again, to this or another server</extracomment>
        <translation>&amp;Connexion</translation>
    </message>
    <message>
        <source>E&amp;xport List...</source>
        <translation>E&amp;xporter la liste...</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>Current &amp;Player Functions</source>
        <extracomment>Menu: what is done for the selected character: vassals, patron, password</extracomment>
        <translation>Fonctions du &amp;personnage</translation>
    </message>
    <message>
        <source>&amp;Add Vassal</source>
        <extracomment>Adds a vassal (a character sworn to one as patron) under the selected character</extracomment>
        <translation>Ajouter un &amp;vassal</translation>
    </message>
    <message>
        <source>&amp;Change Patron</source>
        <extracomment>Moves the selected character under another patron (the character one is sworn to)</extracomment>
        <translation>&amp;Changer de patron</translation>
    </message>
    <message>
        <source>Change &amp;Password</source>
        <translation>Changer le &amp;mot de passe</translation>
    </message>
    <message>
        <source>&amp;Tree Operations</source>
        <extracomment>Menu: the allegiance tree</extracomment>
        <translation>Opérations sur l&apos;a&amp;rbre</translation>
    </message>
    <message>
        <source>E&amp;xpand Entire Tree</source>
        <translation>Dé&amp;velopper tout l&apos;arbre</translation>
    </message>
    <message>
        <source>Expand Entire &amp;Node</source>
        <extracomment>Opens every branch below the selected character in the tree</extracomment>
        <translation>Développer tout le &amp;nœud</translation>
    </message>
    <message>
        <source>&amp;Collapse Entire Tree</source>
        <translation>&amp;Réduire tout l&apos;arbre</translation>
    </message>
    <message>
        <source>Collapse Entire N&amp;ode</source>
        <extracomment>Closes every branch below the selected character in the tree</extracomment>
        <translation>Ré&amp;duire tout le nœud</translation>
    </message>
    <message>
        <source>&amp;Allegiance Chart...</source>
        <extracomment>The allegiance: the guild&apos;s members, each sworn to a patron above it</extracomment>
        <translation>&amp;Organigramme de l&apos;allégeance...</translation>
    </message>
    <message>
        <source>Guild &amp;Statistics...</source>
        <translation>&amp;Statistiques de la guilde...</translation>
    </message>
    <message>
        <source>A&amp;ttention Report...</source>
        <translation>Points à s&amp;urveiller...</translation>
    </message>
    <message>
        <source>&amp;Recent Changes...</source>
        <translation>Mod&amp;ifications récentes...</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <extracomment>Menu bar item: opens the options</extracomment>
        <translation>&amp;Options</translation>
    </message>
    <message>
        <source>&amp;Administrator</source>
        <extracomment>Menu: what administrators do</extracomment>
        <translation>A&amp;dministration</translation>
    </message>
    <message>
        <source>&amp;Backup Database</source>
        <extracomment>Saves the whole guild to a file</extracomment>
        <translation>&amp;Sauvegarder la base de données</translation>
    </message>
    <message>
        <source>Change Character&apos;s Security &amp;Level</source>
        <translation>Changer le &amp;niveau d&apos;accès du personnage</translation>
    </message>
    <message>
        <source>Reset Character&apos;s &amp;Password</source>
        <translation>Réinitialiser le &amp;mot de passe du personnage</translation>
    </message>
    <message>
        <source>Server &amp;Setup</source>
        <translation>&amp;Configuration du serveur</translation>
    </message>
    <message>
        <source>&amp;Notifications...</source>
        <extracomment>The chat channels the guild&apos;s changes are sent to</extracomment>
        <translation>No&amp;tifications...</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>À &amp;propos</translation>
    </message>
</context>
<context>
    <name>MainViews</name>
    <message>
        <source>Refresh List</source>
        <extracomment>Button: downloads the list again</extracomment>
        <translation>Actualiser la liste</translation>
    </message>
    <message>
        <source>Allegiance Tree</source>
        <extracomment>Tab and frame: the allegiance, each member under the patron it is sworn to</extracomment>
        <translation>Arbre d&apos;allégeance</translation>
    </message>
    <message>
        <source>&amp;Refresh Tree</source>
        <translation>&amp;Actualiser l&apos;arbre</translation>
    </message>
    <message>
        <source>F&amp;ind Character</source>
        <translation>&amp;Trouver un personnage</translation>
    </message>
    <message>
        <source>Flat Listing</source>
        <extracomment>Tab: every member in one list</extracomment>
        <translation>Liste à plat</translation>
    </message>
    <message>
        <source>Flat List</source>
        <extracomment>Frame and list: every member in one list</extracomment>
        <translation>Liste à plat</translation>
    </message>
    <message>
        <source>Rescue Squad List</source>
        <extracomment>Tab: the members of the rescue squad (the members who come to the help of others), until the login gives the guild&apos;s own name for it</extracomment>
        <translation>Escouade de secours</translation>
    </message>
    <message>
        <source>Rescue Squad</source>
        <extracomment>Frame and list: the members who come to the help of others, until the login gives the guild&apos;s own name for them</extracomment>
        <translation>Escouade de secours</translation>
    </message>
    <message>
        <source>Summonable Portal List</source>
        <extracomment>Tab, frame and list: the members who can summon a portal (a gateway to another place)</extracomment>
        <translation>Portails invocables</translation>
    </message>
    <message>
        <source>Trade Skills List</source>
        <extracomment>Tab: the members trained in the trade skills</extracomment>
        <translation>Liste des métiers</translation>
    </message>
    <message>
        <source>Trade Skill List</source>
        <extracomment>Frame and list: the members trained in the trade skills</extracomment>
        <translation>Liste des métiers</translation>
    </message>
    <message>
        <source>Search</source>
        <extracomment>Tab and frame: searching the members by race, rank and skills</extracomment>
        <translation>Recherche</translation>
    </message>
    <message>
        <source>Search Filter</source>
        <translation>Filtre de recherche</translation>
    </message>
    <message>
        <source>Search</source>
        <comment>button</comment>
        <extracomment>Button: starts the search</extracomment>
        <translation>Rechercher</translation>
    </message>
    <message>
        <source>Reset</source>
        <extracomment>Button: sets the search&apos;s choices back to any race, any rank and no skills</extracomment>
        <translation>Réinitialiser</translation>
    </message>
    <message>
        <source>Race: </source>
        <extracomment>Label of the race to search for; keep the space at the end</extracomment>
        <translation>Race&#xa0;: </translation>
    </message>
    <message>
        <source>Rank: </source>
        <extracomment>Label of the rank in the allegiance to search for; keep the space at the end</extracomment>
        <translation>Rang&#xa0;: </translation>
    </message>
    <message>
        <source>Sa&amp;ve</source>
        <extracomment>Button: keeps the search under the name typed beside it</extracomment>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <source>De&amp;lete</source>
        <extracomment>Button: deletes the saved search named beside it</extracomment>
        <translation>&amp;Supprimer</translation>
    </message>
    <message>
        <source>Saved searches:</source>
        <translation>Recherches enregistrées&#xa0;:</translation>
    </message>
    <message>
        <source>Show in &amp;Tree</source>
        <extracomment>Button: marks the members found in the allegiance tree</extracomment>
        <translation>Afficher dans l&apos;a&amp;rbre</translation>
    </message>
    <message>
        <source>Views</source>
        <extracomment>The main window&apos;s tabs</extracomment>
        <translation>Vues</translation>
    </message>
    <message>
        <source>Search Skill Values</source>
        <extracomment>The grid of the least skill values to search for</extracomment>
        <translation>Valeurs de compétence recherchées</translation>
    </message>
    <message>
        <source>Search Results</source>
        <translation>Résultats de la recherche</translation>
    </message>
    <message>
        <source>Saved searches</source>
        <translation>Recherches enregistrées</translation>
    </message>
</context>
<context>
    <name>NotifyFormat</name>
    <message>
        <source>Discord webhook</source>
        <extracomment>The form of the messages: those a Discord channel&apos;s webhook takes</extracomment>
        <translation>Webhook Discord</translation>
    </message>
    <message>
        <source>Slack incoming webhook</source>
        <extracomment>The form of the messages: those a Slack channel&apos;s incoming webhook takes</extracomment>
        <translation>Webhook entrant Slack</translation>
    </message>
    <message>
        <source>Plain JSON</source>
        <extracomment>The form of the messages: plain JSON, for a receiver of one&apos;s own</extracomment>
        <translation>JSON brut</translation>
    </message>
</context>
<context>
    <name>NotifyKind</name>
    <message>
        <source>&amp;Joins</source>
        <extracomment>A kind of change to send to a chat channel: members who join the guild</extracomment>
        <translation>A&amp;rrivées</translation>
    </message>
    <message>
        <source>&amp;Departures (with the branch that left)</source>
        <extracomment>A kind of change to send: members who leave, with their vassals below them; the list of targets shows it without the part in brackets</extracomment>
        <translation>&amp;Départs (avec la branche partie)</translation>
    </message>
    <message>
        <source>&amp;Patron changes</source>
        <extracomment>A kind of change to send: members moved to another patron (the character one is sworn to)</extracomment>
        <translation>Changements de &amp;patron</translation>
    </message>
    <message>
        <source>&amp;Security level changes</source>
        <extracomment>A kind of change to send: members made administrators or normal users</extracomment>
        <translation>Changements de &amp;niveau d&apos;accès</translation>
    </message>
    <message>
        <source>Server set-&amp;up changes</source>
        <extracomment>A kind of change to send: the guild&apos;s server set-up (its name, its rescue squad)</extracomment>
        <translation>Changements de &amp;configuration du serveur</translation>
    </message>
</context>
<context>
    <name>PasswordRules</name>
    <message>
        <source>Your password is too short!  It must be at least %1 characters long.</source>
        <extracomment>%1 is the least number of characters a password takes.</extracomment>
        <translation>Votre mot de passe est trop court&#xa0;! Il doit comporter au moins %1 caractères.</translation>
    </message>
    <message>
        <source>Your password is too long!  It can be at most %1 characters long.</source>
        <extracomment>%1 is the greatest number of characters a password takes.</extracomment>
        <translation>Votre mot de passe est trop long&#xa0;! Il peut comporter au plus %1 caractères.</translation>
    </message>
</context>
<context>
    <name>Race</name>
    <message>
        <source>Unknown</source>
        <translation>Inconnue</translation>
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
        <translation>Inconnu</translation>
    </message>
</context>
<context>
    <name>Refusal</name>
    <message>
        <source>The value &apos;%1&apos; of %2 is not a whole number</source>
        <translation>%2&#xa0;: la valeur «&#xa0;%1&#xa0;» n&apos;est pas un nombre entier</translation>
    </message>
    <message>
        <source>The value &apos;%1&apos; of %2 is not between %3 and %4</source>
        <translation>%2&#xa0;: la valeur «&#xa0;%1&#xa0;» n&apos;est pas comprise entre %3 et %4</translation>
    </message>
    <message>
        <source>The skill number &apos;%1&apos; of %2 is not a whole number</source>
        <translation>%2&#xa0;: le numéro de compétence «&#xa0;%1&#xa0;» n&apos;est pas un nombre entier</translation>
    </message>
    <message>
        <source>The skill number &apos;%1&apos; of %2 is not between %3 and %4</source>
        <translation>%2&#xa0;: le numéro de compétence «&#xa0;%1&#xa0;» n&apos;est pas compris entre %3 et %4</translation>
    </message>
    <message>
        <source>The training &apos;%1&apos; of %2 is not a whole number</source>
        <translation>%2&#xa0;: l&apos;entraînement «&#xa0;%1&#xa0;» n&apos;est pas un nombre entier</translation>
    </message>
    <message>
        <source>The training &apos;%1&apos; of %2 is not between %3 and %4</source>
        <translation>%2&#xa0;: l&apos;entraînement «&#xa0;%1&#xa0;» n&apos;est pas compris entre %3 et %4</translation>
    </message>
    <message>
        <source>The minimum &apos;%1&apos; of %2 is not a whole number</source>
        <translation>%2&#xa0;: le minimum «&#xa0;%1&#xa0;» n&apos;est pas un nombre entier</translation>
    </message>
    <message>
        <source>The minimum &apos;%1&apos; of %2 is not between %3 and %4</source>
        <translation>%2&#xa0;: le minimum «&#xa0;%1&#xa0;» n&apos;est pas compris entre %3 et %4</translation>
    </message>
    <message>
        <source>The value &apos;%1&apos; of %2 is not a valid name</source>
        <translation>%2&#xa0;: la valeur «&#xa0;%1&#xa0;» n&apos;est pas un nom valide</translation>
    </message>
    <message>
        <source>The value &apos;%1&apos; of %2 is a reserved name</source>
        <translation>%2&#xa0;: la valeur «&#xa0;%1&#xa0;» est un nom réservé</translation>
    </message>
    <message>
        <source>The value &apos;%1&apos; of %2 is longer than %3 bytes</source>
        <translation>%2&#xa0;: la valeur «&#xa0;%1&#xa0;» dépasse %3 octets</translation>
    </message>
    <message>
        <source>The value of %1 holds a reply marker</source>
        <translation>%1&#xa0;: la valeur contient un marqueur de réponse</translation>
    </message>
    <message>
        <source>The value &apos;%1&apos; of %2 is not 0 or 1</source>
        <translation>%2&#xa0;: la valeur «&#xa0;%1&#xa0;» n&apos;est ni 0 ni 1</translation>
    </message>
    <message>
        <source>The value of %1 is longer than %2 bytes</source>
        <translation>%1&#xa0;: la valeur dépasse %2 octets</translation>
    </message>
    <message>
        <source>%1 comes twice in %2</source>
        <translation>%2&#xa0;: %1 apparaît deux fois</translation>
    </message>
    <message>
        <source>The entry &apos;%1&apos; of %2 is not skill,training,value</source>
        <translation>%2&#xa0;: l&apos;entrée «&#xa0;%1&#xa0;» n&apos;est pas de la forme compétence,entraînement,valeur</translation>
    </message>
    <message>
        <source>The entry &apos;%1&apos; of %2 is not skill,minimum</source>
        <translation>%2&#xa0;: l&apos;entrée «&#xa0;%1&#xa0;» n&apos;est pas de la forme compétence,minimum</translation>
    </message>
    <message>
        <source>The value &apos;%1&apos; of %2 is not acceptable</source>
        <translation>%2&#xa0;: la valeur «&#xa0;%1&#xa0;» n&apos;est pas acceptée</translation>
    </message>
    <message>
        <source>%1 is no longer in the guild</source>
        <translation>%1 ne fait plus partie de la guilde</translation>
    </message>
    <message>
        <source>%1 is now %2</source>
        <translation>%1 s&apos;appelle désormais %2</translation>
    </message>
    <message>
        <source>%1, %2&apos;s patron, is no longer in the guild</source>
        <translation>%1, le patron de %2, ne fait plus partie de la guilde</translation>
    </message>
    <message>
        <source>%1 has %2 vassals, the most the guild allows</source>
        <translation>%1 a %2 vassaux, le maximum permis par la guilde</translation>
    </message>
    <message>
        <source>the %1 of %2 has been changed since</source>
        <translation>le champ «&#xa0;%1&#xa0;» de %2 a été modifié depuis</translation>
    </message>
    <message>
        <source>the entry&apos;s old %1 is not %2</source>
        <translation>l&apos;ancienne valeur de «&#xa0;%1&#xa0;» dans l&apos;entrée n&apos;est pas %2</translation>
    </message>
    <message>
        <source>the name %1 has been taken since</source>
        <translation>le nom %1 a été pris depuis</translation>
    </message>
    <message>
        <source>%1 is the guild&apos;s only administrator</source>
        <translation>%1 est le seul administrateur de la guilde</translation>
    </message>
    <message>
        <source>the entry changed nothing that can be put back</source>
        <translation>l&apos;entrée n&apos;a rien modifié qui puisse être rétabli</translation>
    </message>
    <message>
        <source>nobody removes their own login</source>
        <translation>personne ne peut retirer sa propre connexion</translation>
    </message>
    <message>
        <source>%1 has moved to another patron since</source>
        <translation>%1 a changé de patron depuis</translation>
    </message>
    <message>
        <source>%1 has vassals now</source>
        <translation>%1 a désormais des vassaux</translation>
    </message>
    <message>
        <source>%1&apos;s record has been saved since</source>
        <translation>la fiche de %1 a été enregistrée depuis</translation>
    </message>
    <message>
        <source>%1 has been made an administrator since</source>
        <translation>%1 est devenu administrateur depuis</translation>
    </message>
    <message>
        <source>the entry holds no removed record</source>
        <translation>l&apos;entrée ne contient aucune fiche retirée</translation>
    </message>
    <message>
        <source>the guild has no room for %1 members</source>
        <translation>la guilde n&apos;a pas de place pour %1 membres</translation>
    </message>
    <message>
        <source>the id %1 of %2 belongs to %3 now</source>
        <translation>l&apos;identifiant %1 de %2 appartient désormais à %3</translation>
    </message>
    <message>
        <source>the entry does not say where %1 was</source>
        <translation>l&apos;entrée n&apos;indique pas où se trouvait %1</translation>
    </message>
    <message>
        <source>%1 has moved again since</source>
        <translation>%1 a de nouveau été déplacé depuis</translation>
    </message>
    <message>
        <source>the old patron is now among %1&apos;s followers</source>
        <translation>l&apos;ancien patron fait désormais partie des fidèles de %1</translation>
    </message>
    <message>
        <source>the setting %1 has been changed since</source>
        <translation>le réglage «&#xa0;%1&#xa0;» a été modifié depuis</translation>
    </message>
    <message>
        <source>a new default password cannot be undone</source>
        <translation>un nouveau mot de passe par défaut ne peut pas être annulé</translation>
    </message>
    <message>
        <source>no URL</source>
        <translation>aucune URL</translation>
    </message>
    <message>
        <source>the URL is longer than %1 characters</source>
        <translation>l'URL dépasse %1 caractères</translation>
    </message>
    <message>
        <source>the URL holds a blank, a control character or a letter outside ASCII</source>
        <translation>l'URL contient une espace, un caractère de contrôle ou une lettre hors ASCII</translation>
    </message>
    <message>
        <source>the URL must begin with https://</source>
        <translation>l'URL doit commencer par https://</translation>
    </message>
    <message>
        <source>the URL names no host</source>
        <translation>l'URL ne nomme aucun hôte</translation>
    </message>
    <message>
        <source>the URL must not carry a user name or password</source>
        <translation>l'URL ne doit contenir ni nom d'utilisateur ni mot de passe</translation>
    </message>
    <message>
        <source>the URL&apos;s port must be a number from %1 to %2</source>
        <translation>le port de l'URL doit être un nombre de %1 à %2</translation>
    </message>
    <message>
        <source>http:// is for a receiver on this machine only (127.0.0.1, localhost, [::1]); use https://</source>
        <translation>http:// n'est permis que pour un récepteur sur cette machine (127.0.0.1, localhost, [::1]) ; utilisez https://</translation>
    </message>
    <message>
        <source>this server takes no http:// receivers; use https:// (its operator may allow receivers on its own machine)</source>
        <translation>ce serveur n'accepte aucun récepteur http:// ; utilisez https:// (son exploitant peut autoriser les récepteurs sur sa propre machine)</translation>
    </message>
    <message>
        <source>the guild sends to at most %1 targets; remove one first</source>
        <translation>la guilde envoie à %1 destinations au plus ; retirez-en une d'abord</translation>
    </message>
    <message>
        <source>this server takes no http:// receivers; use https://</source>
        <translation>ce serveur n'accepte aucun récepteur http:// ; utilisez https://</translation>
    </message>
</context>
<context>
    <name>RequestCycle</name>
    <message>
        <source>Connecting to Server</source>
        <extracomment>Connection status, shown in a panel of the status bar.</extracomment>
        <translation>Connexion au serveur</translation>
    </message>
    <message>
        <source>Connected to Server</source>
        <extracomment>Connection status, shown in a panel of the status bar.</extracomment>
        <translation>Connecté au serveur</translation>
    </message>
    <message>
        <source>Receiving Data</source>
        <extracomment>Connection status, shown in a panel of the status bar.</extracomment>
        <translation>Réception des données</translation>
    </message>
    <message>
        <source>%1 bytes received</source>
        <extracomment>Shown in a panel of the status bar; %1 is the number of bytes of the reply so far.</extracomment>
        <translation>%1 octets reçus</translation>
    </message>
    <message>
        <source>Not Connected</source>
        <extracomment>Connection status, shown in a panel of the status bar.</extracomment>
        <translation>Non connecté</translation>
    </message>
    <message>
        <source>The ZORV server at %1 could not be reached: %2</source>
        <extracomment>%1 is the server&apos;s address, %2 why it could not be reached.</extracomment>
        <translation>Le serveur ZORV à l&apos;adresse %1 est injoignable&#xa0;: %2</translation>
    </message>
    <message>
        <source>Connection Error</source>
        <translation>Erreur de connexion</translation>
    </message>
    <message>
        <source>Certificate Not Trusted</source>
        <extracomment>Connection status, shown in a panel of the status bar.</extracomment>
        <translation>Certificat non approuvé</translation>
    </message>
    <message>
        <source>Untrusted Certificate</source>
        <translation>Certificat non approuvé</translation>
    </message>
    <message>
        <source>The certificate could not be remembered in %1.  It is accepted for now; you will be asked again next time.</source>
        <extracomment>%1 is the file that keeps the accepted certificates.</extracomment>
        <translation>Le certificat n&apos;a pas pu être mémorisé dans %1. Il est accepté pour cette fois&#xa0;; la question vous sera reposée la prochaine fois.</translation>
    </message>
    <message>
        <source>Closing Connection</source>
        <extracomment>Connection status, shown in a panel of the status bar.</extracomment>
        <translation>Fermeture de la connexion</translation>
    </message>
    <message>
        <source>ZORV Error #%1</source>
        <extracomment>The title of a server error&apos;s message; %1 is its code.</extracomment>
        <translation>Erreur ZORV n°&#xa0;%1</translation>
    </message>
    <message>
        <source>Error #%1</source>
        <extracomment>%1 is the code of a server error that has no message of its own.</extracomment>
        <translation>Erreur n°&#xa0;%1</translation>
    </message>
    <message>
        <source>it did not answer in time</source>
        <extracomment>Why the server could not be reached; it ends a sentence, after a colon.</extracomment>
        <translation>il n&apos;a pas répondu à temps</translation>
    </message>
    <message>
        <source>A timeout error has occured!  This can mean manys things: <byte value="xd"/>
- The ZORV server is setup incorrectly or is down<byte value="xd"/>
- The server address you used is incorrect<byte value="xd"/>
- Your internet connection is down<byte value="xd"/>
- Or this program is gimpy</source>
        <translation>Le délai d&apos;attente est dépassé&#xa0;! Cela peut avoir plusieurs causes&#xa0;: </translation>
    </message>
    <message>
        <source>Timeout!</source>
        <translation>Délai dépassé&#xa0;!</translation>
    </message>
</context>
<context>
    <name>ScopeChoice</name>
    <message>
        <source>Branch of %1</source>
        <extracomment>What a window shows: the member and every follower below it in the allegiance; %1 is the member&apos;s name</extracomment>
        <translation>Branche de %1</translation>
    </message>
    <message>
        <source>Branch</source>
        <extracomment>What a window shows: one member&apos;s part of the allegiance, when no member is selected</extracomment>
        <translation>Branche</translation>
    </message>
</context>
<context>
    <name>Session</name>
    <message>
        <source>ZORV (%1) - Logged in as %2</source>
        <extracomment>The main window&apos;s title; %1 is the guild&apos;s name, %2 the character logged in.</extracomment>
        <translation>ZORV (%1) - Connecté en tant que %2</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>The settings file %1 could not be read.  The remembered servers and characters are not offered.</source>
        <extracomment>%1 is the settings file.</extracomment>
        <translation>Le fichier de paramètres %1 est illisible. Les serveurs et personnages mémorisés ne sont pas proposés.</translation>
    </message>
    <message>
        <source>The settings could not be saved to %1.</source>
        <extracomment>%1 is the settings file.</extracomment>
        <translation>Les paramètres n&apos;ont pas pu être enregistrés dans %1.</translation>
    </message>
</context>
<context>
    <name>Sex</name>
    <message>
        <source>Unknown</source>
        <translation>Inconnu</translation>
    </message>
    <message>
        <source>Male</source>
        <translation>Masculin</translation>
    </message>
    <message>
        <source>Female</source>
        <translation>Féminin</translation>
    </message>
</context>
<context>
    <name>SheetViews</name>
    <message>
        <source>%1:</source>
        <extracomment>The label before a field of the character sheet; %1 is the field&apos;s caption.</extracomment>
        <translation>%1&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Save Changes</source>
        <translation>&amp;Enregistrer les modifications</translation>
    </message>
    <message>
        <source>R&amp;eset Changes</source>
        <translation>A&amp;nnuler les modifications</translation>
    </message>
    <message>
        <source>Reloa&amp;d</source>
        <extracomment>A button: shows the character&apos;s record as someone else stored it, dropping one&apos;s edits.</extracomment>
        <translation>&amp;Recharger</translation>
    </message>
    <message>
        <source>&amp;Keep Editing</source>
        <translation>&amp;Continuer à modifier</translation>
    </message>
    <message>
        <source>Basic Info</source>
        <translation>Infos de base</translation>
    </message>
    <message>
        <source>Character Info</source>
        <translation>Infos du personnage</translation>
    </message>
    <message>
        <source>Yes</source>
        <extracomment>A choice of the Is Mule field (game word: a mule is a character kept to carry another&apos;s goods): the character is one.</extracomment>
        <translation>Oui</translation>
    </message>
    <message>
        <source>No</source>
        <extracomment>A choice of the Is Mule field (game word: a mule is a character kept to carry another&apos;s goods): the character is not one.</extracomment>
        <translation>Non</translation>
    </message>
    <message>
        <source>Computed Rank:</source>
        <extracomment>The label of the rank worked out from the character&apos;s vassals (game word: the characters sworn to it), beside the rank stored.</extracomment>
        <translation>Rang calculé&#xa0;:</translation>
    </message>
    <message>
        <source>Allegiance Info</source>
        <extracomment>A tab of the character sheet (game word: the allegiance is the guild&apos;s tree of patrons and vassals).
----------
Game word: the allegiance is the guild&apos;s tree of patrons and vassals.</extracomment>
        <translation>Infos d&apos;allégeance</translation>
    </message>
    <message>
        <source>Change Patron</source>
        <extracomment>A button: the character swears to another patron (game word: the character one is sworn to in the allegiance).</extracomment>
        <translation>Changer de patron</translation>
    </message>
    <message>
        <source>Number of Followers in Tree:</source>
        <extracomment>The label of the number of the character&apos;s followers (game word: the characters below it in the allegiance) the tree shows, beside the number stored.</extracomment>
        <translation>Nombre de fidèles dans l&apos;arbre&#xa0;:</translation>
    </message>
    <message>
        <source>Vassals</source>
        <extracomment>The frame of the list of the character&apos;s vassals (game word: the characters sworn to it).
----------
The name a screen reader gives the list of the character&apos;s vassals (game word: the characters sworn to it).</extracomment>
        <translation>Vassaux</translation>
    </message>
    <message>
        <source>Add Vassal</source>
        <extracomment>A button (game word: a vassal is a character sworn to another, its patron).</extracomment>
        <translation>Ajouter un vassal</translation>
    </message>
    <message>
        <source>Remove Vassal</source>
        <extracomment>A button (game word: a vassal is a character sworn to another, its patron).</extracomment>
        <translation>Retirer le vassal</translation>
    </message>
    <message>
        <source>Immediate Tree</source>
        <extracomment>The frame of the part of the allegiance tree around the character: its patron and the characters below it.
----------
The part of the allegiance tree around the character: its patron and the characters below it.</extracomment>
        <translation>Arbre immédiat</translation>
    </message>
    <message>
        <source>Skills</source>
        <translation>Compétences</translation>
    </message>
    <message>
        <source>Training</source>
        <extracomment>A tab: the skills by how far the character is trained in them.</extracomment>
        <translation>Entraînement</translation>
    </message>
    <message>
        <source>Lower</source>
        <extracomment>A button under a list of skills: moves the skills selected to the list of the next lower training.</extracomment>
        <translation>Diminuer</translation>
    </message>
    <message>
        <source>Raise</source>
        <extracomment>A button under a list of skills: moves the skills selected to the list of the next higher training.</extracomment>
        <translation>Augmenter</translation>
    </message>
    <message>
        <source>Specialized Skills</source>
        <translation>Compétences spécialisées</translation>
    </message>
    <message>
        <source>Trained Skills</source>
        <translation>Compétences entraînées</translation>
    </message>
    <message>
        <source>Untrained Skills</source>
        <translation>Compétences non entraînées</translation>
    </message>
    <message>
        <source>Unusable Skills</source>
        <translation>Compétences inutilisables</translation>
    </message>
    <message>
        <source>Skill Values</source>
        <translation>Valeurs des compétences</translation>
    </message>
    <message>
        <source>Real Life &amp; Contact Info</source>
        <extracomment>A tab of the character sheet: what its player tells about himself.</extracomment>
        <translation>Vie réelle &amp; contact</translation>
    </message>
    <message>
        <source>Real Life Info</source>
        <translation>Infos vie réelle</translation>
    </message>
    <message>
        <source>Anything else you want others to know about you:</source>
        <translation>Ce que vous souhaitez faire savoir aux autres sur vous&#xa0;:</translation>
    </message>
    <message>
        <source>Contact Info</source>
        <translation>Coordonnées</translation>
    </message>
    <message>
        <source>Awards</source>
        <translation>Distinctions</translation>
    </message>
    <message>
        <source>Awards this character has received (only administrators may change them):</source>
        <translation>Distinctions reçues par ce personnage (seuls les administrateurs peuvent les modifier)&#xa0;:</translation>
    </message>
    <message>
        <source>History</source>
        <extracomment>A tab of the character sheet: the changes made to the character.</extracomment>
        <translation>Historique</translation>
    </message>
    <message>
        <source>Sex</source>
        <extracomment>The name a screen reader gives the box of the character&apos;s sex.</extracomment>
        <translation>Sexe</translation>
    </message>
    <message>
        <source>Is Mule: Yes</source>
        <extracomment>Game word: a mule is a character kept to carry another&apos;s goods.</extracomment>
        <translation>Est une mule&#xa0;: Oui</translation>
    </message>
    <message>
        <source>Is Mule: No</source>
        <extracomment>Game word: a mule is a character kept to carry another&apos;s goods.</extracomment>
        <translation>Est une mule&#xa0;: Non</translation>
    </message>
    <message>
        <source>Find the character this mule is for</source>
        <extracomment>Game word: a mule is a character kept to carry another&apos;s goods.</extracomment>
        <translation>Trouver le personnage dont c&apos;est la mule</translation>
    </message>
    <message>
        <source>Find the main character</source>
        <translation>Trouver le personnage principal</translation>
    </message>
    <message>
        <source>Character</source>
        <extracomment>The name a screen reader gives the tabs of the character sheet.</extracomment>
        <translation>Personnage</translation>
    </message>
    <message>
        <source>Anything else you want others to know about you</source>
        <translation>Ce que vous souhaitez faire savoir aux autres sur vous</translation>
    </message>
    <message>
        <source>Lower the selected specialized skills</source>
        <translation>Diminuer les compétences spécialisées sélectionnées</translation>
    </message>
    <message>
        <source>Raise the selected trained skills</source>
        <translation>Augmenter les compétences entraînées sélectionnées</translation>
    </message>
    <message>
        <source>Lower the selected trained skills</source>
        <translation>Diminuer les compétences entraînées sélectionnées</translation>
    </message>
    <message>
        <source>Raise the selected untrained skills</source>
        <translation>Augmenter les compétences non entraînées sélectionnées</translation>
    </message>
    <message>
        <source>Lower the selected untrained skills</source>
        <translation>Diminuer les compétences non entraînées sélectionnées</translation>
    </message>
    <message>
        <source>Raise the selected unusable skills</source>
        <translation>Augmenter les compétences inutilisables sélectionnées</translation>
    </message>
</context>
<context>
    <name>SkillCatalogue</name>
    <message>
        <source>The server takes whole numbers only: &apos;%1&apos; will be refused.</source>
        <extracomment>The tool tip of a skill value the server will refuse; %1 is the value as typed.</extracomment>
        <translation>Le serveur n&apos;accepte que des nombres entiers&#xa0;: «&#xa0;%1&#xa0;» sera refusé.</translation>
    </message>
</context>
<context>
    <name>SkillSearch</name>
    <message>
        <source>Any</source>
        <comment>race</comment>
        <extracomment>Search choice: a member of any race</extracomment>
        <translation>Toutes</translation>
    </message>
    <message>
        <source>Any</source>
        <comment>rank</comment>
        <extracomment>Search choice: a member of any rank in the allegiance</extracomment>
        <translation>Tous</translation>
    </message>
    <message>
        <source>Name</source>
        <extracomment>Column header: the character&apos;s name</extracomment>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Level</source>
        <extracomment>Column header: the character&apos;s level (a number)</extracomment>
        <translation>Niveau</translation>
    </message>
    <message>
        <source>Rank</source>
        <extracomment>Column header: the character&apos;s rank in the allegiance (a number)</extracomment>
        <translation>Rang</translation>
    </message>
    <message>
        <source>Race</source>
        <extracomment>Column header: the character&apos;s race</extracomment>
        <translation>Race</translation>
    </message>
    <message>
        <source>You can only use numbers for your skill value</source>
        <translation>Vous ne pouvez saisir que des nombres pour la valeur de compétence</translation>
    </message>
    <message>
        <source>The saved searches in %1 could not be read: %2</source>
        <extracomment>%1 is the file&apos;s path, %2 the reason</extracomment>
        <translation>Les recherches enregistrées dans %1 sont illisibles&#xa0;: %2</translation>
    </message>
    <message>
        <source>Skill</source>
        <extracomment>Column header: the skill&apos;s name</extracomment>
        <translation>Compétence</translation>
    </message>
    <message>
        <source>Skill Value</source>
        <extracomment>Column header: the least value of the skill to search for</extracomment>
        <translation>Valeur de compétence</translation>
    </message>
    <message>
        <source>Searching</source>
        <extracomment>Status bar, while the server searches the guild</extracomment>
        <translation>Recherche en cours</translation>
    </message>
    <message>
        <source>Type a name for the search to save it under.</source>
        <translation>Saisissez un nom sous lequel enregistrer la recherche.</translation>
    </message>
    <message>
        <source>The search could not be saved to %1: %2</source>
        <extracomment>%1 is the file&apos;s path, %2 the reason</extracomment>
        <translation>La recherche n&apos;a pas pu être enregistrée dans %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>The saved searches could not be written to %1: %2</source>
        <extracomment>%1 is the file&apos;s path, %2 the reason</extracomment>
        <translation>Les recherches enregistrées n&apos;ont pas pu être écrites dans %1&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>SkillTraining</name>
    <message>
        <source>Skill</source>
        <translation>Compétence</translation>
    </message>
    <message>
        <source>Skill Value</source>
        <translation>Valeur de compétence</translation>
    </message>
    <message>
        <source>You can only use numbers for your skill value</source>
        <translation>Vous ne pouvez saisir que des nombres pour la valeur de compétence</translation>
    </message>
</context>
<context>
    <name>TreeChanges</name>
    <message>
        <source>the changes carry no generation</source>
        <extracomment>Why the changes the server sent are refused (it follows a colon); a generation numbers the states of the tree.</extracomment>
        <translation>les modifications ne portent aucune génération</translation>
    </message>
    <message>
        <source>a member who left has no readable id</source>
        <extracomment>Why the changes the server sent are refused (it follows a colon).</extracomment>
        <translation>un membre parti n&apos;a pas d&apos;identifiant lisible</translation>
    </message>
</context>
<context>
    <name>TreeFeed</name>
    <message>
        <source>Downloading Tree Info</source>
        <extracomment>The operation under way, shown in the status bar.</extracomment>
        <translation>Téléchargement de l&apos;arbre</translation>
    </message>
    <message>
        <source>the server answered error #%1</source>
        <extracomment>Why the tree&apos;s updates paused; it ends a sentence, after a colon. %1 is the code of the server&apos;s error.</extracomment>
        <translation>le serveur a répondu par l&apos;erreur n°&#xa0;%1</translation>
    </message>
    <message>
        <source>Read-only copy: %1; trying again in %2 s</source>
        <extracomment>In the status bar, while the tree shown is a copy kept from an earlier run: %1 says why the server cannot be reached, %2 is a number of seconds.</extracomment>
        <translation>Copie en lecture seule&#xa0;: %1&#xa0;; nouvel essai dans %2 s</translation>
    </message>
    <message>
        <source>Tree updates paused: %1; trying again in %2 s</source>
        <extracomment>In the status bar: %1 says why the tree&apos;s updates paused, %2 is a number of seconds.</extracomment>
        <translation>Mises à jour de l&apos;arbre suspendues&#xa0;: %1&#xa0;; nouvel essai dans %2 s</translation>
    </message>
    <message>
        <source>the tree the server sent cannot be shown</source>
        <extracomment>Why the tree&apos;s updates paused; it ends a sentence, after a colon.</extracomment>
        <translation>l&apos;arbre envoyé par le serveur ne peut pas être affiché</translation>
    </message>
    <message>
        <source>Tree updates stopped: the server refused this login (error #%1); they go on after the next login</source>
        <extracomment>In the status bar; %1 is the code of the server&apos;s error.</extracomment>
        <translation>Mises à jour de l&apos;arbre arrêtées&#xa0;: le serveur a refusé cette connexion (erreur n°&#xa0;%1)&#xa0;; elles reprendront après la prochaine connexion</translation>
    </message>
</context>
<context>
    <name>TreePayload</name>
    <message>
        <source>record %1 has fewer than nine fields</source>
        <extracomment>Why a downloaded tree is refused (it follows a colon); %1 is the record&apos;s number.</extracomment>
        <translation>la fiche %1 compte moins de neuf champs</translation>
    </message>
    <message>
        <source>the id %1 comes twice</source>
        <extracomment>Why a downloaded tree is refused (it follows a colon); %1 is a character&apos;s id.</extracomment>
        <translation>l&apos;identifiant %1 apparaît deux fois</translation>
    </message>
</context>
<context>
    <name>Web</name>
    <message>
        <source>Yes</source>
        <translation>Oui</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Non</translation>
    </message>
    <message>
        <source>Rescue Squad</source>
        <translation>Escouade de secours</translation>
    </message>
    <message>
        <source>None</source>
        <extracomment>No patron, or no vassals</extracomment>
        <translation>Aucun</translation>
    </message>
    <message>
        <source>Allegiance Tree</source>
        <translation>Arbre d&apos;allégeance</translation>
    </message>
    <message>
        <source>Members</source>
        <translation>Membres</translation>
    </message>
    <message>
        <source>Summonable Portals</source>
        <translation>Portails invocables</translation>
    </message>
    <message>
        <source>Trade Skills</source>
        <translation>Métiers</translation>
    </message>
    <message>
        <source>%1 members. Members who hide their info on the web show only their name, level and place in the tree.</source>
        <translation>%1 membres. Les membres qui masquent leurs informations sur le web n&apos;affichent que leur nom, leur niveau et leur place dans l&apos;arbre.</translation>
    </message>
    <message>
        <source>Branch of %1</source>
        <translation>Branche de %1</translation>
    </message>
    <message>
        <source>Expand all</source>
        <translation>Tout déplier</translation>
    </message>
    <message>
        <source>Collapse all</source>
        <translation>Tout replier</translation>
    </message>
    <message>
        <source>%1 - Level %2</source>
        <translation>%1 – niveau %2</translation>
    </message>
    <message>
        <source>%1 more below</source>
        <translation>%1 de plus en dessous</translation>
    </message>
    <message>
        <source>Summonable Portal List</source>
        <translation>Liste des portails invocables</translation>
    </message>
    <message>
        <source>Trade Skill List</source>
        <translation>Liste des métiers</translation>
    </message>
    <message>
        <source>Branch</source>
        <translation>Branche</translation>
    </message>
    <message>
        <source>%1 followers</source>
        <translation>%1 fidèles</translation>
    </message>
    <message>
        <source>This member hides their info on the web.</source>
        <translation>Ce membre masque ses informations sur le web.</translation>
    </message>
    <message>
        <source>Computed Rank</source>
        <translation>Rang calculé</translation>
    </message>
    <message>
        <source>Followers</source>
        <translation>Fidèles</translation>
    </message>
    <message>
        <source>%1 (entered: %2)</source>
        <translation>%1 (saisi&#xa0;: %2)</translation>
    </message>
    <message>
        <source>Skill</source>
        <translation>Compétence</translation>
    </message>
    <message>
        <source>Training</source>
        <translation>Entraînement</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Valeur</translation>
    </message>
    <message>
        <source>Unusable</source>
        <translation>Inutilisable</translation>
    </message>
    <message>
        <source>Untrained</source>
        <translation>Non entraînée</translation>
    </message>
    <message>
        <source>Trained</source>
        <translation>Entraînée</translation>
    </message>
    <message>
        <source>Specialized</source>
        <translation>Spécialisée</translation>
    </message>
    <message>
        <source>Not found</source>
        <translation>Introuvable</translation>
    </message>
    <message>
        <source>No such page or member.</source>
        <translation>Cette page ou ce membre n&apos;existe pas.</translation>
    </message>
    <message>
        <source>Back to the allegiance tree</source>
        <translation>Retour à l&apos;arbre d&apos;allégeance</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>About ZORV</source>
        <extracomment>Window title; ZORV is the program&apos;s name</extracomment>
        <translation>À propos de ZORV</translation>
    </message>
    <message>
        <source>Version %1 (protocol %2)</source>
        <extracomment>%1 is the program&apos;s version, %2 the version of the protocol it speaks with the server</extracomment>
        <translation>Version %1 (protocole %2)</translation>
    </message>
    <message>
        <source>The guild&apos;s shared record of its allegiance: who is sworn to whom, every member&apos;s sheet, the guild&apos;s lists and its administration.</source>
        <extracomment>The allegiance: the guild&apos;s members, each sworn to a patron above it</extracomment>
        <translation>Le registre partagé de l&apos;allégeance de la guilde&#xa0;: qui a prêté allégeance à qui, la fiche de chaque membre, les listes de la guilde et son administration.</translation>
    </message>
    <message>
        <source>Licensed under the MIT License.</source>
        <translation>Distribué sous licence MIT.</translation>
    </message>
    <message>
        <source>Not logged in.</source>
        <translation>Non connecté.</translation>
    </message>
    <message>
        <source>Logged in to %1.</source>
        <extracomment>%1 is the server&apos;s address</extracomment>
        <translation>Connecté à %1.</translation>
    </message>
    <message>
        <source>Logged in to %1 (%2).</source>
        <extracomment>%1 is the server&apos;s address, %2 the guild&apos;s name</extracomment>
        <translation>Connecté à %1 (%2).</translation>
    </message>
</context>
<context>
    <name>frmAddVassal</name>
    <message>
        <source>Add A Vassal</source>
        <extracomment>Window title; a vassal is a character sworn to a patron in the allegiance</extracomment>
        <translation>Ajouter un vassal</translation>
    </message>
    <message>
        <source>This will add a new vassal to the tree.  The new vassal&apos;s password will be set to the default password for the tree. </source>
        <extracomment>A vassal is a character sworn to a patron; the tree is the allegiance tree</extracomment>
        <translation>Cela ajoute un nouveau vassal à l&apos;arbre. Son mot de passe sera le mot de passe par défaut de la guilde. </translation>
    </message>
    <message>
        <source>Add</source>
        <extracomment>Button: adds the vassal</extracomment>
        <translation>Ajouter</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Vassal Name</source>
        <extracomment>The new vassal&apos;s character name</extracomment>
        <translation>Nom du vassal</translation>
    </message>
</context>
<context>
    <name>frmAllegianceChart</name>
    <message>
        <source>Allegiance Chart</source>
        <extracomment>Window title; the allegiance: the guild&apos;s members, each sworn to a patron above it</extracomment>
        <translation>Organigramme de l&apos;allégeance</translation>
    </message>
    <message>
        <source>Whole allegiance</source>
        <extracomment>What the chart shows: every member of the allegiance, every monarch at the top</extracomment>
        <translation>Toute l&apos;allégeance</translation>
    </message>
    <message>
        <source>All levels</source>
        <extracomment>How deep the chart goes: every generation of vassals</extracomment>
        <translation>Tous les niveaux</translation>
    </message>
    <message numerus="yes">
        <source>%n levels</source>
        <extracomment>How deep the chart goes: %n generations, the first member&apos;s included</extracomment>
        <translation>
            <numerusform>%n niveau</numerusform>
            <numerusform>%n niveaux</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Fit</source>
        <extracomment>Button: fits the whole chart in the window</extracomment>
        <translation>&amp;Ajuster</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>Zoom a&amp;vant</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>Zoom a&amp;rrière</translation>
    </message>
    <message>
        <source>&amp;Export...</source>
        <extracomment>Button: saves the chart as a picture or a document</extracomment>
        <translation>&amp;Exporter...</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Imprimer...</translation>
    </message>
    <message>
        <source>&amp;Show:</source>
        <extracomment>Before the choice of a member&apos;s branch or the whole allegiance</extracomment>
        <translation>A&amp;fficher&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Depth:</source>
        <extracomment>Before the choice of how many levels of vassals the chart shows</extracomment>
        <translation>&amp;Profondeur&#xa0;:</translation>
    </message>
    <message>
        <source>That member is no longer in the allegiance.</source>
        <extracomment>The allegiance: the guild&apos;s members, each sworn to a patron above it</extracomment>
        <translation>Ce membre ne fait plus partie de l&apos;allégeance.</translation>
    </message>
    <message>
        <source>The allegiance is empty.</source>
        <extracomment>The allegiance: the guild&apos;s members, each sworn to a patron above it</extracomment>
        <translation>L&apos;allégeance est vide.</translation>
    </message>
    <message numerus="yes">
        <source>%n members on %1. Zoom %2 %. Double-click a box to show that member.</source>
        <extracomment>%n is the number of members drawn, %1 says on how many levels (&quot;%n levels&quot; below), %2 is the zoom in per cent</extracomment>
        <translation>
            <numerusform>%n membre sur %1. Zoom&#xa0;: %2&#xa0;%. Double-cliquez sur une case pour afficher ce membre.</numerusform>
            <numerusform>%n membres sur %1. Zoom&#xa0;: %2&#xa0;%. Double-cliquez sur une case pour afficher ce membre.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n levels</source>
        <comment>members on</comment>
        <extracomment>Ends &quot;%n members on %1.&quot;: how many levels of the chart are drawn</extracomment>
        <translation>
            <numerusform>%n niveau</numerusform>
            <numerusform>%n niveaux</numerusform>
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
            <numerusform>L&apos;organigramme occupe %n page à la plus petite taille lisible. Choisissez moins de niveaux ou une branche pour réduire le nombre de pages. Continuer avec %n page&#xa0;?</numerusform>
            <numerusform>L&apos;organigramme occupe %n pages à la plus petite taille lisible. Choisissez moins de niveaux ou une branche pour réduire le nombre de pages. Continuer avec les %n pages&#xa0;?</numerusform>
        </translation>
    </message>
    <message>
        <source>There is no chart to export.</source>
        <translation>Il n&apos;y a aucun organigramme à exporter.</translation>
    </message>
    <message>
        <source>Export Allegiance Chart</source>
        <extracomment>Title of the file dialog</extracomment>
        <translation>Exporter l&apos;organigramme de l&apos;allégeance</translation>
    </message>
    <message>
        <source>PNG Pictures (*.png);;SVG Drawings (*.svg);;PDF Documents (*.pdf)</source>
        <extracomment>File-dialog filters, separated by &quot;;;&quot;; keep the patterns in brackets as they are</extracomment>
        <translation>Images PNG (*.png);;Dessins SVG (*.svg);;Documents PDF (*.pdf)</translation>
    </message>
    <message>
        <source>The chart could not be saved to %1: %2</source>
        <extracomment>%1 is the file&apos;s path, %2 the reason</extracomment>
        <translation>L&apos;organigramme n&apos;a pas pu être enregistré dans %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>The chart is too large for one picture at full size, so it was saved at %1 %.  An SVG or PDF file keeps it whole.</source>
        <extracomment>%1 is the picture&apos;s size in per cent of full size</extracomment>
        <translation>L&apos;organigramme est trop grand pour une seule image en taille réelle&#xa0;; il a donc été enregistré à %1&#xa0;%. Un fichier SVG ou PDF le conserve en entier.</translation>
    </message>
    <message>
        <source>There is no chart to print.</source>
        <translation>Il n&apos;y a aucun organigramme à imprimer.</translation>
    </message>
    <message>
        <source>The chart could not be printed.</source>
        <translation>L&apos;organigramme n&apos;a pas pu être imprimé.</translation>
    </message>
</context>
<context>
    <name>frmAttentionReport</name>
    <message>
        <source>Attention Report</source>
        <extracomment>Window title: what in the guild needs an officer&apos;s attention</extracomment>
        <translation>Points à surveiller</translation>
    </message>
    <message>
        <source>&amp;Refresh</source>
        <extracomment>Button: asks the server for the guild&apos;s facts again</extracomment>
        <translation>&amp;Actualiser</translation>
    </message>
    <message>
        <source>&amp;Export List...</source>
        <extracomment>Button: saves the list shown as a CSV file</extracomment>
        <translation>&amp;Exporter la liste...</translation>
    </message>
    <message>
        <source>Sections</source>
        <extracomment>The report&apos;s tabs, one per section</extracomment>
        <translation>Sections</translation>
    </message>
    <message>
        <source>&amp;Days without a change or a login:</source>
        <translation>&amp;Jours sans modification ni connexion&#xa0;:</translation>
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
            <numerusform>%n membre&#xa0;; plafond de vassaux&#xa0;: %1.</numerusform>
            <numerusform>%n membres&#xa0;; plafond de vassaux&#xa0;: %1.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>frmChangePassword</name>
    <message>
        <source>Change Password</source>
        <translation>Changer le mot de passe</translation>
    </message>
    <message>
        <source>New Password:</source>
        <translation>Nouveau mot de passe&#xa0;:</translation>
    </message>
    <message>
        <source>Confirm New Password:</source>
        <translation>Confirmer le nouveau mot de passe&#xa0;:</translation>
    </message>
    <message>
        <source>Your new password must be at least six characters long!</source>
        <translation>Votre nouveau mot de passe doit comporter au moins six caractères&#xa0;!</translation>
    </message>
    <message>
        <source>Your new password can be ten characters long at max!</source>
        <translation>Votre nouveau mot de passe ne peut pas dépasser dix caractères&#xa0;!</translation>
    </message>
    <message>
        <source>Your confirmation password did not match your new password!</source>
        <translation>La confirmation ne correspond pas à votre nouveau mot de passe&#xa0;!</translation>
    </message>
</context>
<context>
    <name>frmFindChar</name>
    <message>
        <source>Find Character</source>
        <translation>Trouver un personnage</translation>
    </message>
    <message>
        <source>Character Name</source>
        <translation>Nom du personnage</translation>
    </message>
    <message>
        <source>Characters</source>
        <extracomment>The name a screen reader gives the list of the characters found.</extracomment>
        <translation>Personnages</translation>
    </message>
</context>
<context>
    <name>frmGuildStatistics</name>
    <message>
        <source>Levels</source>
        <extracomment>Tab: the members by bands of levels</extracomment>
        <translation>Niveaux</translation>
    </message>
    <message>
        <source>Ranks</source>
        <extracomment>Tab: the members by rank in the allegiance</extracomment>
        <translation>Rangs</translation>
    </message>
    <message>
        <source>Vassals</source>
        <extracomment>Tab: the members by how many vassals (characters sworn to them) they have</extracomment>
        <translation>Vassaux</translation>
    </message>
    <message>
        <source>Races</source>
        <extracomment>Tab: the members by race</extracomment>
        <translation>Races</translation>
    </message>
    <message>
        <source>Sexes</source>
        <extracomment>Tab: the members by sex, male or female</extracomment>
        <translation>Sexes</translation>
    </message>
    <message>
        <source>Members</source>
        <extracomment>Numbers of members: the bars, the axis of the counts and the column of the numbers</extracomment>
        <translation>Membres</translation>
    </message>
    <message>
        <source>Guild Statistics</source>
        <translation>Statistiques de la guilde</translation>
    </message>
    <message>
        <source>Whole guild</source>
        <extracomment>What the figures count: every member of the guild</extracomment>
        <translation>Toute la guilde</translation>
    </message>
    <message>
        <source>&amp;Save Chart...</source>
        <translation>&amp;Enregistrer le graphique...</translation>
    </message>
    <message>
        <source>Figures</source>
        <extracomment>The window&apos;s tabs, one per count</extracomment>
        <translation>Chiffres</translation>
    </message>
    <message>
        <source>Chart of %1</source>
        <extracomment>%1 is the tab&apos;s caption, such as &quot;Levels&quot;</extracomment>
        <translation>Graphique&#xa0;: %1</translation>
    </message>
    <message>
        <source>Table of %1</source>
        <extracomment>%1 is the tab&apos;s caption, such as &quot;Levels&quot;</extracomment>
        <translation>Tableau&#xa0;: %1</translation>
    </message>
    <message>
        <source>Joins and Departures</source>
        <extracomment>Tab: members who joined and who left the guild, per week</extracomment>
        <translation>Arrivées et départs</translation>
    </message>
    <message>
        <source>S&amp;how:</source>
        <extracomment>Before the choice of a member&apos;s branch or the whole guild</extracomment>
        <translation>&amp;Afficher&#xa0;:</translation>
    </message>
    <message>
        <source>The server did not count joins and departures (error #%1).</source>
        <extracomment>%1 is the server&apos;s number for the error</extracomment>
        <translation>Le serveur n&apos;a pas compté les arrivées et départs (erreur n°&#xa0;%1).</translation>
    </message>
    <message>
        <source>Joins and departures need the server, which cannot be reached.</source>
        <translation>Les arrivées et départs nécessitent le serveur, qui est injoignable.</translation>
    </message>
    <message>
        <source>Asking the server…</source>
        <translation>Interrogation du serveur…</translation>
    </message>
    <message>
        <source>Downloading Joins and Departures</source>
        <translation>Téléchargement des arrivées et départs</translation>
    </message>
    <message>
        <source>Total</source>
        <extracomment>The last row of a table: all members counted</extracomment>
        <translation>Total</translation>
    </message>
    <message numerus="yes">
        <source>%n members counted from the tree shown.</source>
        <extracomment>The tree: the allegiance tree of the main window</extracomment>
        <translation>
            <numerusform>%n membre compté dans l&apos;arbre affiché.</numerusform>
            <numerusform>%n membres comptés dans l&apos;arbre affiché.</numerusform>
        </translation>
    </message>
    <message>
        <source>Members joining and leaving the guild, %1</source>
        <extracomment>A saved picture&apos;s title; %1 is today&apos;s date</extracomment>
        <translation>Arrivées et départs de membres de la guilde, %1</translation>
    </message>
    <message>
        <source>, </source>
        <extracomment>Separates the parts of a saved picture&apos;s title: what it counts, whose members, the date</extracomment>
        <translation>, </translation>
    </message>
    <message>
        <source>Save Chart</source>
        <extracomment>Title of the file dialog</extracomment>
        <translation>Enregistrer le graphique</translation>
    </message>
    <message>
        <source>PNG Pictures (*.png);;SVG Drawings (*.svg)</source>
        <extracomment>File-dialog filters, separated by &quot;;;&quot;; keep the patterns in brackets as they are</extracomment>
        <translation>Images PNG (*.png);;Dessins SVG (*.svg)</translation>
    </message>
    <message>
        <source>There are no joins and departures to save.</source>
        <translation>Il n&apos;y a aucune arrivée ni aucun départ à enregistrer.</translation>
    </message>
    <message>
        <source>Members joining and leaving</source>
        <translation>Arrivées et départs de membres</translation>
    </message>
    <message>
        <source>The chart could not be saved to %1: %2</source>
        <extracomment>%1 is the file&apos;s path, %2 the reason</extracomment>
        <translation>Le graphique n&apos;a pas pu être enregistré dans %1&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>frmLogin</name>
    <message>
        <source>Edit Other Character</source>
        <translation>Modifier un autre personnage</translation>
    </message>
    <message>
        <source>Other Character Login Info</source>
        <translation>Identifiants de l&apos;autre personnage</translation>
    </message>
    <message>
        <source>Character Name:</source>
        <translation>Nom du personnage&#xa0;:</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Mot de passe&#xa0;:</translation>
    </message>
    <message>
        <source>You must enter the other character&apos;s name and password!</source>
        <translation>Vous devez saisir le nom et le mot de passe de l&apos;autre personnage&#xa0;!</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Choose a list or the search results to export.</source>
        <translation>Choisissez une liste ou les résultats de recherche à exporter.</translation>
    </message>
</context>
<context>
    <name>frmNewServerSetup</name>
    <message>
        <source>Setup ZORV Server</source>
        <extracomment>Window title; ZORV is the program&apos;s name</extracomment>
        <translation>Configurer le serveur ZORV</translation>
    </message>
    <message>
        <source>Reset all users with current default password to new default password</source>
        <extracomment>The default password: the guild&apos;s password for new members</extracomment>
        <translation>Passer tous les utilisateurs de l&apos;ancien au nouveau mot de passe par défaut</translation>
    </message>
    <message>
        <source>Use Rescue Squad</source>
        <extracomment>The rescue squad: the guild&apos;s members who come to the help of others</extracomment>
        <translation>Utiliser l&apos;escouade de secours</translation>
    </message>
    <message>
        <source>Guild Name:</source>
        <translation>Nom de la guilde&#xa0;:</translation>
    </message>
    <message>
        <source>Default Password</source>
        <extracomment>Frame caption: the guild&apos;s password for new members</extracomment>
        <translation>Mot de passe par défaut</translation>
    </message>
    <message>
        <source>The default password is the password that all new members will start out with.  Make sure to encourage new members to change their passwords from the default to their own personal password ASAP.</source>
        <translation>Le mot de passe par défaut est celui avec lequel tous les nouveaux membres commencent. Encouragez-les à le remplacer au plus vite par leur propre mot de passe personnel.</translation>
    </message>
    <message>
        <source>Default Password:</source>
        <translation>Mot de passe par défaut&#xa0;:</translation>
    </message>
    <message>
        <source>Confirm Default Password:</source>
        <translation>Confirmer le mot de passe par défaut&#xa0;:</translation>
    </message>
    <message>
        <source>Rescue Squad</source>
        <extracomment>Frame caption: the guild&apos;s members who come to the help of others</extracomment>
        <translation>Escouade de secours</translation>
    </message>
    <message>
        <source>If you are enabling/disabling the Rescue Squad Feature, you must exit ZORV and re-enter to see the changes</source>
        <extracomment>ZORV is the program&apos;s name; the rescue squad: the guild&apos;s members who come to the help of others</extracomment>
        <translation>Si vous activez ou désactivez l&apos;escouade de secours, vous devez quitter puis relancer ZORV pour voir les changements</translation>
    </message>
    <message>
        <source>Rescue Squad Name:</source>
        <extracomment>The guild&apos;s own name for its rescue squad</extracomment>
        <translation>Nom de l&apos;escouade de secours&#xa0;:</translation>
    </message>
    <message>
        <source>You must enter your guild&apos;s name!</source>
        <translation>Vous devez saisir le nom de votre guilde&#xa0;!</translation>
    </message>
    <message>
        <source>You must enter the default password for your server!</source>
        <translation>Vous devez saisir le mot de passe par défaut de votre serveur&#xa0;!</translation>
    </message>
    <message>
        <source>You must confirm the password you entered for the default password!</source>
        <translation>Vous devez confirmer le mot de passe par défaut saisi&#xa0;!</translation>
    </message>
    <message>
        <source>The confirmation password does not match the password you entered!</source>
        <translation>La confirmation ne correspond pas au mot de passe saisi&#xa0;!</translation>
    </message>
    <message>
        <source>You must specify the name of your rescue squad!</source>
        <extracomment>The rescue squad: the guild&apos;s members who come to the help of others</extracomment>
        <translation>Vous devez indiquer le nom de votre escouade de secours&#xa0;!</translation>
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
        <translation>Notifications</translation>
    </message>
    <message>
        <source>Notification targets</source>
        <translation>Destinations des notifications</translation>
    </message>
    <message>
        <source>Target</source>
        <extracomment>Column header: the target&apos;s number on the server</extracomment>
        <translation>Destination</translation>
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
        <translation>Envoyés</translation>
    </message>
    <message>
        <source>State</source>
        <extracomment>Column header: whether the messages are delivered</extracomment>
        <translation>État</translation>
    </message>
    <message>
        <source>Queued</source>
        <extracomment>Column header: the number of messages waiting to be delivered</extracomment>
        <translation>En attente</translation>
    </message>
    <message>
        <source>Dropped</source>
        <extracomment>Column header: the number of messages given up</extracomment>
        <translation>Abandonnés</translation>
    </message>
    <message>
        <source>Last Answer</source>
        <extracomment>Column header: what the chat service answered last</extracomment>
        <translation>Dernière réponse</translation>
    </message>
    <message>
        <source>&amp;Add...</source>
        <extracomment>Button: adds a target</extracomment>
        <translation>&amp;Ajouter...</translation>
    </message>
    <message>
        <source>Send &amp;Test Message</source>
        <translation>Envoyer un message de &amp;test</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <extracomment>Button: removes the selected target</extracomment>
        <translation>&amp;Supprimer</translation>
    </message>
    <message>
        <source>Re&amp;fresh</source>
        <extracomment>Button: lists the targets again</extracomment>
        <translation>A&amp;ctualiser</translation>
    </message>
    <message>
        <source>Notifications added.</source>
        <translation>Notifications ajoutées.</translation>
    </message>
    <message>
        <source>Notifications removed.</source>
        <translation>Notifications supprimées.</translation>
    </message>
    <message>
        <source>The test message was delivered.</source>
        <translation>Le message de test a été remis.</translation>
    </message>
    <message>
        <source>The test message was delivered (%1).</source>
        <extracomment>%1 is the chat service&apos;s answer, as it gave it</extracomment>
        <translation>Le message de test a été remis (%1).</translation>
    </message>
    <message>
        <source>The test message could not be delivered: %1.</source>
        <extracomment>%1 is the chat service&apos;s answer, or the reason it could not be reached</extracomment>
        <translation>Le message de test n&apos;a pas pu être remis&#xa0;: %1.</translation>
    </message>
    <message>
        <source>You security level is not high enough!</source>
        <extracomment>&quot;You&quot; stands for &quot;Your&quot;</extracomment>
        <translation>Votre niveau d&apos;accès est insuffisant&#xa0;!</translation>
    </message>
    <message>
        <source>Downloading Notifications</source>
        <translation>Téléchargement des notifications</translation>
    </message>
    <message>
        <source>The server&apos;s answer could not be read.</source>
        <translation>La réponse du serveur est illisible.</translation>
    </message>
    <message>
        <source>Failing since %1</source>
        <extracomment>A target&apos;s state; %1 is the date and time of the first failed delivery</extracomment>
        <translation>En échec depuis le %1</translation>
    </message>
    <message>
        <source>Delivering</source>
        <extracomment>A target&apos;s state: messages are on their way</extracomment>
        <translation>Envoi en cours</translation>
    </message>
    <message>
        <source>Up to date</source>
        <extracomment>A target&apos;s state: every message was delivered</extracomment>
        <translation>À jour</translation>
    </message>
    <message>
        <source>The guild&apos;s changes are sent nowhere yet. Add a chat channel&apos;s webhook to send them there.</source>
        <translation>Les modifications de la guilde ne sont encore envoyées nulle part. Ajoutez le webhook d&apos;un canal de discussion pour les y envoyer.</translation>
    </message>
    <message numerus="yes">
        <source>%n targets.</source>
        <extracomment>The number of chat channels the guild&apos;s changes are sent to</extracomment>
        <translation>
            <numerusform>%n destination.</numerusform>
            <numerusform>%n destinations.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n failing: their messages wait and are sent once the chat service answers again.</source>
        <extracomment>Follows &quot;%n targets.&quot;; %n is how many of them fail</extracomment>
        <translation>
            <numerusform>%n en échec&#xa0;: ses messages attendent et seront envoyés dès que le service de discussion répondra à nouveau.</numerusform>
            <numerusform>%n en échec&#xa0;: leurs messages attendent et seront envoyés dès que le service de discussion répondra à nouveau.</numerusform>
        </translation>
    </message>
    <message>
        <source>Select a target in the list first.</source>
        <translation>Sélectionnez d&apos;abord une destination dans la liste.</translation>
    </message>
    <message>
        <source>Adding Notifications</source>
        <translation>Ajout des notifications</translation>
    </message>
    <message>
        <source>Stop sending the guild&apos;s changes to %1?  Messages not yet delivered there are dropped.</source>
        <extracomment>%1 is the target&apos;s address (its host only)</extracomment>
        <translation>Ne plus envoyer les modifications de la guilde à %1&#xa0;? Les messages pas encore remis seront abandonnés.</translation>
    </message>
    <message>
        <source>Remove Notifications</source>
        <translation>Supprimer les notifications</translation>
    </message>
    <message>
        <source>Removing Notifications</source>
        <translation>Suppression des notifications</translation>
    </message>
    <message>
        <source>Sending a Test Message</source>
        <translation>Envoi d&apos;un message de test</translation>
    </message>
    <message>
        <source>Language</source>
        <extracomment>Column header: the language the messages are written in</extracomment>
        <translation>Langue</translation>
    </message>
</context>
<context>
    <name>frmNotifyTarget</name>
    <message>
        <source>Add Notifications</source>
        <extracomment>Window title: adding a chat channel that is sent the guild&apos;s changes</extracomment>
        <translation>Ajouter des notifications</translation>
    </message>
    <message>
        <source>&amp;Address:</source>
        <extracomment>The webhook&apos;s web address</extracomment>
        <translation>&amp;Adresse&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Format:</source>
        <extracomment>The form of the messages (Discord, Slack, JSON)</extracomment>
        <translation>&amp;Format&#xa0;:</translation>
    </message>
    <message>
        <source>Send:</source>
        <extracomment>Before the kinds of change to send to the channel</extracomment>
        <translation>Envoyer&#xa0;:</translation>
    </message>
    <message>
        <source>Give the webhook&apos;s whole address, beginning with https:// (http:// only for a receiver on this computer).</source>
        <translation>Indiquez l&apos;adresse complète du webhook, commençant par https:// (http:// uniquement pour un récepteur sur cet ordinateur).</translation>
    </message>
    <message>
        <source>Choose at least one kind of change to send.</source>
        <translation>Choisissez au moins un type de modification à envoyer.</translation>
    </message>
    <message>
        <source>La&amp;nguage:</source>
        <extracomment>The language the messages are written in</extracomment>
        <translation>&amp;Langue&#xa0;:</translation>
    </message>
</context>
<context>
    <name>frmOptions</name>
    <message>
        <source>Options</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>Show pictures in the tree</source>
        <translation>Afficher les images dans l&apos;arbre</translation>
    </message>
    <message>
        <source>The system&apos;s language</source>
        <translation>Langue du système</translation>
    </message>
    <message>
        <source>The language changes when ZORV starts next.</source>
        <translation>La langue changera au prochain démarrage de ZORV.</translation>
    </message>
    <message>
        <source>C&amp;lear Cached Data</source>
        <translation>&amp;Vider le cache</translation>
    </message>
    <message>
        <source>Timeout (seconds):</source>
        <extracomment>How long to wait for the server&apos;s answer.</extracomment>
        <translation>Délai d&apos;attente (secondes)&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Language:</source>
        <translation>&amp;Langue&#xa0;:</translation>
    </message>
    <message>
        <source>The cached data has been cleared.</source>
        <translation>Le cache a été vidé.</translation>
    </message>
    <message>
        <source>Some of the cached data could not be deleted from %1.</source>
        <extracomment>%1 is the folder that holds the cached data.</extracomment>
        <translation>Une partie du cache n&apos;a pas pu être supprimée de %1.</translation>
    </message>
    <message>
        <source>The timeout time must be a number between %1 and %2</source>
        <extracomment>%1 and %2 are the least and greatest number of seconds allowed.</extracomment>
        <translation>Le délai d&apos;attente doit être un nombre compris entre %1 et %2</translation>
    </message>
</context>
<context>
    <name>frmPlayerSetup</name>
    <message>
        <source>Select Server and Character</source>
        <translation>Choisir le serveur et le personnage</translation>
    </message>
    <message>
        <source>Server Address:</source>
        <translation>Adresse du serveur&#xa0;:</translation>
    </message>
    <message>
        <source>Character Name:</source>
        <translation>Nom du personnage&#xa0;:</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Mot de passe&#xa0;:</translation>
    </message>
    <message>
        <source>Directory Error!</source>
        <extracomment>The settings folder could not be made.</extracomment>
        <translation>Erreur de dossier&#xa0;!</translation>
    </message>
    <message>
        <source>Please type in the address of the ZORV server</source>
        <translation>Veuillez saisir l&apos;adresse du serveur ZORV</translation>
    </message>
    <message>
        <source>Please type in your character&apos;s name</source>
        <translation>Veuillez saisir le nom de votre personnage</translation>
    </message>
    <message>
        <source>Please type in your password</source>
        <translation>Veuillez saisir votre mot de passe</translation>
    </message>
</context>
<context>
    <name>frmSecLevel</name>
    <message>
        <source>Change Security Level</source>
        <translation>Changer le niveau d&apos;accès</translation>
    </message>
    <message>
        <source>Security Level</source>
        <extracomment>Frame caption: a member&apos;s rights in the client</extracomment>
        <translation>Niveau d&apos;accès</translation>
    </message>
    <message>
        <source>Normal User</source>
        <extracomment>Security level: a member who changes only characters of their own</extracomment>
        <translation>Utilisateur standard</translation>
    </message>
    <message>
        <source>Administrator</source>
        <extracomment>Security level: a member who may change every character and the guild&apos;s set-up</extracomment>
        <translation>Administrateur</translation>
    </message>
    <message>
        <source>Please choose the security level:</source>
        <translation>Veuillez choisir le niveau d&apos;accès&#xa0;:</translation>
    </message>
</context>
</TS>
