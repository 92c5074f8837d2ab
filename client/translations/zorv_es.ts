<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="en">
<context>
    <name>ActivityPage</name>
    <message>
        <source>Joined</source>
        <extracomment>Column header and line of the chart: members who joined the guild that week</extracomment>
        <translation>Altas</translation>
    </message>
    <message>
        <source>Left</source>
        <extracomment>Column header and line of the chart: members who left the guild that week</extracomment>
        <translation>Bajas</translation>
    </message>
    <message>
        <source>Week starting</source>
        <extracomment>Axis title: the weeks, each by the Monday it starts on</extracomment>
        <translation>Inicio de semana</translation>
    </message>
    <message>
        <source>Members</source>
        <extracomment>Axis title: numbers of members</extracomment>
        <translation>Miembros</translation>
    </message>
    <message>
        <source>Chart of joins and departures</source>
        <translation>Gráfico de altas y bajas</translation>
    </message>
    <message>
        <source>Table of joins and departures</source>
        <translation>Tabla de altas y bajas</translation>
    </message>
    <message>
        <source>Week</source>
        <extracomment>Column header: the week, by the Monday it starts on</extracomment>
        <translation>Semana</translation>
    </message>
    <message>
        <source>Asking the server…</source>
        <translation>Consultando al servidor…</translation>
    </message>
    <message>
        <source>The server&apos;s answer cannot be read.</source>
        <translation>No se puede leer la respuesta del servidor.</translation>
    </message>
    <message>
        <source>Members joining and leaving per week</source>
        <translation>Altas y bajas de miembros por semana</translation>
    </message>
</context>
<context>
    <name>AdminOperations</name>
    <message>
        <source>The server has saved the new setup!</source>
        <translation>¡El servidor ha guardado la nueva configuración!</translation>
    </message>
    <message>
        <source>The character&apos;s password has been reset to the default password.</source>
        <extracomment>The default password: the guild&apos;s password for new members</extracomment>
        <translation>Se ha restablecido la contraseña del personaje a la contraseña predeterminada.</translation>
    </message>
    <message>
        <source>The character&apos;s security level has been changed!</source>
        <translation>¡Se ha cambiado el nivel de seguridad del personaje!</translation>
    </message>
    <message>
        <source>The character database has been backed up</source>
        <translation>Copia de seguridad de la base de datos completada</translation>
    </message>
    <message>
        <source>You security level is not high enough!</source>
        <extracomment>&quot;You&quot; stands for &quot;Your&quot;</extracomment>
        <translation>¡Tu nivel de seguridad no es suficiente!</translation>
    </message>
    <message>
        <source>You must select the character whose password you want to reset from the tree!</source>
        <translation>¡Debes seleccionar en el árbol el personaje cuya contraseña quieres restablecer!</translation>
    </message>
    <message>
        <source>Are you sure you want to reset %1&apos;s password to the default password?</source>
        <extracomment>%1 is the character&apos;s name; the default password is the guild&apos;s password for new members</extracomment>
        <translation>¿Seguro que quieres restablecer la contraseña de %1 a la contraseña predeterminada?</translation>
    </message>
    <message>
        <source>Reset Password Confirmation</source>
        <translation>Confirmar restablecimiento de contraseña</translation>
    </message>
    <message>
        <source>You must select the character whose security level you want to change!</source>
        <translation>¡Debes seleccionar el personaje cuyo nivel de seguridad quieres cambiar!</translation>
    </message>
    <message>
        <source>Are you sure you want to change %1&apos;s security level to %2?</source>
        <extracomment>%1 is the character&apos;s name, %2 the chosen level: &quot;Normal User&quot; or &quot;Administrator&quot;</extracomment>
        <translation>¿Seguro que quieres cambiar el nivel de seguridad de %1 a %2?</translation>
    </message>
    <message>
        <source>Change Security Level Confirmation</source>
        <translation>Confirmar cambio de nivel de seguridad</translation>
    </message>
    <message>
        <source>Backup Database</source>
        <extracomment>Title of the file dialog that saves a backup of the guild</extracomment>
        <translation>Copia de seguridad de la base de datos</translation>
    </message>
    <message>
        <source>Tree Data Files (*.dat)</source>
        <extracomment>File-dialog filter</extracomment>
        <translation>Archivos de datos del árbol (*.dat)</translation>
    </message>
    <message>
        <source>The backup was cut off before its end; nothing was written to %1.  Please try again.</source>
        <extracomment>%1 is the backup file&apos;s path</extracomment>
        <translation>La copia de seguridad se interrumpió antes de terminar; no se ha escrito nada en %1.  Vuelve a intentarlo.</translation>
    </message>
    <message>
        <source>The backup could not be written to %1: %2</source>
        <extracomment>%1 is the backup file&apos;s path, %2 the reason</extracomment>
        <translation>No se pudo escribir la copia de seguridad en %1: %2</translation>
    </message>
</context>
<context>
    <name>AllegianceModel</name>
    <message>
        <source>%1 - Level %2</source>
        <extracomment>A node of the allegiance tree: %1 is the character&apos;s name, %2 its level.</extracomment>
        <translation>%1 - Nivel %2</translation>
    </message>
</context>
<context>
    <name>AllegianceOperations</name>
    <message>
        <source>The new vassal has been added to the tree.  Hit OK to refresh the tree</source>
        <extracomment>After adding a vassal (a character sworn to a patron) to the allegiance tree</extracomment>
        <translation>Se ha añadido el nuevo vasallo al árbol.  Pulsa Aceptar para actualizar el árbol</translation>
    </message>
    <message>
        <source>The vassal has been successfully removed.</source>
        <extracomment>A vassal: a character sworn to a patron in the allegiance</extracomment>
        <translation>El vasallo se ha quitado correctamente.</translation>
    </message>
    <message>
        <source>You have been moved to your new patron.</source>
        <extracomment>The patron: the character one is sworn to in the allegiance</extracomment>
        <translation>Ya estás bajo tu nuevo patrón.</translation>
    </message>
    <message>
        <source>Your password has been successfully changed!</source>
        <translation>¡Tu contraseña se ha cambiado correctamente!</translation>
    </message>
    <message>
        <source>Adding Vassal</source>
        <extracomment>Status bar, while the server adds a vassal (a character sworn to a patron)</extracomment>
        <translation>Añadiendo vasallo</translation>
    </message>
    <message>
        <source>Are you sure you want to remove your vassal %1?<byte value="xd"/>
This will also remove all characters that are followers of %1.</source>
        <extracomment>%1 is the vassal&apos;s character name; a vassal is a character sworn to a patron, its followers are the vassals below it in the allegiance</extracomment>
        <translation>¿Seguro que quieres quitar a tu vasallo %1?</translation>
    </message>
    <message>
        <source>Remove Vassal Confirmation</source>
        <extracomment>Title of the box asking to remove a vassal from the allegiance</extracomment>
        <translation>Confirmar: quitar vasallo</translation>
    </message>
    <message>
        <source>You have entered a name that does not exist.  Please refresh the tree.</source>
        <translation>Has escrito un nombre que no existe.  Actualiza el árbol.</translation>
    </message>
    <message>
        <source>Changing Patrons</source>
        <extracomment>Status bar, while the server moves a character to a new patron in the allegiance</extracomment>
        <translation>Cambiando de patrón</translation>
    </message>
    <message>
        <source>Changing Password</source>
        <translation>Cambiando contraseña</translation>
    </message>
</context>
<context>
    <name>AllegianceView</name>
    <message>
        <source>Downloading Tree Info</source>
        <extracomment>The operation under way, shown in the status bar.</extracomment>
        <translation>Descargando datos del árbol</translation>
    </message>
    <message>
        <source>The allegiance tree the server sent cannot be shown: %1.  Please refresh the tree.</source>
        <extracomment>%1 says what is wrong with the tree; it begins in lower case.</extracomment>
        <translation>No se puede mostrar el árbol de vasallaje que ha enviado el servidor: %1.  Actualiza el árbol.</translation>
    </message>
    <message>
        <source>That branch is too deep to show whole: it is opened %1 generations down</source>
        <extracomment>%1 is how many generations (levels of the allegiance tree) down a branch is opened.</extracomment>
        <translation>Esa rama es demasiado profunda para mostrarla entera: se ha abierto %1 generaciones hacia abajo</translation>
    </message>
    <message>
        <source>Downloading Character Info</source>
        <extracomment>The operation under way, shown in the status bar.</extracomment>
        <translation>Descargando datos del personaje</translation>
    </message>
    <message>
        <source>That character does not exist!</source>
        <translation>¡Ese personaje no existe!</translation>
    </message>
</context>
<context>
    <name>AttentionReport</name>
    <message>
        <source>Never</source>
        <extracomment>In the column of the last change or login: there was none</extracomment>
        <translation>Nunca</translation>
    </message>
    <message>
        <source>Name</source>
        <extracomment>Column header: the member&apos;s character name</extracomment>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Days</source>
        <extracomment>Column header: whole days since the last change or login</extracomment>
        <translation>Días</translation>
    </message>
    <message>
        <source>Vassal Slots</source>
        <extracomment>Section: how many more vassals (characters sworn to them) each member may take</extracomment>
        <translation>Plazas de vasallo</translation>
    </message>
    <message>
        <source>Vassals</source>
        <extracomment>Column header: the number of vassals a member has</extracomment>
        <translation>Vasallos</translation>
    </message>
    <message>
        <source>Free Slots</source>
        <extracomment>Column header: how many more vassals the member may take, under the guild&apos;s cap</extracomment>
        <translation>Plazas libres</translation>
    </message>
    <message>
        <source>Missing Followers</source>
        <extracomment>Section: members whose record counts more followers (characters below them in the allegiance) than the tree holds</extracomment>
        <translation>Seguidores que faltan</translation>
    </message>
    <message>
        <source>Followers Entered</source>
        <extracomment>Column header: the number of followers the member&apos;s record gives</extracomment>
        <translation>Seguidores en la ficha</translation>
    </message>
    <message>
        <source>In the Tree</source>
        <extracomment>Column header: the number of followers the tree holds below the member</extracomment>
        <translation>En el árbol</translation>
    </message>
    <message>
        <source>Number Missing</source>
        <extracomment>Column header: how many followers the tree lacks</extracomment>
        <translation>Faltan</translation>
    </message>
    <message>
        <source>Mules Without a Main</source>
        <extracomment>Section: mules (a player&apos;s extra characters) whose main character is not in the guild</extracomment>
        <translation>Mulas sin personaje principal</translation>
    </message>
    <message>
        <source>Main Character Name</source>
        <extracomment>Column header: the name of the mule&apos;s main character, as its record gives it</extracomment>
        <translation>Personaje principal</translation>
    </message>
    <message>
        <source>Records Not Changed</source>
        <extracomment>Section: members whose record was not changed for the number of days chosen</extracomment>
        <translation>Fichas sin cambios</translation>
    </message>
    <message>
        <source>Last Changed (UTC)</source>
        <extracomment>Column header: when the record was last changed</extracomment>
        <translation>Último cambio (UTC)</translation>
    </message>
    <message>
        <source>On the Default Password</source>
        <extracomment>Section: members who still log in with the guild&apos;s password for new members</extracomment>
        <translation>Con la contraseña predeterminada</translation>
    </message>
    <message>
        <source>Administrators Not Logged In</source>
        <extracomment>Section: administrators who did not log in for the number of days chosen</extracomment>
        <translation>Administradores sin iniciar sesión</translation>
    </message>
    <message>
        <source>Last Login (UTC)</source>
        <extracomment>Column header: when the administrator last logged in</extracomment>
        <translation>Último inicio de sesión (UTC)</translation>
    </message>
</context>
<context>
    <name>BackgroundRequest</name>
    <message>
        <source>the server does not answer</source>
        <extracomment>Why a request made in the background failed; it ends a sentence of the status bar, after a colon, so it begins in lower case.</extracomment>
        <translation>el servidor no responde</translation>
    </message>
    <message>
        <source>the server cannot be reached</source>
        <extracomment>Why a request made in the background failed; it ends a sentence of the status bar, after a colon, so it begins in lower case.</extracomment>
        <translation>no se puede conectar con el servidor</translation>
    </message>
    <message>
        <source>the server closed the connection</source>
        <extracomment>Why a request made in the background failed; it ends a sentence of the status bar, after a colon, so it begins in lower case.</extracomment>
        <translation>el servidor ha cerrado la conexión</translation>
    </message>
    <message>
        <source>the server&apos;s certificate is not trusted</source>
        <extracomment>Why a request made in the background failed; it ends a sentence of the status bar, after a colon, so it begins in lower case.</extracomment>
        <translation>el certificado del servidor no es de confianza</translation>
    </message>
</context>
<context>
    <name>CellEditor</name>
    <message>
        <source>Value</source>
        <extracomment>The name a screen reader gives the box that edits a cell of a grid without a header.</extracomment>
        <translation>Valor</translation>
    </message>
</context>
<context>
    <name>ChangeHistory</name>
    <message>
        <source>Recent Changes</source>
        <extracomment>Window title: the guild&apos;s latest changes</extracomment>
        <translation>Cambios recientes</translation>
    </message>
    <message>
        <source>Close</source>
        <extracomment>Button: closes the window</extracomment>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Downloading Change History</source>
        <translation>Descargando historial de cambios</translation>
    </message>
    <message>
        <source>Downloading Recent Changes</source>
        <translation>Descargando cambios recientes</translation>
    </message>
    <message>
        <source>Undo change #%1 of %2 by %3?

%4
</source>
        <extracomment>%1 is the change&apos;s number, %2 its date and time, %3 the member who made it, %4 what it changed</extracomment>
        <translation>¿Deshacer el cambio #%1, del %2, hecho por %3?

%4
</translation>
    </message>
    <message>
        <source>remove %1</source>
        <extracomment>One of the things an undo does, in &quot;This will %1.&quot;: %1 is a character&apos;s name, taken off the guild&apos;s roster</extracomment>
        <translation>quitar a %1</translation>
    </message>
    <message>
        <source>bring back %1</source>
        <extracomment>One of the things an undo does, in &quot;This will %1.&quot;: %1 is a removed character&apos;s name, put back on the guild&apos;s roster</extracomment>
        <translation>recuperar a %1</translation>
    </message>
    <message>
        <source>set %1 back to %2</source>
        <extracomment>One of the things an undo does, in &quot;This will %1.&quot;: %1 is a field of the record, %2 its former value</extracomment>
        <translation>devolver %1 a %2</translation>
    </message>
    <message>
        <source>(empty)</source>
        <extracomment>The former value of a field that was empty</extracomment>
        <translation>(vacío)</translation>
    </message>
    <message>
        <source>remove %1 from the guild</source>
        <extracomment>What undoing the addition of a character does, in &quot;This will %1.&quot;: %1 is its name</extracomment>
        <translation>quitar a %1 del gremio</translation>
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
        <translation>Esto va a %1.</translation>
    </message>
    <message>
        <source>No password is kept with a removed member: those brought back log in with the guild&apos;s default password, and an administrator among them comes back as a member.</source>
        <translation>No se guarda ninguna contraseña de un miembro quitado: quienes se recuperan inician sesión con la contraseña predeterminada del gremio, y un administrador entre ellos vuelve como miembro.</translation>
    </message>
    <message>
        <source>Undoing Change</source>
        <translation>Deshaciendo cambio</translation>
    </message>
    <message>
        <source>The change has been undone.</source>
        <translation>Se ha deshecho el cambio.</translation>
    </message>
    <message>
        <source>The change cannot be undone.</source>
        <translation>No se puede deshacer el cambio.</translation>
    </message>
    <message>
        <source>The change cannot be undone: %1.</source>
        <extracomment>%1 is why, a sentence of its own (context Refusal)</extracomment>
        <translation>No se puede deshacer el cambio: %1.</translation>
    </message>
    <message>
        <source>  Nothing was changed.</source>
        <extracomment>Follows &quot;The change cannot be undone.&quot; when the record was changed meanwhile; keep the two spaces before it</extracomment>
        <translation>  No se ha modificado nada.</translation>
    </message>
</context>
<context>
    <name>CharacterSheet</name>
    <message>
        <source>Error!</source>
        <extracomment>The character&apos;s record the server sent is not whole.</extracomment>
        <translation>¡Error!</translation>
    </message>
    <message>
        <source>%1 was changed elsewhere; shown as stored now</source>
        <extracomment>In the status bar; %1 is the character shown.</extracomment>
        <translation>%1 se modificó en otro lugar; se muestra como está guardado ahora</translation>
    </message>
    <message>
        <source>%1 was changed by someone else at %2; shown as stored now</source>
        <extracomment>In the status bar; %1 is the character shown, %2 when it was changed.</extracomment>
        <translation>Otra persona modificó %1 el %2; se muestra como está guardado ahora</translation>
    </message>
    <message>
        <source>%1 was changed by %2 at %3; shown as stored now</source>
        <extracomment>In the status bar; %1 is the character shown, %2 the character who changed it, %3 when.</extracomment>
        <translation>%2 modificó %1 el %3; se muestra como está guardado ahora</translation>
    </message>
    <message>
        <source>Last Modified: %1 by %2</source>
        <extracomment>%1 is when the character&apos;s record was last saved, %2 who saved it.</extracomment>
        <translation>Última modificación: %1 por %2</translation>
    </message>
    <message>
        <source>Unknown</source>
        <extracomment>Who last saved the record: a member who is not in the tree.</extracomment>
        <translation>Desconocido</translation>
    </message>
    <message>
        <source>%1 (Number Missing: %2)</source>
        <extracomment>%1 is the number of the character&apos;s followers (game word: the characters below it in the allegiance) the tree shows, %2 how many fewer than the number stored that is.</extracomment>
        <translation>%1 (faltan: %2)</translation>
    </message>
    <message>
        <source>%1 was changed by someone else while you were editing.</source>
        <extracomment>%1 is the character shown.</extracomment>
        <translation>Otra persona ha modificado %1 mientras lo editabas.</translation>
    </message>
    <message>
        <source>%1 was changed by someone else at %2 while you were editing.</source>
        <extracomment>%1 is the character shown, %2 when it was changed.</extracomment>
        <translation>Otra persona modificó %1 el %2 mientras lo editabas.</translation>
    </message>
    <message>
        <source>%1 was changed by %2 at %3 while you were editing.</source>
        <extracomment>%1 is the character shown, %2 the character who changed it, %3 when.</extracomment>
        <translation>%2 modificó %1 el %3 mientras lo editabas.</translation>
    </message>
    <message>
        <source>Saving your changes will be refused; reload to see the record as it is stored now.</source>
        <extracomment>Follows a sentence saying that someone else changed the character&apos;s record.</extracomment>
        <translation>Si guardas tus cambios, se rechazarán; vuelve a cargar la ficha para verla tal como está guardada ahora.</translation>
    </message>
    <message>
        <source>%1 has left the allegiance</source>
        <extracomment>In the status bar; %1 is the character that was shown. Game word: the allegiance is the guild&apos;s tree of patrons and vassals.</extracomment>
        <translation>%1 ha abandonado el vasallaje</translation>
    </message>
    <message>
        <source>Last Modified:</source>
        <extracomment>The label of when the character&apos;s record was last saved, while no character is shown.</extracomment>
        <translation>Última modificación:</translation>
    </message>
    <message>
        <source>The character&apos;s information has been updated.  If you changed the name of the character you are logged in as, you&apos;ll have to login again.</source>
        <translation>Se han actualizado los datos del personaje.  Si has cambiado el nombre del personaje con el que has iniciado sesión, tendrás que volver a iniciar sesión.</translation>
    </message>
    <message>
        <source>%1 was changed by someone else after you opened it, so your changes were not saved.</source>
        <extracomment>%1 is the character shown.</extracomment>
        <translation>Otra persona modificó %1 después de que lo abrieras, así que tus cambios no se han guardado.</translation>
    </message>
    <message>
        <source>%1 was changed by someone else on %2 after you opened it, so your changes were not saved.</source>
        <extracomment>%1 is the character shown, %2 when it was changed.</extracomment>
        <translation>Otra persona modificó %1 el %2 después de que lo abrieras, así que tus cambios no se han guardado.</translation>
    </message>
    <message>
        <source>%1 was changed by %2 after you opened it, so your changes were not saved.</source>
        <extracomment>%1 is the character shown, %2 the character who changed it.</extracomment>
        <translation>%2 modificó %1 después de que lo abrieras, así que tus cambios no se han guardado.</translation>
    </message>
    <message>
        <source>%1 was changed by %2 on %3 after you opened it, so your changes were not saved.</source>
        <extracomment>%1 is the character shown, %2 the character who changed it, %3 when.</extracomment>
        <translation>%2 modificó %1 el %3 después de que lo abrieras, así que tus cambios no se han guardado.</translation>
    </message>
    <message>
        <source>Do you want to load the character as it is stored now?  Your changes will be lost.</source>
        <translation>¿Quieres cargar el personaje tal como está guardado ahora?  Perderás tus cambios.</translation>
    </message>
    <message>
        <source>Save changes to %1?</source>
        <extracomment>%1 is the character shown.</extracomment>
        <translation>¿Guardar los cambios en %1?</translation>
    </message>
    <message>
        <source>None</source>
        <extracomment>The patron of a monarch, who has none.</extracomment>
        <translation>Ninguno</translation>
    </message>
</context>
<context>
    <name>Characters</name>
    <message>
        <source>a vassal of %1 is missing</source>
        <extracomment>Why a downloaded tree is refused (it follows a colon); %1 is a character&apos;s name. Game word: a vassal is a character sworn to another, its patron.</extracomment>
        <translation>falta un vasallo de %1</translation>
    </message>
    <message>
        <source>%1 is listed as a vassal twice</source>
        <extracomment>Why a downloaded tree is refused (it follows a colon); %1 is a character&apos;s name. Game word: a vassal is a character sworn to another, its patron.</extracomment>
        <translation>%1 figura dos veces como vasallo</translation>
    </message>
    <message>
        <source>%1 is listed under %2, who is not its patron</source>
        <extracomment>Why a downloaded tree is refused (it follows a colon); %1 and %2 are characters&apos; names. Game word: a patron is the character a vassal is sworn to.</extracomment>
        <translation>%1 figura bajo %2, que no es su patrón</translation>
    </message>
    <message>
        <source>the patron links form a cycle</source>
        <extracomment>Why a downloaded tree is refused (it follows a colon). Game word: a patron is the character a vassal is sworn to; here, following the patrons leads back round.</extracomment>
        <translation>los enlaces de patrón forman un ciclo</translation>
    </message>
</context>
<context>
    <name>ChartCanvas</name>
    <message>
        <source>Allegiance chart</source>
        <extracomment>The allegiance: the guild&apos;s members, each sworn to a patron above it</extracomment>
        <translation>Diagrama de vasallaje</translation>
    </message>
    <message>
        <source>Drag to move the chart, turn the wheel to zoom, double-click a box to show that member.  Alt and the arrow keys move the mark from box to box; Enter shows the marked member.</source>
        <translation>Arrastra para mover el diagrama, gira la rueda para acercar o alejar, haz doble clic en un recuadro para mostrar a ese miembro.  Alt y las flechas mueven la marca de un recuadro a otro; Intro muestra al miembro marcado.</translation>
    </message>
</context>
<context>
    <name>ChartExport</name>
    <message>
        <source>Allegiance chart</source>
        <extracomment>The allegiance: the guild&apos;s members, each sworn to a patron above it</extracomment>
        <translation>Diagrama de vasallaje</translation>
    </message>
    <message>
        <source>there is not enough memory for the picture</source>
        <extracomment>Follows &quot;The chart could not be saved to &lt;file&gt;: &quot;</extracomment>
        <translation>no hay memoria suficiente para la imagen</translation>
    </message>
    <message>
        <source>the drawing could not be started</source>
        <extracomment>Follows &quot;The chart could not be saved to &lt;file&gt;: &quot;</extracomment>
        <translation>no se pudo empezar el dibujo</translation>
    </message>
    <message>
        <source>the document could not be started</source>
        <extracomment>Follows &quot;The chart could not be saved to &lt;file&gt;: &quot;</extracomment>
        <translation>no se pudo empezar el documento</translation>
    </message>
    <message>
        <source>%1: row %2 of %3, column %4 of %5</source>
        <extracomment>A page&apos;s caption when the chart takes several pages; %1 is the chart&apos;s title, %2 and %3 the page&apos;s row and how many rows, %4 and %5 its column and how many columns</extracomment>
        <translation>%1: fila %2 de %3, columna %4 de %5</translation>
    </message>
</context>
<context>
    <name>ChartPainter</name>
    <message>
        <source>Level %1</source>
        <extracomment>In a member&apos;s box of the chart; %1 is the character&apos;s level</extracomment>
        <translation>Nivel %1</translation>
    </message>
</context>
<context>
    <name>Chat</name>
    <message>
        <source>%1 added %2 as vassal of %3 (level %4)</source>
        <translation>%1 añadió a %2 como vasallo de %3 (nivel %4)</translation>
    </message>
    <message>
        <source>%1 removed %2%3 from the guild</source>
        <translation>%1 quitó a %2%3 del gremio</translation>
    </message>
    <message>
        <source>%1 removed %2, vassal of %3,%4 from the guild</source>
        <translation>%1 quitó a %2, vasallo de %3,%4 del gremio</translation>
    </message>
    <message>
        <source>%1 moved %2%3 from %4 to %5</source>
        <translation>%1 movió a %2%3 de %4 a %5</translation>
    </message>
    <message>
        <source>%1 moved %2%3 from no patron to %4</source>
        <translation>%1 movió a %2%3, sin patrón, a %4</translation>
    </message>
    <message>
        <source> and 1 follower</source>
        <translation> y 1 seguidor</translation>
    </message>
    <message>
        <source> and %1 followers</source>
        <translation> y %1 seguidores</translation>
    </message>
    <message>
        <source>%1 made %2 an administrator</source>
        <translation>%1 hizo administrador a %2</translation>
    </message>
    <message>
        <source>%1 made %2 a member (no longer an administrator)</source>
        <translation>%1 hizo miembro a %2 (ya no es administrador)</translation>
    </message>
    <message>
        <source>%1 changed the guild&apos;s set-up:%2</source>
        <translation>%1 cambió la configuración del gremio:%2</translation>
    </message>
    <message>
        <source> a new default password</source>
        <translation> una nueva contraseña predeterminada</translation>
    </message>
    <message>
        <source> the rescue squad on</source>
        <translation> el escuadrón de rescate activado</translation>
    </message>
    <message>
        <source> the rescue squad off</source>
        <translation> el escuadrón de rescate desactivado</translation>
    </message>
    <message>
        <source> the guild&apos;s name from &quot;%1&quot; to &quot;%2&quot;</source>
        <translation> el nombre del gremio de «%1» a «%2»</translation>
    </message>
    <message>
        <source> the rescue squad&apos;s name from &quot;%1&quot; to &quot;%2&quot;</source>
        <translation> el nombre del escuadrón de rescate de «%1» a «%2»</translation>
    </message>
    <message>
        <source> %1</source>
        <translation> %1</translation>
    </message>
    <message>
        <source>%1 undid %2&apos;s addition of %3</source>
        <translation>%1 deshizo el alta de %3 hecha por %2</translation>
    </message>
    <message>
        <source>%1 undid %2&apos;s removal of %3%4</source>
        <translation>%1 deshizo la baja de %3%4 hecha por %2</translation>
    </message>
    <message>
        <source>%1 undid %2&apos;s move of %3</source>
        <translation>%1 deshizo el movimiento de %3 hecho por %2</translation>
    </message>
    <message>
        <source>%1 undid %2&apos;s security level change of %3</source>
        <translation>%1 deshizo el cambio de nivel de seguridad de %3 hecho por %2</translation>
    </message>
    <message>
        <source>%1 undid %2&apos;s change of the guild&apos;s set-up</source>
        <translation>%1 deshizo el cambio de configuración del gremio hecho por %2</translation>
    </message>
    <message>
        <source>Test message from ZORV for %1</source>
        <translation>Mensaje de prueba de ZORV para %1</translation>
    </message>
</context>
<context>
    <name>CriticalError</name>
    <message>
        <source>Out of memory</source>
        <translation>Memoria insuficiente</translation>
    </message>
    <message>
        <source>Subscript out of range</source>
        <translation>Subíndice fuera del intervalo</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>Desbordamiento</translation>
    </message>
    <message>
        <source>Invalid procedure call or argument</source>
        <translation>Llamada a procedimiento o argumento no válidos</translation>
    </message>
    <message>
        <source>Application-defined error: %1</source>
        <extracomment>%1 is the description the failure carries.</extracomment>
        <translation>Error definido por la aplicación: %1</translation>
    </message>
    <message>
        <source>Unknown failure</source>
        <translation>Fallo desconocido</translation>
    </message>
    <message>
        <source>A critical error has occured!<byte value="xd"/>
Occurred in: %1<byte value="xd"/>
Description: %2 %3<byte value="xd"/>
Please send an email with this information to %4</source>
        <extracomment>%1 is the name of the procedure that failed, %2 the failure&apos;s number and %3 its description, %4 the support address.</extracomment>
        <translation>¡Se ha producido un error crítico!</translation>
    </message>
    <message>
        <source>Critical Error!</source>
        <translation>¡Error crítico!</translation>
    </message>
    <message>
        <source>Object variable not set</source>
        <extracomment>A failure&apos;s description in the &quot;Critical Error!&quot; box: something the step needs is missing</extracomment>
        <translation>Variable de objeto no establecida</translation>
    </message>
</context>
<context>
    <name>CsvExport</name>
    <message>
        <source>Export List</source>
        <extracomment>The title of the file dialog that saves a list.</extracomment>
        <translation>Exportar lista</translation>
    </message>
    <message>
        <source>CSV Files (*.csv)</source>
        <translation>Archivos CSV (*.csv)</translation>
    </message>
    <message>
        <source>The list could not be saved to %1: %2</source>
        <extracomment>%1 is the file chosen, %2 why it could not be written.</extracomment>
        <translation>No se pudo guardar la lista en %1: %2</translation>
    </message>
</context>
<context>
    <name>DialogButtons</name>
    <message>
        <source>OK</source>
        <extracomment>A button that ends a dialog, taking what was entered.</extracomment>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <extracomment>A button that ends a dialog, dropping what was entered.</extracomment>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>ErrorTable</name>
    <message>
        <source>There was an error while trying to add the vassal.  Please refresh the tree and try again.</source>
        <extracomment>A vassal is a character sworn to another, its patron, in the guild&apos;s allegiance.</extracomment>
        <translation>Se ha producido un error al intentar añadir el vasallo.  Actualiza el árbol y vuelve a intentarlo.</translation>
    </message>
    <message>
        <source>There was an error while trying to remove the vassal.  Please refresh the tree and try again.</source>
        <extracomment>A vassal is a character sworn to another, its patron, in the guild&apos;s allegiance.</extracomment>
        <translation>Se ha producido un error al intentar quitar el vasallo.  Actualiza el árbol y vuelve a intentarlo.</translation>
    </message>
    <message>
        <source>The name you entered was not found in the database.  Please check your spelling and make sure your patron has added you.</source>
        <extracomment>A patron is the character a vassal is sworn to in the guild&apos;s allegiance.</extracomment>
        <translation>El nombre que has escrito no está en la base de datos.  Comprueba la ortografía y asegúrate de que tu patrón te ha añadido.</translation>
    </message>
    <message>
        <source>There was an error updating a character&apos;s information.  That character does not exist.</source>
        <translation>Se ha producido un error al actualizar los datos de un personaje.  Ese personaje no existe.</translation>
    </message>
    <message>
        <source>There was an error trying to open the file zorv.cfg on the server.  Make sure it is chmoded to 777.</source>
        <translation>Se ha producido un error al intentar abrir el archivo zorv.cfg en el servidor.  Asegúrate de que tiene permisos 777 (chmod).</translation>
    </message>
    <message>
        <source>There was an error trying to open the file tree.dat on the server.  Make sure it is chmoded to 777.</source>
        <translation>Se ha producido un error al intentar abrir el archivo tree.dat en el servidor.  Asegúrate de que tiene permisos 777 (chmod).</translation>
    </message>
    <message>
        <source>There was an error trying to change the server setup.  Please try again.</source>
        <translation>Se ha producido un error al intentar cambiar la configuración del servidor.  Vuelve a intentarlo.</translation>
    </message>
    <message>
        <source>There was an error changing the security level! An invalid character ID was given!</source>
        <translation>¡Se ha producido un error al cambiar el nivel de seguridad! ¡Se ha indicado un ID de personaje no válido!</translation>
    </message>
    <message>
        <source>There was an error while trying to add the vassal.  You provided an invalid name.  Please enter a legal name.</source>
        <extracomment>A vassal is a character sworn to another, its patron, in the guild&apos;s allegiance.</extracomment>
        <translation>Se ha producido un error al intentar añadir el vasallo.  Has indicado un nombre no válido.  Escribe un nombre permitido.</translation>
    </message>
    <message>
        <source>There was an error while trying to add the vassal.  The name you provided for the new vassal already exists in the tree.  Please refresh the tree.</source>
        <extracomment>A vassal is a character sworn to another, its patron, in the guild&apos;s allegiance.</extracomment>
        <translation>Se ha producido un error al intentar añadir el vasallo.  El nombre que has indicado para el nuevo vasallo ya existe en el árbol.  Actualiza el árbol.</translation>
    </message>
    <message>
        <source>There was an error while trying to add the vassal.  The patron already has the maxium number of possible vassals.</source>
        <extracomment>A vassal is a character sworn to another, its patron, in the guild&apos;s allegiance.</extracomment>
        <translation>Se ha producido un error al intentar añadir el vasallo.  El patrón ya tiene el número máximo de vasallos posible.</translation>
    </message>
    <message>
        <source>There was an error while trying to add the vassal.  The name you provided for the new vassal was illegal.  Please refresh the tree.</source>
        <extracomment>A vassal is a character sworn to another, its patron, in the guild&apos;s allegiance.</extracomment>
        <translation>Se ha producido un error al intentar añadir el vasallo.  El nombre que has indicado para el nuevo vasallo no está permitido.  Actualiza el árbol.</translation>
    </message>
    <message>
        <source>There was an error while trying to remove the vassal.  The vassal you tried to remove could not be found in the tree.</source>
        <extracomment>A vassal is a character sworn to another, its patron, in the guild&apos;s allegiance.</extracomment>
        <translation>Se ha producido un error al intentar quitar el vasallo.  No se ha encontrado en el árbol el vasallo que intentabas quitar.</translation>
    </message>
    <message>
        <source>There was an error while trying to remove the character.  The character you tried to remove was not your vassal.  You can only remove your own vassals.</source>
        <extracomment>A vassal is a character sworn to another, its patron, in the guild&apos;s allegiance.</extracomment>
        <translation>Se ha producido un error al intentar quitar el personaje.  El personaje que intentabas quitar no era tu vasallo.  Solo puedes quitar a tus propios vasallos.</translation>
    </message>
    <message>
        <source>There was an error while trying to change patrons.  Please refresh the tree and try again.</source>
        <extracomment>A patron is the character a vassal is sworn to in the guild&apos;s allegiance.</extracomment>
        <translation>Se ha producido un error al intentar cambiar de patrón.  Actualiza el árbol y vuelve a intentarlo.</translation>
    </message>
    <message>
        <source>There was an error while trying to change patrons.  The new patron already mas the maximum number of possible vassals.</source>
        <extracomment>A vassal is a character sworn to another, its patron, in the guild&apos;s allegiance.</extracomment>
        <translation>Se ha producido un error al intentar cambiar de patrón.  El nuevo patrón ya tiene el número máximo de vasallos posible.</translation>
    </message>
    <message>
        <source>There was an error while trying to change patrons.  You can not pledge to one of your followers.</source>
        <extracomment>A patron is the character a vassal is sworn to in the guild&apos;s allegiance; to pledge is to swear to a patron; one&apos;s followers are all the characters below one in the allegiance.</extracomment>
        <translation>Se ha producido un error al intentar cambiar de patrón.  No puedes jurar lealtad a uno de tus seguidores.</translation>
    </message>
    <message>
        <source>There was an error while trying to change patrons.  You can not pledge to yourself.</source>
        <extracomment>A patron is the character a vassal is sworn to in the guild&apos;s allegiance; to pledge is to swear to a patron.</extracomment>
        <translation>Se ha producido un error al intentar cambiar de patrón.  No puedes jurarte lealtad a ti mismo.</translation>
    </message>
    <message>
        <source>You have entered an incorrect password.  If this is the first time you&apos;ve logged in, make sure you use the default password.</source>
        <translation>Has escrito una contraseña incorrecta.  Si es la primera vez que inicias sesión, asegúrate de usar la contraseña predeterminada.</translation>
    </message>
    <message>
        <source>There was an error setting up the new server.  The guild name was invalid.</source>
        <translation>Se ha producido un error al configurar el nuevo servidor.  El nombre del gremio no es válido.</translation>
    </message>
    <message>
        <source>There was an error setting up the new server.  The default password was invalid.</source>
        <translation>Se ha producido un error al configurar el nuevo servidor.  La contraseña predeterminada no es válida.</translation>
    </message>
    <message>
        <source>There was an error updating the character info.  You attempted to edit a field that only admins are allowed to edit.</source>
        <translation>Se ha producido un error al actualizar los datos del personaje.  Has intentado editar un campo que solo pueden editar los administradores.</translation>
    </message>
    <message>
        <source>There was an error updating the character info.  Someone else changed the character after you opened it.  Please reload it and make your changes again.</source>
        <translation>Se ha producido un error al actualizar los datos del personaje.  Otra persona ha modificado el personaje después de que lo abrieras.  Vuelve a cargarlo y repite tus cambios.</translation>
    </message>
    <message>
        <source>There was an error retreiving a character&apos;s information.  That character does not exist.</source>
        <translation>Se ha producido un error al obtener los datos de un personaje.  Ese personaje no existe.</translation>
    </message>
    <message>
        <source>There was a serious error with the server.  Please have the admin visit ZORV&apos;s webpage and download the newest version of the server.</source>
        <translation>Se ha producido un error grave en el servidor.  Pide al administrador que visite la web de ZORV y descargue la versión más reciente del servidor.</translation>
    </message>
    <message>
        <source>Secuirty Voliation!</source>
        <translation>¡Infracción de seguridad!</translation>
    </message>
    <message>
        <source>You are using an invalid client.  Please go to the ZORV website and upgrade.</source>
        <translation>Estás usando un cliente no válido.  Visita la web de ZORV y actualízalo.</translation>
    </message>
    <message>
        <source>The operation you attempted referenced an invalid character.  Please refresh your tree and try again.</source>
        <translation>La operación que has intentado hace referencia a un personaje no válido.  Actualiza el árbol y vuelve a intentarlo.</translation>
    </message>
    <message>
        <source>You entered invalid input for a numeric value.</source>
        <translation>Has introducido un valor numérico no válido.</translation>
    </message>
    <message>
        <source>You entered invalid input for a string value</source>
        <translation>Has introducido un valor de texto no válido</translation>
    </message>
    <message>
        <source>There was an error accessing the ZORV server.</source>
        <translation>Se ha producido un error al acceder al servidor ZORV.</translation>
    </message>
    <message>
        <source>Your password is too long, it can only be 10 characters long.</source>
        <translation>Tu contraseña es demasiado larga: puede tener como máximo 10 caracteres.</translation>
    </message>
    <message>
        <source>Your password is too short, it has to be at least 6 characters long.</source>
        <translation>Tu contraseña es demasiado corta: debe tener al menos 6 caracteres.</translation>
    </message>
    <message>
        <source>There was an error changing the character&apos;s password.  The new password and the confirmation password do not match.</source>
        <translation>Se ha producido un error al cambiar la contraseña del personaje.  La nueva contraseña y la confirmación no coinciden.</translation>
    </message>
    <message>
        <source>There was an error changing the character&apos;s password.  The confirmation password is invalid.</source>
        <translation>Se ha producido un error al cambiar la contraseña del personaje.  La contraseña de confirmación no es válida.</translation>
    </message>
    <message>
        <source>There was an error changing the character&apos;s password.  The new password is invalid.</source>
        <translation>Se ha producido un error al cambiar la contraseña del personaje.  La nueva contraseña no es válida.</translation>
    </message>
    <message>
        <source>There was an error trying to change the server setup.  You are not an admin, what are you trying to do?</source>
        <translation>Se ha producido un error al intentar cambiar la configuración del servidor.  No eres administrador, ¿qué intentas hacer?</translation>
    </message>
    <message>
        <source>There was an error trying to reset the password. Your security level was not high enough.</source>
        <translation>Se ha producido un error al intentar restablecer la contraseña. Tu nivel de seguridad no es suficiente.</translation>
    </message>
    <message>
        <source>There was an error trying to reset the password. Please try again.</source>
        <translation>Se ha producido un error al intentar restablecer la contraseña. Vuelve a intentarlo.</translation>
    </message>
    <message>
        <source>There was an error trying to reset the password. That character does not exist.</source>
        <translation>Se ha producido un error al intentar restablecer la contraseña. Ese personaje no existe.</translation>
    </message>
    <message>
        <source>There was an error trying to backup the server.  Your security level is not high enough.</source>
        <translation>Se ha producido un error al intentar hacer la copia de seguridad del servidor.  Tu nivel de seguridad no es suficiente.</translation>
    </message>
    <message>
        <source>There was an error changing the security level! The new security level was invalid</source>
        <translation>¡Se ha producido un error al cambiar el nivel de seguridad! El nuevo nivel de seguridad no es válido</translation>
    </message>
    <message>
        <source>There was an error reading the change history.  Please try again.</source>
        <translation>Se ha producido un error al leer el historial de cambios.  Vuelve a intentarlo.</translation>
    </message>
    <message>
        <source>There was an error undoing the change.  Only an administrator can undo a change.</source>
        <translation>Se ha producido un error al deshacer el cambio.  Solo un administrador puede deshacer un cambio.</translation>
    </message>
    <message>
        <source>There was an error undoing the change.  The server no longer keeps that change.</source>
        <translation>Se ha producido un error al deshacer el cambio.  El servidor ya no conserva ese cambio.</translation>
    </message>
    <message>
        <source>The change cannot be undone.</source>
        <translation>No se puede deshacer el cambio.</translation>
    </message>
    <message>
        <source>The server cannot tell what changed in the tree since it was downloaded.  Please refresh the tree.</source>
        <translation>El servidor no puede saber qué ha cambiado en el árbol desde que se descargó.  Actualiza el árbol.</translation>
    </message>
    <message>
        <source>The server refused the notification&apos;s address.</source>
        <translation>El servidor ha rechazado la dirección de la notificación.</translation>
    </message>
    <message>
        <source>The server refused the notification&apos;s format or kinds of change.  Please try again.</source>
        <translation>El servidor ha rechazado el formato o los tipos de cambio de la notificación.  Vuelve a intentarlo.</translation>
    </message>
    <message>
        <source>The server no longer sends notifications there.  The list is shown again.</source>
        <translation>El servidor ya no envía notificaciones a ese destino.  Se vuelve a mostrar la lista.</translation>
    </message>
    <message>
        <source>The test message could not be delivered.</source>
        <translation>No se ha podido entregar el mensaje de prueba.</translation>
    </message>
    <message>
        <source>Too many wrong passwords for %1; try again in %2 seconds</source>
        <extracomment>%1 is the character&apos;s name, %2 the number of seconds to wait, as the server sent it.</extracomment>
        <translation>Demasiadas contraseñas incorrectas para %1; reinténtalo en %2 segundos</translation>
    </message>
    <message>
        <source>The server does not write notifications in that language.</source>
        <translation>El servidor no escribe notificaciones en ese idioma.</translation>
    </message>
</context>
<context>
    <name>Field</name>
    <message>
        <source>Name</source>
        <extracomment>A column of a guild list: the character&apos;s name.</extracomment>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Level</source>
        <extracomment>A column of a guild list: the character&apos;s level, a number.</extracomment>
        <translation>Nivel</translation>
    </message>
    <message>
        <source>ID</source>
        <translation>ID</translation>
    </message>
    <message>
        <source>Rank</source>
        <translation>Rango</translation>
    </message>
    <message>
        <source>Patron</source>
        <translation>Patrón</translation>
    </message>
    <message>
        <source>Vassals</source>
        <translation>Vasallos</translation>
    </message>
    <message>
        <source>Number of Followers</source>
        <translation>Número de seguidores</translation>
    </message>
    <message>
        <source>Security Level</source>
        <translation>Nivel de seguridad</translation>
    </message>
    <message>
        <source>Class</source>
        <translation>Clase</translation>
    </message>
    <message>
        <source>Race</source>
        <translation>Raza</translation>
    </message>
    <message>
        <source>Sex</source>
        <translation>Sexo</translation>
    </message>
    <message>
        <source>Is Mule</source>
        <translation>Es mula</translation>
    </message>
    <message>
        <source>Mule for</source>
        <translation>Mula de</translation>
    </message>
    <message>
        <source>Lifestoned At</source>
        <translation>Piedra de vida en</translation>
    </message>
    <message>
        <source>Tied To</source>
        <translation>Vinculado a</translation>
    </message>
    <message>
        <source>Bio</source>
        <translation>Biografía</translation>
    </message>
    <message>
        <source>Skills</source>
        <translation>Habilidades</translation>
    </message>
    <message>
        <source>Real Name</source>
        <translation>Nombre real</translation>
    </message>
    <message>
        <source>City, State, Country</source>
        <translation>Ciudad, región, país</translation>
    </message>
    <message>
        <source>Other Info</source>
        <translation>Otros datos</translation>
    </message>
    <message>
        <source>Email Address</source>
        <translation>Correo electrónico</translation>
    </message>
    <message>
        <source>ICQ Number</source>
        <translation>Número de ICQ</translation>
    </message>
    <message>
        <source>Revision</source>
        <translation>Revisión</translation>
    </message>
    <message>
        <source>Last Modified</source>
        <translation>Última modificación</translation>
    </message>
    <message>
        <source>Path to Monarch</source>
        <translation>Camino al monarca</translation>
    </message>
    <message>
        <source>Player Killer</source>
        <translation>Asesino de jugadores</translation>
    </message>
    <message>
        <source>Rescue Squad Member</source>
        <translation>Miembro del escuadrón de rescate</translation>
    </message>
    <message>
        <source>Hide Info on Web</source>
        <translation>Ocultar datos en la web</translation>
    </message>
    <message>
        <source>Can Summon</source>
        <translation>Puede invocar</translation>
    </message>
    <message>
        <source>Main Character Name</source>
        <translation>Personaje principal</translation>
    </message>
    <message>
        <source>Modified By</source>
        <translation>Modificado por</translation>
    </message>
    <message>
        <source>Awards</source>
        <translation>Distinciones</translation>
    </message>
    <message>
        <source>Patron Id</source>
        <translation>ID del patrón</translation>
    </message>
    <message>
        <source>Place among Vassals</source>
        <translation>Posición entre vasallos</translation>
    </message>
    <message>
        <source>Member</source>
        <translation>Miembro</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Contraseña</translation>
    </message>
    <message>
        <source>Default Password</source>
        <translation>Contraseña predeterminada</translation>
    </message>
    <message>
        <source>Guild Name</source>
        <translation>Nombre del gremio</translation>
    </message>
    <message>
        <source>Use Rescue Squad</source>
        <translation>Usar escuadrón de rescate</translation>
    </message>
    <message>
        <source>Rescue Squad Name</source>
        <translation>Nombre del escuadrón de rescate</translation>
    </message>
    <message>
        <source>Lifestone</source>
        <translation>Piedra de vida</translation>
    </message>
</context>
<context>
    <name>FlatListModel</name>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Level</source>
        <extracomment>A column of the flat listing: the character&apos;s level, a number.</extracomment>
        <translation>Nivel</translation>
    </message>
    <message>
        <source>Rank</source>
        <extracomment>A column of the flat listing: the character&apos;s rank, a number.</extracomment>
        <translation>Rango</translation>
    </message>
    <message>
        <source>C. Rank</source>
        <extracomment>A column of the flat listing: the rank worked out from the character&apos;s vassals, a number (&quot;C.&quot; for computed).</extracomment>
        <translation>Rango calc.</translation>
    </message>
    <message>
        <source>Patron Name</source>
        <extracomment>A column of the flat listing: the name of the character&apos;s patron (game word: the character it is sworn to in the allegiance).</extracomment>
        <translation>Patrón</translation>
    </message>
    <message>
        <source>Mule</source>
        <extracomment>A column of the flat listing, Yes or No: whether the character is a mule (game word: a character kept to carry another&apos;s goods).</extracomment>
        <translation>Mula</translation>
    </message>
    <message>
        <source>PK</source>
        <extracomment>A column of the flat listing, Yes or No: whether the character is a player killer.</extracomment>
        <translation>PK</translation>
    </message>
    <message>
        <source>None</source>
        <extracomment>In the Patron Name column: the character has no patron (game word: the character one is sworn to); it is at the top of the allegiance.</extracomment>
        <translation>Ninguno</translation>
    </message>
    <message>
        <source>Unknown</source>
        <extracomment>In the Patron Name column: the patron (game word: the character one is sworn to) is not in the roster.</extracomment>
        <translation>Desconocido</translation>
    </message>
    <message>
        <source>Yes</source>
        <extracomment>In the Mule or PK column: the character is a mule (game word: a character kept to carry another&apos;s goods), or a player killer.</extracomment>
        <translation>Sí</translation>
    </message>
    <message>
        <source>No</source>
        <extracomment>In the Mule or PK column: the character is not a mule (game word: a character kept to carry another&apos;s goods), or not a player killer.</extracomment>
        <translation>No</translation>
    </message>
</context>
<context>
    <name>Grid</name>
    <message>
        <source>&amp;Export List...</source>
        <translation>&amp;Exportar lista...</translation>
    </message>
</context>
<context>
    <name>GuildActivity</name>
    <message>
        <source>The server keeps no change history, so joins and departures cannot be counted.</source>
        <translation>El servidor no guarda historial de cambios, así que no se pueden contar las altas y bajas.</translation>
    </message>
    <message>
        <source>The change history holds no entry yet.</source>
        <translation>El historial de cambios aún no tiene ninguna entrada.</translation>
    </message>
    <message>
        <source>The change history reaches back to %1 only; earlier weeks show nothing.</source>
        <extracomment>%1 is the day of the oldest change kept, YYYY-MM-DD</extracomment>
        <translation>El historial de cambios solo llega hasta el %1; las semanas anteriores no muestran nada.</translation>
    </message>
</context>
<context>
    <name>GuildFactsSource</name>
    <message>
        <source>Downloading Guild Facts</source>
        <translation>Descargando datos del gremio</translation>
    </message>
    <message>
        <source>The server&apos;s answer could not be read.</source>
        <translation>No se pudo leer la respuesta del servidor.</translation>
    </message>
</context>
<context>
    <name>GuildLists</name>
    <message>
        <source>Downloading %1 Info</source>
        <extracomment>Status bar; %1 is the guild&apos;s name for its rescue squad (the members who come to the help of others), &quot;Rescue Squad&quot; unless the guild named it otherwise</extracomment>
        <translation>Descargando datos de %1</translation>
    </message>
    <message>
        <source>Downloading Summonable Portal Info</source>
        <extracomment>Status bar; the list of members who can summon a portal</extracomment>
        <translation>Descargando datos de portales invocables</translation>
    </message>
    <message>
        <source>Downloading Trade Skill Info</source>
        <translation>Descargando datos de habilidades de oficio</translation>
    </message>
</context>
<context>
    <name>GuildStatistics</name>
    <message>
        <source>Members by level</source>
        <extracomment>Chart title: how many members are of each band of levels</extracomment>
        <translation>Miembros por nivel</translation>
    </message>
    <message>
        <source>Level</source>
        <extracomment>Axis and column title: bands of character levels, such as 1-10</extracomment>
        <translation>Nivel</translation>
    </message>
    <message>
        <source>Members by rank</source>
        <extracomment>Chart title: how many members are of each rank in the allegiance</extracomment>
        <translation>Miembros por rango</translation>
    </message>
    <message>
        <source>Rank</source>
        <extracomment>Axis and column title: the ranks in the allegiance, numbers 1 to 10</extracomment>
        <translation>Rango</translation>
    </message>
    <message>
        <source>Vassal slots in use</source>
        <extracomment>Chart title: how many members have 0, 1, 2... vassals (characters sworn to them)</extracomment>
        <translation>Plazas de vasallo ocupadas</translation>
    </message>
    <message>
        <source>Vassals</source>
        <extracomment>Axis and column title: numbers of vassals sworn to a member</extracomment>
        <translation>Vasallos</translation>
    </message>
    <message>
        <source>Members by race</source>
        <extracomment>Chart title: how many members are of each race</extracomment>
        <translation>Miembros por raza</translation>
    </message>
    <message>
        <source>Race</source>
        <extracomment>Axis and column title: the characters&apos; races</extracomment>
        <translation>Raza</translation>
    </message>
    <message>
        <source>Members by sex</source>
        <extracomment>Chart title: how many members are of each sex</extracomment>
        <translation>Miembros por sexo</translation>
    </message>
    <message>
        <source>Sex</source>
        <extracomment>Axis and column title: the characters&apos; sex, male or female</extracomment>
        <translation>Sexo</translation>
    </message>
    <message>
        <source>Unknown</source>
        <extracomment>The bar of the members whose rank in the allegiance is not known</extracomment>
        <translation>Desconocido</translation>
    </message>
    <message>
        <source>%1 or more</source>
        <extracomment>The bar of the members with this many vassals or more; %1 is a number</extracomment>
        <translation>%1 o más</translation>
    </message>
</context>
<context>
    <name>HTTPRequest</name>
    <message>
        <source>the TLS handshake failed (%1)</source>
        <extracomment>Why the server could not be reached; it ends a sentence, after a colon. %1 is the connection&apos;s own error text.</extracomment>
        <translation>falló la negociación TLS (%1)</translation>
    </message>
</context>
<context>
    <name>HistoryPayload</name>
    <message>
        <source>Set up the guild</source>
        <extracomment>A change of the guild&apos;s history: the server was set up.</extracomment>
        <translation>Configuró el gremio</translation>
    </message>
    <message>
        <source>Added %1</source>
        <extracomment>A change of the guild&apos;s history; %1 is the character added to the allegiance.</extracomment>
        <translation>Añadió a %1</translation>
    </message>
    <message>
        <source>Added %1 under %2</source>
        <extracomment>A change of the guild&apos;s history; %1 is the character added to the allegiance, %2 its patron (game word: the character a vassal is sworn to).</extracomment>
        <translation>Añadió a %1 bajo %2</translation>
    </message>
    <message numerus="yes">
        <source>Removed %1 and %n followers from under %2</source>
        <extracomment>A change of the guild&apos;s history; %1 is the character removed from the allegiance, %n the number of its followers (game word: the characters below it) removed with it, %2 its patron (game word: the character it was sworn to).</extracomment>
        <translation>
            <numerusform>Quitó a %1, vasallo de %2, y a %n seguidor</numerusform>
            <numerusform>Quitó a %1, vasallo de %2, y a %n seguidores</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Removed %1 and %n followers</source>
        <extracomment>A change of the guild&apos;s history; %1 is the character removed from the allegiance, %n the number of its followers (game word: the characters below it) removed with it.</extracomment>
        <translation>
            <numerusform>Quitó a %1 y a %n seguidor</numerusform>
            <numerusform>Quitó a %1 y a %n seguidores</numerusform>
        </translation>
    </message>
    <message>
        <source>Removed %1 from under %2</source>
        <extracomment>A change of the guild&apos;s history; %1 is the character removed from the allegiance, %2 its patron (game word: the character it was sworn to).</extracomment>
        <translation>Quitó a %1, vasallo de %2</translation>
    </message>
    <message>
        <source>Removed %1</source>
        <extracomment>A change of the guild&apos;s history; %1 is the character removed from the allegiance.</extracomment>
        <translation>Quitó a %1</translation>
    </message>
    <message>
        <source>Moved %1</source>
        <extracomment>A change of the guild&apos;s history; %1 is the character that changed patrons (game word: the character one is sworn to in the allegiance).</extracomment>
        <translation>Movió a %1</translation>
    </message>
    <message>
        <source>Moved %1 from the top to %2</source>
        <extracomment>A change of the guild&apos;s history; %1 is the character that changed patrons (game word: the character one is sworn to in the allegiance), from none, at the top of the tree, to %2.</extracomment>
        <translation>Movió a %1 de la cima a %2</translation>
    </message>
    <message>
        <source>Moved %1 from %2 to %3</source>
        <extracomment>A change of the guild&apos;s history; %1 is the character that changed patrons (game word: the character one is sworn to in the allegiance), from %2 to %3.</extracomment>
        <translation>Movió a %1 de %2 a %3</translation>
    </message>
    <message>
        <source>Saved %1</source>
        <extracomment>A change of the guild&apos;s history; %1 is the character whose record was saved.</extracomment>
        <translation>Guardó la ficha de %1</translation>
    </message>
    <message>
        <source>Changed the password of %1</source>
        <extracomment>A change of the guild&apos;s history; %1 is a character.</extracomment>
        <translation>Cambió la contraseña de %1</translation>
    </message>
    <message>
        <source>Reset the password of %1</source>
        <extracomment>A change of the guild&apos;s history; %1 is a character.</extracomment>
        <translation>Restableció la contraseña de %1</translation>
    </message>
    <message>
        <source>Made %1 an administrator</source>
        <extracomment>A change of the guild&apos;s history; %1 is a character.</extracomment>
        <translation>Hizo administrador a %1</translation>
    </message>
    <message>
        <source>Made %1 a normal user</source>
        <extracomment>A change of the guild&apos;s history; %1 is a character.</extracomment>
        <translation>Hizo usuario normal a %1</translation>
    </message>
    <message>
        <source>Changed the server setup</source>
        <extracomment>A change of the guild&apos;s history.</extracomment>
        <translation>Cambió la configuración del servidor</translation>
    </message>
    <message>
        <source>Undid change #%1 (%2)</source>
        <extracomment>A change of the guild&apos;s history; %1 is the number of the change undone, %2 the character it concerned.</extracomment>
        <translation>Deshizo el cambio #%1 (%2)</translation>
    </message>
    <message>
        <source>changed</source>
        <extracomment>Shown for a password in the list of a change&apos;s values, in place of old and new.</extracomment>
        <translation>cambiada</translation>
    </message>
    <message>
        <source>brought back: %1</source>
        <extracomment>A member of the allegiance brought back by undoing a removal; %1 is its name.</extracomment>
        <translation>recuperado: %1</translation>
    </message>
    <message>
        <source>removed: %1</source>
        <extracomment>A member removed from the allegiance; %1 is its name.</extracomment>
        <translation>quitado: %1</translation>
    </message>
    <message>
        <source>(empty)</source>
        <extracomment>An empty value of a field, before or after a change.</extracomment>
        <translation>(vacío)</translation>
    </message>
</context>
<context>
    <name>HistoryView</name>
    <message>
        <source>Date (UTC)</source>
        <extracomment>Column header: when the change was made</extracomment>
        <translation>Fecha (UTC)</translation>
    </message>
    <message>
        <source>By</source>
        <extracomment>Column header: the member who made the change</extracomment>
        <translation>Autor</translation>
    </message>
    <message>
        <source>Change</source>
        <extracomment>Column header: what the change was</extracomment>
        <translation>Cambio</translation>
    </message>
    <message>
        <source>Change History</source>
        <translation>Historial de cambios</translation>
    </message>
    <message>
        <source>Refresh</source>
        <extracomment>Button: reads the history again</extracomment>
        <translation>Actualizar</translation>
    </message>
    <message>
        <source>Older Changes</source>
        <extracomment>Button: reads the page of changes before those shown</extracomment>
        <translation>Cambios anteriores</translation>
    </message>
    <message>
        <source>Undo...</source>
        <extracomment>Button: undoes the selected change, after asking</extracomment>
        <translation>Deshacer...</translation>
    </message>
    <message>
        <source>%1  (undone by #%2)</source>
        <extracomment>%1 is the description of a change, %2 the number of the later change that undid it</extracomment>
        <translation>%1  (deshecho por #%2)</translation>
    </message>
    <message>
        <source>Change #%1</source>
        <extracomment>%1 is the change&apos;s number in the guild&apos;s history</extracomment>
        <translation>Cambio #%1</translation>
    </message>
</context>
<context>
    <name>KnownCertificates</name>
    <message>
        <source>(none)</source>
        <extracomment>Shown for a certificate that names no owner or issuer.</extracomment>
        <translation>(ninguno)</translation>
    </message>
    <message>
        <source>The ZORV server at %1 sent a certificate that cannot be verified:</source>
        <extracomment>%1 is the server&apos;s address.</extracomment>
        <translation>El servidor ZORV de %1 ha enviado un certificado que no se puede verificar:</translation>
    </message>
    <message>
        <source>Subject: %1
Issuer: %2
Valid from %3 to %4
SHA-256 fingerprint: %5</source>
        <extracomment>%1 and %2 name the certificate&apos;s owner and issuer, %3 and %4 are dates, %5 the certificate&apos;s digest.</extracomment>
        <translation>Sujeto: %1
Emisor: %2
Válido del %3 al %4
Huella SHA-256: %5</translation>
    </message>
    <message>
        <source>This is not the certificate you accepted for this server before.  A server&apos;s certificate changes when it is renewed, but also when someone else answers in its place.</source>
        <translation>Este no es el certificado que aceptaste antes para este servidor.  El certificado de un servidor cambia cuando se renueva, pero también cuando otro responde en su lugar.</translation>
    </message>
    <message>
        <source>Accept this certificate for this server?  Answer Yes only if you know the fingerprint is the server&apos;s own; it will then be accepted without asking until it changes.</source>
        <translation>¿Aceptar este certificado para este servidor?  Responde Sí solo si sabes que la huella es la del propio servidor; a partir de entonces se aceptará sin preguntar hasta que cambie.</translation>
    </message>
</context>
<context>
    <name>ListPayloads</name>
    <message>
        <source>Yes</source>
        <extracomment>A cell of the rescue squad list (game word: the members who come to rescue the guild&apos;s characters): the flag of its column is set.</extracomment>
        <translation>Sí</translation>
    </message>
    <message>
        <source>No</source>
        <extracomment>A cell of the rescue squad list: the flag of its column is not set.</extracomment>
        <translation>No</translation>
    </message>
    <message>
        <source>None Found!</source>
        <extracomment>The only row of the skill search&apos;s results when no character matches.</extracomment>
        <translation>¡Sin resultados!</translation>
    </message>
</context>
<context>
    <name>LoginFlow</name>
    <message>
        <source>Congratulations!  The new ZORV server is setup.  I hope you and your guild enjoy the program!</source>
        <extracomment>ZORV is the program&apos;s name</extracomment>
        <translation>¡Enhorabuena!  El nuevo servidor ZORV está configurado.  ¡Espero que tú y tu gremio disfrutéis del programa!</translation>
    </message>
    <message>
        <source>Your changes to %1 were not saved: they belong to the guild you logged in to before.</source>
        <extracomment>%1 is the name of the character whose record was being edited</extracomment>
        <translation>Tus cambios en %1 no se han guardado: pertenecen al gremio en el que habías iniciado sesión antes.</translation>
    </message>
    <message>
        <source>You must provide all the information here!</source>
        <translation>¡Debes rellenar todos los datos!</translation>
    </message>
    <message>
        <source>Error!  The server is returning invalid info.</source>
        <translation>¡Error!  El servidor está devolviendo datos no válidos.</translation>
    </message>
    <message>
        <source>Error! This version of the ZORV client is for use on a newer server. Please contact your ZORV server admin.</source>
        <extracomment>ZORV is the program&apos;s name</extracomment>
        <translation>¡Error! Esta versión del cliente ZORV es para un servidor más reciente. Ponte en contacto con el administrador de tu servidor ZORV.</translation>
    </message>
    <message>
        <source>Error! This client is too old for this ZORV server.  You must download a new version of the client</source>
        <extracomment>ZORV is the program&apos;s name</extracomment>
        <translation>¡Error! Este cliente es demasiado antiguo para este servidor ZORV.  Debes descargar una nueva versión del cliente</translation>
    </message>
    <message>
        <source>%1 Member</source>
        <extracomment>Check box on the sheet: the character belongs to the rescue squad (the members who come to the help of others); %1 is the guild&apos;s name for its squad, such as &quot;Rescue Squad&quot;</extracomment>
        <translation>Miembro de %1</translation>
    </message>
    <message>
        <source>The ZORV server at %1 could not be reached: %2<byte value="xd"/>
<byte value="xd"/>
Open the tree kept from %3 read-only?  Nothing can be changed until the server answers; ZORV keeps trying, and logs in by itself when it does.</source>
        <extracomment>%1 is the server&apos;s address, %2 why it could not be reached, %3 the date and time the tree was kept; ZORV is the program&apos;s name</extracomment>
        <translation>No se puede conectar con el servidor ZORV de %1: %2</translation>
    </message>
    <message>
        <source>Connection Error</source>
        <translation>Error de conexión</translation>
    </message>
    <message>
        <source>The tree kept from %1 cannot be read.</source>
        <extracomment>%1 is the date and time the tree was kept</extracomment>
        <translation>No se puede leer el árbol guardado del %1.</translation>
    </message>
    <message>
        <source>Read-only copy from %1</source>
        <extracomment>Status bar: the tree shown is the one kept; %1 is the date and time it was kept</extracomment>
        <translation>Copia de solo lectura del %1</translation>
    </message>
    <message>
        <source>Read-only copy from %1: the server cannot be reached</source>
        <extracomment>Status bar: %1 is the date and time the tree shown was kept</extracomment>
        <translation>Copia de solo lectura del %1: no se puede conectar con el servidor</translation>
    </message>
    <message>
        <source>ZORV - %1 - Read-only copy from %2 (the server cannot be reached)</source>
        <extracomment>Window title; %1 is the character logged in, %2 the date and time the tree shown was kept</extracomment>
        <translation>ZORV - %1 - Copia de solo lectura del %2 (no se puede conectar con el servidor)</translation>
    </message>
</context>
<context>
    <name>MainMenus</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;Login</source>
        <extracomment>Logs in again, to this or another server</extracomment>
        <translation>&amp;Iniciar sesión</translation>
    </message>
    <message>
        <source>E&amp;xport List...</source>
        <translation>E&amp;xportar lista...</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>Current &amp;Player Functions</source>
        <extracomment>Menu: what is done for the selected character: vassals, patron, password</extracomment>
        <translation>Funciones del &amp;personaje actual</translation>
    </message>
    <message>
        <source>&amp;Add Vassal</source>
        <extracomment>Adds a vassal (a character sworn to one as patron) under the selected character</extracomment>
        <translation>&amp;Añadir vasallo</translation>
    </message>
    <message>
        <source>&amp;Change Patron</source>
        <extracomment>Moves the selected character under another patron (the character one is sworn to)</extracomment>
        <translation>&amp;Cambiar de patrón</translation>
    </message>
    <message>
        <source>Change &amp;Password</source>
        <translation>Cambiar c&amp;ontraseña</translation>
    </message>
    <message>
        <source>&amp;Tree Operations</source>
        <extracomment>Menu: the allegiance tree</extracomment>
        <translation>Operaciones del á&amp;rbol</translation>
    </message>
    <message>
        <source>E&amp;xpand Entire Tree</source>
        <translation>E&amp;xpandir todo el árbol</translation>
    </message>
    <message>
        <source>Expand Entire &amp;Node</source>
        <extracomment>Opens every branch below the selected character in the tree</extracomment>
        <translation>Expandir todo el &amp;nodo</translation>
    </message>
    <message>
        <source>&amp;Collapse Entire Tree</source>
        <translation>&amp;Contraer todo el árbol</translation>
    </message>
    <message>
        <source>Collapse Entire N&amp;ode</source>
        <extracomment>Closes every branch below the selected character in the tree</extracomment>
        <translation>Contraer todo el n&amp;odo</translation>
    </message>
    <message>
        <source>&amp;Allegiance Chart...</source>
        <extracomment>The allegiance: the guild&apos;s members, each sworn to a patron above it</extracomment>
        <translation>&amp;Diagrama de vasallaje...</translation>
    </message>
    <message>
        <source>Guild &amp;Statistics...</source>
        <translation>&amp;Estadísticas del gremio...</translation>
    </message>
    <message>
        <source>A&amp;ttention Report...</source>
        <translation>Informe de a&amp;tención...</translation>
    </message>
    <message>
        <source>&amp;Recent Changes...</source>
        <translation>Cambios &amp;recientes...</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <extracomment>Menu bar item: opens the options</extracomment>
        <translation>&amp;Opciones</translation>
    </message>
    <message>
        <source>&amp;Administrator</source>
        <extracomment>Menu: what administrators do</extracomment>
        <translation>A&amp;dministrador</translation>
    </message>
    <message>
        <source>&amp;Backup Database</source>
        <extracomment>Saves the whole guild to a file</extracomment>
        <translation>&amp;Copia de seguridad</translation>
    </message>
    <message>
        <source>Change Character&apos;s Security &amp;Level</source>
        <translation>Cambiar ni&amp;vel de seguridad del personaje</translation>
    </message>
    <message>
        <source>Reset Character&apos;s &amp;Password</source>
        <translation>&amp;Restablecer contraseña del personaje</translation>
    </message>
    <message>
        <source>Server &amp;Setup</source>
        <translation>Configuración del &amp;servidor</translation>
    </message>
    <message>
        <source>&amp;Notifications...</source>
        <extracomment>The chat channels the guild&apos;s changes are sent to</extracomment>
        <translation>&amp;Notificaciones...</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Acerca de</translation>
    </message>
</context>
<context>
    <name>MainViews</name>
    <message>
        <source>Refresh List</source>
        <extracomment>Button: downloads the list again</extracomment>
        <translation>Actualizar lista</translation>
    </message>
    <message>
        <source>Allegiance Tree</source>
        <extracomment>Tab and frame: the allegiance, each member under the patron it is sworn to</extracomment>
        <translation>Árbol de vasallaje</translation>
    </message>
    <message>
        <source>&amp;Refresh Tree</source>
        <translation>Actuali&amp;zar árbol</translation>
    </message>
    <message>
        <source>F&amp;ind Character</source>
        <translation>&amp;Buscar personaje</translation>
    </message>
    <message>
        <source>Flat Listing</source>
        <extracomment>Tab: every member in one list</extracomment>
        <translation>Lista plana</translation>
    </message>
    <message>
        <source>Flat List</source>
        <extracomment>Frame and list: every member in one list</extracomment>
        <translation>Lista plana</translation>
    </message>
    <message>
        <source>Rescue Squad List</source>
        <extracomment>Tab: the members of the rescue squad (the members who come to the help of others), until the login gives the guild&apos;s own name for it</extracomment>
        <translation>Escuadrón de rescate</translation>
    </message>
    <message>
        <source>Rescue Squad</source>
        <extracomment>Frame and list: the members who come to the help of others, until the login gives the guild&apos;s own name for them</extracomment>
        <translation>Escuadrón de rescate</translation>
    </message>
    <message>
        <source>Summonable Portal List</source>
        <extracomment>Tab, frame and list: the members who can summon a portal (a gateway to another place)</extracomment>
        <translation>Portales invocables</translation>
    </message>
    <message>
        <source>Trade Skills List</source>
        <extracomment>Tab: the members trained in the trade skills</extracomment>
        <translation>Oficios</translation>
    </message>
    <message>
        <source>Trade Skill List</source>
        <extracomment>Frame and list: the members trained in the trade skills</extracomment>
        <translation>Habilidades de oficio</translation>
    </message>
    <message>
        <source>Search</source>
        <extracomment>Tab and frame: searching the members by race, rank and skills</extracomment>
        <translation>Búsqueda</translation>
    </message>
    <message>
        <source>Search Filter</source>
        <translation>Filtro de búsqueda</translation>
    </message>
    <message>
        <source>Search</source>
        <comment>button</comment>
        <extracomment>Button: starts the search</extracomment>
        <translation>Buscar</translation>
    </message>
    <message>
        <source>Reset</source>
        <extracomment>Button: sets the search&apos;s choices back to any race, any rank and no skills</extracomment>
        <translation>Restablecer</translation>
    </message>
    <message>
        <source>Race: </source>
        <extracomment>Label of the race to search for; keep the space at the end</extracomment>
        <translation>Raza: </translation>
    </message>
    <message>
        <source>Rank: </source>
        <extracomment>Label of the rank in the allegiance to search for; keep the space at the end</extracomment>
        <translation>Rango: </translation>
    </message>
    <message>
        <source>Sa&amp;ve</source>
        <extracomment>Button: keeps the search under the name typed beside it</extracomment>
        <translation>&amp;Guardar</translation>
    </message>
    <message>
        <source>De&amp;lete</source>
        <extracomment>Button: deletes the saved search named beside it</extracomment>
        <translation>&amp;Eliminar</translation>
    </message>
    <message>
        <source>Saved searches:</source>
        <translation>Búsquedas guardadas:</translation>
    </message>
    <message>
        <source>Show in &amp;Tree</source>
        <extracomment>Button: marks the members found in the allegiance tree</extracomment>
        <translation>Mostrar en el árbo&amp;l</translation>
    </message>
    <message>
        <source>Views</source>
        <extracomment>The main window&apos;s tabs</extracomment>
        <translation>Vistas</translation>
    </message>
    <message>
        <source>Search Skill Values</source>
        <extracomment>The grid of the least skill values to search for</extracomment>
        <translation>Valores de habilidad buscados</translation>
    </message>
    <message>
        <source>Search Results</source>
        <translation>Resultados de la búsqueda</translation>
    </message>
    <message>
        <source>Saved searches</source>
        <translation>Búsquedas guardadas</translation>
    </message>
</context>
<context>
    <name>NotifyFormat</name>
    <message>
        <source>Discord webhook</source>
        <extracomment>The form of the messages: those a Discord channel&apos;s webhook takes</extracomment>
        <translation>Webhook de Discord</translation>
    </message>
    <message>
        <source>Slack incoming webhook</source>
        <extracomment>The form of the messages: those a Slack channel&apos;s incoming webhook takes</extracomment>
        <translation>Webhook entrante de Slack</translation>
    </message>
    <message>
        <source>Plain JSON</source>
        <extracomment>The form of the messages: plain JSON, for a receiver of one&apos;s own</extracomment>
        <translation>JSON simple</translation>
    </message>
</context>
<context>
    <name>NotifyKind</name>
    <message>
        <source>&amp;Joins</source>
        <extracomment>A kind of change to send to a chat channel: members who join the guild</extracomment>
        <translation>&amp;Altas</translation>
    </message>
    <message>
        <source>&amp;Departures (with the branch that left)</source>
        <extracomment>A kind of change to send: members who leave, with their vassals below them; the list of targets shows it without the part in brackets</extracomment>
        <translation>&amp;Bajas (con la rama que se fue)</translation>
    </message>
    <message>
        <source>&amp;Patron changes</source>
        <extracomment>A kind of change to send: members moved to another patron (the character one is sworn to)</extracomment>
        <translation>Cambios de &amp;patrón</translation>
    </message>
    <message>
        <source>&amp;Security level changes</source>
        <extracomment>A kind of change to send: members made administrators or normal users</extracomment>
        <translation>Cambios de nivel de &amp;seguridad</translation>
    </message>
    <message>
        <source>Server set-&amp;up changes</source>
        <extracomment>A kind of change to send: the guild&apos;s server set-up (its name, its rescue squad)</extracomment>
        <translation>Cambios de &amp;configuración del servidor</translation>
    </message>
</context>
<context>
    <name>PasswordRules</name>
    <message>
        <source>Your password is too short!  It must be at least %1 characters long.</source>
        <extracomment>%1 is the least number of characters a password takes.</extracomment>
        <translation>¡Tu contraseña es demasiado corta!  Debe tener al menos %1 caracteres.</translation>
    </message>
    <message>
        <source>Your password is too long!  It can be at most %1 characters long.</source>
        <extracomment>%1 is the greatest number of characters a password takes.</extracomment>
        <translation>¡Tu contraseña es demasiado larga!  Puede tener como máximo %1 caracteres.</translation>
    </message>
</context>
<context>
    <name>Race</name>
    <message>
        <source>Unknown</source>
        <translation>Desconocida</translation>
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
        <translation>Desconocido</translation>
    </message>
</context>
<context>
    <name>Refusal</name>
    <message>
        <source>The value &apos;%1&apos; of %2 is not a whole number</source>
        <translation>El valor «%1» de %2 no es un número entero</translation>
    </message>
    <message>
        <source>The value &apos;%1&apos; of %2 is not between %3 and %4</source>
        <translation>El valor «%1» de %2 no está entre %3 y %4</translation>
    </message>
    <message>
        <source>The skill number &apos;%1&apos; of %2 is not a whole number</source>
        <translation>El número de habilidad «%1» de %2 no es un número entero</translation>
    </message>
    <message>
        <source>The skill number &apos;%1&apos; of %2 is not between %3 and %4</source>
        <translation>El número de habilidad «%1» de %2 no está entre %3 y %4</translation>
    </message>
    <message>
        <source>The training &apos;%1&apos; of %2 is not a whole number</source>
        <translation>El entrenamiento «%1» de %2 no es un número entero</translation>
    </message>
    <message>
        <source>The training &apos;%1&apos; of %2 is not between %3 and %4</source>
        <translation>El entrenamiento «%1» de %2 no está entre %3 y %4</translation>
    </message>
    <message>
        <source>The minimum &apos;%1&apos; of %2 is not a whole number</source>
        <translation>El mínimo «%1» de %2 no es un número entero</translation>
    </message>
    <message>
        <source>The minimum &apos;%1&apos; of %2 is not between %3 and %4</source>
        <translation>El mínimo «%1» de %2 no está entre %3 y %4</translation>
    </message>
    <message>
        <source>The value &apos;%1&apos; of %2 is not a valid name</source>
        <translation>El valor «%1» de %2 no es un nombre válido</translation>
    </message>
    <message>
        <source>The value &apos;%1&apos; of %2 is a reserved name</source>
        <translation>El valor «%1» de %2 es un nombre reservado</translation>
    </message>
    <message>
        <source>The value &apos;%1&apos; of %2 is longer than %3 bytes</source>
        <translation>El valor «%1» de %2 ocupa más de %3 bytes</translation>
    </message>
    <message>
        <source>The value of %1 holds a reply marker</source>
        <translation>El valor de %1 contiene un marcador de respuesta</translation>
    </message>
    <message>
        <source>The value &apos;%1&apos; of %2 is not 0 or 1</source>
        <translation>El valor «%1» de %2 no es 0 ni 1</translation>
    </message>
    <message>
        <source>The value of %1 is longer than %2 bytes</source>
        <translation>El valor de %1 ocupa más de %2 bytes</translation>
    </message>
    <message>
        <source>%1 comes twice in %2</source>
        <translation>%1 aparece dos veces en %2</translation>
    </message>
    <message>
        <source>The entry &apos;%1&apos; of %2 is not skill,training,value</source>
        <translation>La entrada «%1» de %2 no tiene la forma habilidad,entrenamiento,valor</translation>
    </message>
    <message>
        <source>The entry &apos;%1&apos; of %2 is not skill,minimum</source>
        <translation>La entrada «%1» de %2 no tiene la forma habilidad,mínimo</translation>
    </message>
    <message>
        <source>The value &apos;%1&apos; of %2 is not acceptable</source>
        <translation>El valor «%1» de %2 no es aceptable</translation>
    </message>
    <message>
        <source>%1 is no longer in the guild</source>
        <translation>%1 ya no está en el gremio</translation>
    </message>
    <message>
        <source>%1 is now %2</source>
        <translation>%1 ahora es %2</translation>
    </message>
    <message>
        <source>%1, %2&apos;s patron, is no longer in the guild</source>
        <translation>%1, el patrón de %2, ya no está en el gremio</translation>
    </message>
    <message>
        <source>%1 has %2 vassals, the most the guild allows</source>
        <translation>%1 tiene %2 vasallos, el máximo que permite el gremio</translation>
    </message>
    <message>
        <source>the %1 of %2 has been changed since</source>
        <translation>el campo «%1» de %2 ha cambiado desde entonces</translation>
    </message>
    <message>
        <source>the entry&apos;s old %1 is not %2</source>
        <translation>el valor anterior de «%1» en la entrada no es %2</translation>
    </message>
    <message>
        <source>the name %1 has been taken since</source>
        <translation>el nombre %1 ya está ocupado desde entonces</translation>
    </message>
    <message>
        <source>%1 is the guild&apos;s only administrator</source>
        <translation>%1 es el único administrador del gremio</translation>
    </message>
    <message>
        <source>the entry changed nothing that can be put back</source>
        <translation>la entrada no cambió nada que se pueda restablecer</translation>
    </message>
    <message>
        <source>nobody removes their own login</source>
        <translation>nadie puede quitar su propio inicio de sesión</translation>
    </message>
    <message>
        <source>%1 has moved to another patron since</source>
        <translation>%1 ha cambiado de patrón desde entonces</translation>
    </message>
    <message>
        <source>%1 has vassals now</source>
        <translation>%1 ahora tiene vasallos</translation>
    </message>
    <message>
        <source>%1&apos;s record has been saved since</source>
        <translation>la ficha de %1 se ha guardado desde entonces</translation>
    </message>
    <message>
        <source>%1 has been made an administrator since</source>
        <translation>%1 ha pasado a ser administrador desde entonces</translation>
    </message>
    <message>
        <source>the entry holds no removed record</source>
        <translation>la entrada no contiene ninguna ficha quitada</translation>
    </message>
    <message>
        <source>the guild has no room for %1 members</source>
        <translation>el gremio no tiene sitio para %1 miembros</translation>
    </message>
    <message>
        <source>the id %1 of %2 belongs to %3 now</source>
        <translation>el ID %1 de %2 ahora pertenece a %3</translation>
    </message>
    <message>
        <source>the entry does not say where %1 was</source>
        <translation>la entrada no dice dónde estaba %1</translation>
    </message>
    <message>
        <source>%1 has moved again since</source>
        <translation>%1 se ha vuelto a mover desde entonces</translation>
    </message>
    <message>
        <source>the old patron is now among %1&apos;s followers</source>
        <translation>el antiguo patrón está ahora entre los seguidores de %1</translation>
    </message>
    <message>
        <source>the setting %1 has been changed since</source>
        <translation>el ajuste «%1» ha cambiado desde entonces</translation>
    </message>
    <message>
        <source>a new default password cannot be undone</source>
        <translation>una nueva contraseña predeterminada no se puede deshacer</translation>
    </message>
    <message>
        <source>no URL</source>
        <translation>ninguna URL</translation>
    </message>
    <message>
        <source>the URL is longer than %1 characters</source>
        <translation>la URL tiene más de %1 caracteres</translation>
    </message>
    <message>
        <source>the URL holds a blank, a control character or a letter outside ASCII</source>
        <translation>la URL contiene un espacio, un carácter de control o una letra fuera de ASCII</translation>
    </message>
    <message>
        <source>the URL must begin with https://</source>
        <translation>la URL debe empezar por https://</translation>
    </message>
    <message>
        <source>the URL names no host</source>
        <translation>la URL no indica ningún host</translation>
    </message>
    <message>
        <source>the URL must not carry a user name or password</source>
        <translation>la URL no debe llevar nombre de usuario ni contraseña</translation>
    </message>
    <message>
        <source>the URL&apos;s port must be a number from %1 to %2</source>
        <translation>el puerto de la URL debe ser un número de %1 a %2</translation>
    </message>
    <message>
        <source>http:// is for a receiver on this machine only (127.0.0.1, localhost, [::1]); use https://</source>
        <translation>http:// es solo para un receptor en esta máquina (127.0.0.1, localhost, [::1]); usa https://</translation>
    </message>
    <message>
        <source>this server takes no http:// receivers; use https:// (its operator may allow receivers on its own machine)</source>
        <translation>este servidor no acepta receptores http://; usa https:// (su operador puede permitir receptores en su propia máquina)</translation>
    </message>
    <message>
        <source>the guild sends to at most %1 targets; remove one first</source>
        <translation>el gremio envía a %1 destinos como mucho; quita uno primero</translation>
    </message>
    <message>
        <source>this server takes no http:// receivers; use https://</source>
        <translation>este servidor no acepta receptores http://; usa https://</translation>
    </message>
</context>
<context>
    <name>RequestCycle</name>
    <message>
        <source>Connecting to Server</source>
        <extracomment>Connection status, shown in a panel of the status bar.</extracomment>
        <translation>Conectando con el servidor</translation>
    </message>
    <message>
        <source>Connected to Server</source>
        <extracomment>Connection status, shown in a panel of the status bar.</extracomment>
        <translation>Conectado al servidor</translation>
    </message>
    <message>
        <source>Receiving Data</source>
        <extracomment>Connection status, shown in a panel of the status bar.</extracomment>
        <translation>Recibiendo datos</translation>
    </message>
    <message>
        <source>%1 bytes received</source>
        <extracomment>Shown in a panel of the status bar; %1 is the number of bytes of the reply so far.</extracomment>
        <translation>%1 bytes recibidos</translation>
    </message>
    <message>
        <source>Not Connected</source>
        <extracomment>Connection status, shown in a panel of the status bar.</extracomment>
        <translation>Sin conexión</translation>
    </message>
    <message>
        <source>The ZORV server at %1 could not be reached: %2</source>
        <extracomment>%1 is the server&apos;s address, %2 why it could not be reached.</extracomment>
        <translation>No se puede conectar con el servidor ZORV de %1: %2</translation>
    </message>
    <message>
        <source>Connection Error</source>
        <translation>Error de conexión</translation>
    </message>
    <message>
        <source>Certificate Not Trusted</source>
        <extracomment>Connection status, shown in a panel of the status bar.</extracomment>
        <translation>Certificado no fiable</translation>
    </message>
    <message>
        <source>Untrusted Certificate</source>
        <translation>Certificado no fiable</translation>
    </message>
    <message>
        <source>The certificate could not be remembered in %1.  It is accepted for now; you will be asked again next time.</source>
        <extracomment>%1 is the file that keeps the accepted certificates.</extracomment>
        <translation>No se pudo recordar el certificado en %1.  Se acepta por ahora; se te volverá a preguntar la próxima vez.</translation>
    </message>
    <message>
        <source>Closing Connection</source>
        <extracomment>Connection status, shown in a panel of the status bar.</extracomment>
        <translation>Cerrando conexión</translation>
    </message>
    <message>
        <source>ZORV Error #%1</source>
        <extracomment>The title of a server error&apos;s message; %1 is its code.</extracomment>
        <translation>Error de ZORV #%1</translation>
    </message>
    <message>
        <source>Error #%1</source>
        <extracomment>%1 is the code of a server error that has no message of its own.</extracomment>
        <translation>Error #%1</translation>
    </message>
    <message>
        <source>it did not answer in time</source>
        <extracomment>Why the server could not be reached; it ends a sentence, after a colon.</extracomment>
        <translation>no ha respondido a tiempo</translation>
    </message>
    <message>
        <source>A timeout error has occured!  This can mean manys things: <byte value="xd"/>
- The ZORV server is setup incorrectly or is down<byte value="xd"/>
- The server address you used is incorrect<byte value="xd"/>
- Your internet connection is down<byte value="xd"/>
- Or this program is gimpy</source>
        <translation>¡Se ha agotado el tiempo de espera!  Esto puede deberse a muchas cosas: </translation>
    </message>
    <message>
        <source>Timeout!</source>
        <translation>¡Tiempo agotado!</translation>
    </message>
</context>
<context>
    <name>ScopeChoice</name>
    <message>
        <source>Branch of %1</source>
        <extracomment>What a window shows: the member and every follower below it in the allegiance; %1 is the member&apos;s name</extracomment>
        <translation>Rama de %1</translation>
    </message>
    <message>
        <source>Branch</source>
        <extracomment>What a window shows: one member&apos;s part of the allegiance, when no member is selected</extracomment>
        <translation>Rama</translation>
    </message>
</context>
<context>
    <name>Session</name>
    <message>
        <source>ZORV (%1) - Logged in as %2</source>
        <extracomment>The main window&apos;s title; %1 is the guild&apos;s name, %2 the character logged in.</extracomment>
        <translation>ZORV (%1) - Sesión iniciada como %2</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>The settings file %1 could not be read.  The remembered servers and characters are not offered.</source>
        <extracomment>%1 is the settings file.</extracomment>
        <translation>No se pudo leer el archivo de configuración %1.  No se ofrecen los servidores ni los personajes recordados.</translation>
    </message>
    <message>
        <source>The settings could not be saved to %1.</source>
        <extracomment>%1 is the settings file.</extracomment>
        <translation>No se pudo guardar la configuración en %1.</translation>
    </message>
</context>
<context>
    <name>Sex</name>
    <message>
        <source>Unknown</source>
        <translation>Desconocido</translation>
    </message>
    <message>
        <source>Male</source>
        <translation>Masculino</translation>
    </message>
    <message>
        <source>Female</source>
        <translation>Femenino</translation>
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
        <translation>&amp;Guardar cambios</translation>
    </message>
    <message>
        <source>R&amp;eset Changes</source>
        <translation>Descar&amp;tar cambios</translation>
    </message>
    <message>
        <source>Reloa&amp;d</source>
        <extracomment>A button: shows the character&apos;s record as someone else stored it, dropping one&apos;s edits.</extracomment>
        <translation>&amp;Recargar</translation>
    </message>
    <message>
        <source>&amp;Keep Editing</source>
        <translation>&amp;Seguir editando</translation>
    </message>
    <message>
        <source>Basic Info</source>
        <translation>Datos básicos</translation>
    </message>
    <message>
        <source>Character Info</source>
        <translation>Datos del personaje</translation>
    </message>
    <message>
        <source>Yes</source>
        <extracomment>A choice of the Is Mule field (game word: a mule is a character kept to carry another&apos;s goods): the character is one.</extracomment>
        <translation>Sí</translation>
    </message>
    <message>
        <source>No</source>
        <extracomment>A choice of the Is Mule field (game word: a mule is a character kept to carry another&apos;s goods): the character is not one.</extracomment>
        <translation>No</translation>
    </message>
    <message>
        <source>Computed Rank:</source>
        <extracomment>The label of the rank worked out from the character&apos;s vassals (game word: the characters sworn to it), beside the rank stored.</extracomment>
        <translation>Rango calculado:</translation>
    </message>
    <message>
        <source>Allegiance Info</source>
        <extracomment>A tab of the character sheet (game word: the allegiance is the guild&apos;s tree of patrons and vassals).
----------
Game word: the allegiance is the guild&apos;s tree of patrons and vassals.</extracomment>
        <translation>Vasallaje</translation>
    </message>
    <message>
        <source>Change Patron</source>
        <extracomment>A button: the character swears to another patron (game word: the character one is sworn to in the allegiance).</extracomment>
        <translation>Cambiar de patrón</translation>
    </message>
    <message>
        <source>Number of Followers in Tree:</source>
        <extracomment>The label of the number of the character&apos;s followers (game word: the characters below it in the allegiance) the tree shows, beside the number stored.</extracomment>
        <translation>Seguidores en el árbol:</translation>
    </message>
    <message>
        <source>Vassals</source>
        <extracomment>The frame of the list of the character&apos;s vassals (game word: the characters sworn to it).
----------
The name a screen reader gives the list of the character&apos;s vassals (game word: the characters sworn to it).</extracomment>
        <translation>Vasallos</translation>
    </message>
    <message>
        <source>Add Vassal</source>
        <extracomment>A button (game word: a vassal is a character sworn to another, its patron).</extracomment>
        <translation>Añadir vasallo</translation>
    </message>
    <message>
        <source>Remove Vassal</source>
        <extracomment>A button (game word: a vassal is a character sworn to another, its patron).</extracomment>
        <translation>Quitar vasallo</translation>
    </message>
    <message>
        <source>Immediate Tree</source>
        <extracomment>The frame of the part of the allegiance tree around the character: its patron and the characters below it.
----------
The part of the allegiance tree around the character: its patron and the characters below it.</extracomment>
        <translation>Árbol cercano</translation>
    </message>
    <message>
        <source>Skills</source>
        <translation>Habilidades</translation>
    </message>
    <message>
        <source>Training</source>
        <extracomment>A tab: the skills by how far the character is trained in them.</extracomment>
        <translation>Entrenamiento</translation>
    </message>
    <message>
        <source>Lower</source>
        <extracomment>A button under a list of skills: moves the skills selected to the list of the next lower training.</extracomment>
        <translation>Bajar</translation>
    </message>
    <message>
        <source>Raise</source>
        <extracomment>A button under a list of skills: moves the skills selected to the list of the next higher training.</extracomment>
        <translation>Subir</translation>
    </message>
    <message>
        <source>Specialized Skills</source>
        <translation>Habilidades especializadas</translation>
    </message>
    <message>
        <source>Trained Skills</source>
        <translation>Habilidades entrenadas</translation>
    </message>
    <message>
        <source>Untrained Skills</source>
        <translation>Habilidades sin entrenar</translation>
    </message>
    <message>
        <source>Unusable Skills</source>
        <translation>Habilidades no utilizables</translation>
    </message>
    <message>
        <source>Skill Values</source>
        <translation>Valores de habilidad</translation>
    </message>
    <message>
        <source>Real Life &amp; Contact Info</source>
        <extracomment>A tab of the character sheet: what its player tells about himself.</extracomment>
        <translation>Vida real y contacto</translation>
    </message>
    <message>
        <source>Real Life Info</source>
        <translation>Datos de la vida real</translation>
    </message>
    <message>
        <source>Anything else you want others to know about you:</source>
        <translation>Cualquier otra cosa que quieras que los demás sepan de ti:</translation>
    </message>
    <message>
        <source>Contact Info</source>
        <translation>Datos de contacto</translation>
    </message>
    <message>
        <source>Awards</source>
        <translation>Distinciones</translation>
    </message>
    <message>
        <source>Awards this character has received (only administrators may change them):</source>
        <translation>Distinciones que ha recibido este personaje (solo los administradores pueden cambiarlas):</translation>
    </message>
    <message>
        <source>History</source>
        <extracomment>A tab of the character sheet: the changes made to the character.</extracomment>
        <translation>Historial</translation>
    </message>
    <message>
        <source>Sex</source>
        <extracomment>The name a screen reader gives the box of the character&apos;s sex.</extracomment>
        <translation>Sexo</translation>
    </message>
    <message>
        <source>Is Mule: Yes</source>
        <extracomment>Game word: a mule is a character kept to carry another&apos;s goods.</extracomment>
        <translation>Es mula: sí</translation>
    </message>
    <message>
        <source>Is Mule: No</source>
        <extracomment>Game word: a mule is a character kept to carry another&apos;s goods.</extracomment>
        <translation>Es mula: no</translation>
    </message>
    <message>
        <source>Find the character this mule is for</source>
        <extracomment>Game word: a mule is a character kept to carry another&apos;s goods.</extracomment>
        <translation>Buscar el personaje al que sirve esta mula</translation>
    </message>
    <message>
        <source>Find the main character</source>
        <translation>Buscar el personaje principal</translation>
    </message>
    <message>
        <source>Character</source>
        <extracomment>The name a screen reader gives the tabs of the character sheet.</extracomment>
        <translation>Personaje</translation>
    </message>
    <message>
        <source>Anything else you want others to know about you</source>
        <translation>Cualquier otra cosa que quieras que los demás sepan de ti</translation>
    </message>
    <message>
        <source>Lower the selected specialized skills</source>
        <translation>Bajar las habilidades especializadas seleccionadas</translation>
    </message>
    <message>
        <source>Raise the selected trained skills</source>
        <translation>Subir las habilidades entrenadas seleccionadas</translation>
    </message>
    <message>
        <source>Lower the selected trained skills</source>
        <translation>Bajar las habilidades entrenadas seleccionadas</translation>
    </message>
    <message>
        <source>Raise the selected untrained skills</source>
        <translation>Subir las habilidades sin entrenar seleccionadas</translation>
    </message>
    <message>
        <source>Lower the selected untrained skills</source>
        <translation>Bajar las habilidades sin entrenar seleccionadas</translation>
    </message>
    <message>
        <source>Raise the selected unusable skills</source>
        <translation>Subir las habilidades no utilizables seleccionadas</translation>
    </message>
</context>
<context>
    <name>SkillCatalogue</name>
    <message>
        <source>The server takes whole numbers only: &apos;%1&apos; will be refused.</source>
        <extracomment>The tool tip of a skill value the server will refuse; %1 is the value as typed.</extracomment>
        <translation>El servidor solo acepta números enteros: se rechazará «%1».</translation>
    </message>
</context>
<context>
    <name>SkillSearch</name>
    <message>
        <source>Any</source>
        <comment>race</comment>
        <extracomment>Search choice: a member of any race</extracomment>
        <translation>Cualquiera</translation>
    </message>
    <message>
        <source>Any</source>
        <comment>rank</comment>
        <extracomment>Search choice: a member of any rank in the allegiance</extracomment>
        <translation>Cualquiera</translation>
    </message>
    <message>
        <source>Name</source>
        <extracomment>Column header: the character&apos;s name</extracomment>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Level</source>
        <extracomment>Column header: the character&apos;s level (a number)</extracomment>
        <translation>Nivel</translation>
    </message>
    <message>
        <source>Rank</source>
        <extracomment>Column header: the character&apos;s rank in the allegiance (a number)</extracomment>
        <translation>Rango</translation>
    </message>
    <message>
        <source>Race</source>
        <extracomment>Column header: the character&apos;s race</extracomment>
        <translation>Raza</translation>
    </message>
    <message>
        <source>You can only use numbers for your skill value</source>
        <translation>Solo puedes usar números para el valor de habilidad</translation>
    </message>
    <message>
        <source>The saved searches in %1 could not be read: %2</source>
        <extracomment>%1 is the file&apos;s path, %2 the reason</extracomment>
        <translation>No se pudieron leer las búsquedas guardadas en %1: %2</translation>
    </message>
    <message>
        <source>Skill</source>
        <extracomment>Column header: the skill&apos;s name</extracomment>
        <translation>Habilidad</translation>
    </message>
    <message>
        <source>Skill Value</source>
        <extracomment>Column header: the least value of the skill to search for</extracomment>
        <translation>Valor de habilidad</translation>
    </message>
    <message>
        <source>Searching</source>
        <extracomment>Status bar, while the server searches the guild</extracomment>
        <translation>Buscando</translation>
    </message>
    <message>
        <source>Type a name for the search to save it under.</source>
        <translation>Escribe un nombre con el que guardar la búsqueda.</translation>
    </message>
    <message>
        <source>The search could not be saved to %1: %2</source>
        <extracomment>%1 is the file&apos;s path, %2 the reason</extracomment>
        <translation>No se pudo guardar la búsqueda en %1: %2</translation>
    </message>
    <message>
        <source>The saved searches could not be written to %1: %2</source>
        <extracomment>%1 is the file&apos;s path, %2 the reason</extracomment>
        <translation>No se pudieron escribir las búsquedas guardadas en %1: %2</translation>
    </message>
</context>
<context>
    <name>SkillTraining</name>
    <message>
        <source>Skill</source>
        <translation>Habilidad</translation>
    </message>
    <message>
        <source>Skill Value</source>
        <translation>Valor de habilidad</translation>
    </message>
    <message>
        <source>You can only use numbers for your skill value</source>
        <translation>Solo puedes usar números para el valor de habilidad</translation>
    </message>
</context>
<context>
    <name>TreeChanges</name>
    <message>
        <source>the changes carry no generation</source>
        <extracomment>Why the changes the server sent are refused (it follows a colon); a generation numbers the states of the tree.</extracomment>
        <translation>los cambios no indican ninguna generación</translation>
    </message>
    <message>
        <source>a member who left has no readable id</source>
        <extracomment>Why the changes the server sent are refused (it follows a colon).</extracomment>
        <translation>un miembro que se fue no tiene un ID legible</translation>
    </message>
</context>
<context>
    <name>TreeFeed</name>
    <message>
        <source>Downloading Tree Info</source>
        <extracomment>The operation under way, shown in the status bar.</extracomment>
        <translation>Descargando datos del árbol</translation>
    </message>
    <message>
        <source>the server answered error #%1</source>
        <extracomment>Why the tree&apos;s updates paused; it ends a sentence, after a colon. %1 is the code of the server&apos;s error.</extracomment>
        <translation>el servidor respondió con el error #%1</translation>
    </message>
    <message>
        <source>Read-only copy: %1; trying again in %2 s</source>
        <extracomment>In the status bar, while the tree shown is a copy kept from an earlier run: %1 says why the server cannot be reached, %2 is a number of seconds.</extracomment>
        <translation>Copia de solo lectura: %1; reintentando en %2 s</translation>
    </message>
    <message>
        <source>Tree updates paused: %1; trying again in %2 s</source>
        <extracomment>In the status bar: %1 says why the tree&apos;s updates paused, %2 is a number of seconds.</extracomment>
        <translation>Actualizaciones del árbol en pausa: %1; reintentando en %2 s</translation>
    </message>
    <message>
        <source>the tree the server sent cannot be shown</source>
        <extracomment>Why the tree&apos;s updates paused; it ends a sentence, after a colon.</extracomment>
        <translation>no se puede mostrar el árbol que ha enviado el servidor</translation>
    </message>
    <message>
        <source>Tree updates stopped: the server refused this login (error #%1); they go on after the next login</source>
        <extracomment>In the status bar; %1 is the code of the server&apos;s error.</extracomment>
        <translation>Actualizaciones del árbol detenidas: el servidor rechazó este inicio de sesión (error #%1); se reanudarán tras el próximo inicio de sesión</translation>
    </message>
</context>
<context>
    <name>TreePayload</name>
    <message>
        <source>record %1 has fewer than nine fields</source>
        <extracomment>Why a downloaded tree is refused (it follows a colon); %1 is the record&apos;s number.</extracomment>
        <translation>el registro %1 tiene menos de nueve campos</translation>
    </message>
    <message>
        <source>the id %1 comes twice</source>
        <extracomment>Why a downloaded tree is refused (it follows a colon); %1 is a character&apos;s id.</extracomment>
        <translation>el ID %1 aparece dos veces</translation>
    </message>
</context>
<context>
    <name>Web</name>
    <message>
        <source>Yes</source>
        <translation>Sí</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Rescue Squad</source>
        <translation>Escuadrón de rescate</translation>
    </message>
    <message>
        <source>None</source>
        <extracomment>No patron, or no vassals</extracomment>
        <translation>Ninguno</translation>
    </message>
    <message>
        <source>Allegiance Tree</source>
        <translation>Árbol de vasallaje</translation>
    </message>
    <message>
        <source>Members</source>
        <translation>Miembros</translation>
    </message>
    <message>
        <source>Summonable Portals</source>
        <translation>Portales invocables</translation>
    </message>
    <message>
        <source>Trade Skills</source>
        <translation>Oficios</translation>
    </message>
    <message>
        <source>%1 members. Members who hide their info on the web show only their name, level and place in the tree.</source>
        <translation>%1 miembros. Los miembros que ocultan sus datos en la web solo muestran su nombre, nivel y lugar en el árbol.</translation>
    </message>
    <message>
        <source>Branch of %1</source>
        <translation>Rama de %1</translation>
    </message>
    <message>
        <source>Expand all</source>
        <translation>Desplegar todo</translation>
    </message>
    <message>
        <source>Collapse all</source>
        <translation>Plegar todo</translation>
    </message>
    <message>
        <source>%1 - Level %2</source>
        <translation>%1 – nivel %2</translation>
    </message>
    <message>
        <source>%1 more below</source>
        <translation>%1 más por debajo</translation>
    </message>
    <message>
        <source>Summonable Portal List</source>
        <translation>Portales invocables</translation>
    </message>
    <message>
        <source>Trade Skill List</source>
        <translation>Oficios</translation>
    </message>
    <message>
        <source>Branch</source>
        <translation>Rama</translation>
    </message>
    <message>
        <source>%1 followers</source>
        <translation>%1 seguidores</translation>
    </message>
    <message>
        <source>This member hides their info on the web.</source>
        <translation>Este miembro oculta sus datos en la web.</translation>
    </message>
    <message>
        <source>Computed Rank</source>
        <translation>Rango calculado</translation>
    </message>
    <message>
        <source>Followers</source>
        <translation>Seguidores</translation>
    </message>
    <message>
        <source>%1 (entered: %2)</source>
        <translation>%1 (indicado: %2)</translation>
    </message>
    <message>
        <source>Skill</source>
        <translation>Habilidad</translation>
    </message>
    <message>
        <source>Training</source>
        <translation>Entrenamiento</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Valor</translation>
    </message>
    <message>
        <source>Unusable</source>
        <translation>No utilizable</translation>
    </message>
    <message>
        <source>Untrained</source>
        <translation>Sin entrenar</translation>
    </message>
    <message>
        <source>Trained</source>
        <translation>Entrenada</translation>
    </message>
    <message>
        <source>Specialized</source>
        <translation>Especializada</translation>
    </message>
    <message>
        <source>Not found</source>
        <translation>No encontrado</translation>
    </message>
    <message>
        <source>No such page or member.</source>
        <translation>No existe esa página ni ese miembro.</translation>
    </message>
    <message>
        <source>Back to the allegiance tree</source>
        <translation>Volver al árbol de vasallaje</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>About ZORV</source>
        <extracomment>Window title; ZORV is the program&apos;s name</extracomment>
        <translation>Acerca de ZORV</translation>
    </message>
    <message>
        <source>Version %1 (protocol %2)</source>
        <extracomment>%1 is the program&apos;s version, %2 the version of the protocol it speaks with the server</extracomment>
        <translation>Versión %1 (protocolo %2)</translation>
    </message>
    <message>
        <source>The guild&apos;s shared record of its allegiance: who is sworn to whom, every member&apos;s sheet, the guild&apos;s lists and its administration.</source>
        <extracomment>The allegiance: the guild&apos;s members, each sworn to a patron above it</extracomment>
        <translation>El registro compartido del vasallaje del gremio: quién ha jurado lealtad a quién, la ficha de cada miembro, las listas del gremio y su administración.</translation>
    </message>
    <message>
        <source>Licensed under the MIT License.</source>
        <translation>Publicado bajo la licencia MIT.</translation>
    </message>
    <message>
        <source>Not logged in.</source>
        <translation>Sin sesión iniciada.</translation>
    </message>
    <message>
        <source>Logged in to %1.</source>
        <extracomment>%1 is the server&apos;s address</extracomment>
        <translation>Sesión iniciada en %1.</translation>
    </message>
    <message>
        <source>Logged in to %1 (%2).</source>
        <extracomment>%1 is the server&apos;s address, %2 the guild&apos;s name</extracomment>
        <translation>Sesión iniciada en %1 (%2).</translation>
    </message>
</context>
<context>
    <name>frmAddVassal</name>
    <message>
        <source>Add A Vassal</source>
        <extracomment>Window title; a vassal is a character sworn to a patron in the allegiance</extracomment>
        <translation>Añadir un vasallo</translation>
    </message>
    <message>
        <source>This will add a new vassal to the tree.  The new vassal&apos;s password will be set to the default password for the tree. </source>
        <extracomment>A vassal is a character sworn to a patron; the tree is the allegiance tree</extracomment>
        <translation>Esto añadirá un nuevo vasallo al árbol.  La contraseña del nuevo vasallo será la contraseña predeterminada del árbol. </translation>
    </message>
    <message>
        <source>Add</source>
        <extracomment>Button: adds the vassal</extracomment>
        <translation>Añadir</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Vassal Name</source>
        <extracomment>The new vassal&apos;s character name</extracomment>
        <translation>Nombre del vasallo</translation>
    </message>
</context>
<context>
    <name>frmAllegianceChart</name>
    <message>
        <source>Allegiance Chart</source>
        <extracomment>Window title; the allegiance: the guild&apos;s members, each sworn to a patron above it</extracomment>
        <translation>Diagrama de vasallaje</translation>
    </message>
    <message>
        <source>Whole allegiance</source>
        <extracomment>What the chart shows: every member of the allegiance, every monarch at the top</extracomment>
        <translation>Todo el vasallaje</translation>
    </message>
    <message>
        <source>All levels</source>
        <extracomment>How deep the chart goes: every generation of vassals</extracomment>
        <translation>Todos los niveles</translation>
    </message>
    <message numerus="yes">
        <source>%n levels</source>
        <extracomment>How deep the chart goes: %n generations, the first member&apos;s included</extracomment>
        <translation>
            <numerusform>%n nivel</numerusform>
            <numerusform>%n niveles</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Fit</source>
        <extracomment>Button: fits the whole chart in the window</extracomment>
        <translation>&amp;Ajustar</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>A&amp;cercar</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>A&amp;lejar</translation>
    </message>
    <message>
        <source>&amp;Export...</source>
        <extracomment>Button: saves the chart as a picture or a document</extracomment>
        <translation>&amp;Exportar...</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Imprimir...</translation>
    </message>
    <message>
        <source>&amp;Show:</source>
        <extracomment>Before the choice of a member&apos;s branch or the whole allegiance</extracomment>
        <translation>&amp;Mostrar:</translation>
    </message>
    <message>
        <source>&amp;Depth:</source>
        <extracomment>Before the choice of how many levels of vassals the chart shows</extracomment>
        <translation>&amp;Profundidad:</translation>
    </message>
    <message>
        <source>That member is no longer in the allegiance.</source>
        <extracomment>The allegiance: the guild&apos;s members, each sworn to a patron above it</extracomment>
        <translation>Ese miembro ya no está en el vasallaje.</translation>
    </message>
    <message>
        <source>The allegiance is empty.</source>
        <extracomment>The allegiance: the guild&apos;s members, each sworn to a patron above it</extracomment>
        <translation>El vasallaje está vacío.</translation>
    </message>
    <message numerus="yes">
        <source>%n members on %1. Zoom %2 %. Double-click a box to show that member.</source>
        <extracomment>%n is the number of members drawn, %1 says on how many levels (&quot;%n levels&quot; below), %2 is the zoom in per cent</extracomment>
        <translation>
            <numerusform>%n miembro en %1. Zoom %2 %. Haz doble clic en un recuadro para mostrar a ese miembro.</numerusform>
            <numerusform>%n miembros en %1. Zoom %2 %. Haz doble clic en un recuadro para mostrar a ese miembro.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n levels</source>
        <comment>members on</comment>
        <extracomment>Ends &quot;%n members on %1.&quot;: how many levels of the chart are drawn</extracomment>
        <translation>
            <numerusform>%n nivel</numerusform>
            <numerusform>%n niveles</numerusform>
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
            <numerusform>El diagrama ocupa %n página con el tamaño más pequeño legible.  Elige menos niveles o una rama para tener menos páginas.  ¿Continuar con %n página?</numerusform>
            <numerusform>El diagrama ocupa %n páginas con el tamaño más pequeño legible.  Elige menos niveles o una rama para tener menos páginas.  ¿Continuar con las %n?</numerusform>
        </translation>
    </message>
    <message>
        <source>There is no chart to export.</source>
        <translation>No hay ningún diagrama que exportar.</translation>
    </message>
    <message>
        <source>Export Allegiance Chart</source>
        <extracomment>Title of the file dialog</extracomment>
        <translation>Exportar diagrama de vasallaje</translation>
    </message>
    <message>
        <source>PNG Pictures (*.png);;SVG Drawings (*.svg);;PDF Documents (*.pdf)</source>
        <extracomment>File-dialog filters, separated by &quot;;;&quot;; keep the patterns in brackets as they are</extracomment>
        <translation>Imágenes PNG (*.png);;Dibujos SVG (*.svg);;Documentos PDF (*.pdf)</translation>
    </message>
    <message>
        <source>The chart could not be saved to %1: %2</source>
        <extracomment>%1 is the file&apos;s path, %2 the reason</extracomment>
        <translation>No se pudo guardar el diagrama en %1: %2</translation>
    </message>
    <message>
        <source>The chart is too large for one picture at full size, so it was saved at %1 %.  An SVG or PDF file keeps it whole.</source>
        <extracomment>%1 is the picture&apos;s size in per cent of full size</extracomment>
        <translation>El diagrama es demasiado grande para una sola imagen a tamaño completo, así que se ha guardado al %1 %.  Un archivo SVG o PDF lo conserva entero.</translation>
    </message>
    <message>
        <source>There is no chart to print.</source>
        <translation>No hay ningún diagrama que imprimir.</translation>
    </message>
    <message>
        <source>The chart could not be printed.</source>
        <translation>No se pudo imprimir el diagrama.</translation>
    </message>
</context>
<context>
    <name>frmAttentionReport</name>
    <message>
        <source>Attention Report</source>
        <extracomment>Window title: what in the guild needs an officer&apos;s attention</extracomment>
        <translation>Informe de atención</translation>
    </message>
    <message>
        <source>&amp;Refresh</source>
        <extracomment>Button: asks the server for the guild&apos;s facts again</extracomment>
        <translation>&amp;Actualizar</translation>
    </message>
    <message>
        <source>&amp;Export List...</source>
        <extracomment>Button: saves the list shown as a CSV file</extracomment>
        <translation>&amp;Exportar lista...</translation>
    </message>
    <message>
        <source>Sections</source>
        <extracomment>The report&apos;s tabs, one per section</extracomment>
        <translation>Secciones</translation>
    </message>
    <message>
        <source>&amp;Days without a change or a login:</source>
        <translation>&amp;Días sin cambios ni inicios de sesión:</translation>
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
            <numerusform>%n miembro; límite de vasallos: %1.</numerusform>
            <numerusform>%n miembros; límite de vasallos: %1.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>frmChangePassword</name>
    <message>
        <source>Change Password</source>
        <translation>Cambiar contraseña</translation>
    </message>
    <message>
        <source>New Password:</source>
        <translation>Nueva contraseña:</translation>
    </message>
    <message>
        <source>Confirm New Password:</source>
        <translation>Confirmar nueva contraseña:</translation>
    </message>
    <message>
        <source>Your new password must be at least six characters long!</source>
        <translation>¡Tu nueva contraseña debe tener al menos seis caracteres!</translation>
    </message>
    <message>
        <source>Your new password can be ten characters long at max!</source>
        <translation>¡Tu nueva contraseña puede tener como máximo diez caracteres!</translation>
    </message>
    <message>
        <source>Your confirmation password did not match your new password!</source>
        <translation>¡La contraseña de confirmación no coincide con tu nueva contraseña!</translation>
    </message>
</context>
<context>
    <name>frmFindChar</name>
    <message>
        <source>Find Character</source>
        <translation>Buscar personaje</translation>
    </message>
    <message>
        <source>Character Name</source>
        <translation>Nombre del personaje</translation>
    </message>
    <message>
        <source>Characters</source>
        <extracomment>The name a screen reader gives the list of the characters found.</extracomment>
        <translation>Personajes</translation>
    </message>
</context>
<context>
    <name>frmGuildStatistics</name>
    <message>
        <source>Levels</source>
        <extracomment>Tab: the members by bands of levels</extracomment>
        <translation>Niveles</translation>
    </message>
    <message>
        <source>Ranks</source>
        <extracomment>Tab: the members by rank in the allegiance</extracomment>
        <translation>Rangos</translation>
    </message>
    <message>
        <source>Vassals</source>
        <extracomment>Tab: the members by how many vassals (characters sworn to them) they have</extracomment>
        <translation>Vasallos</translation>
    </message>
    <message>
        <source>Races</source>
        <extracomment>Tab: the members by race</extracomment>
        <translation>Razas</translation>
    </message>
    <message>
        <source>Sexes</source>
        <extracomment>Tab: the members by sex, male or female</extracomment>
        <translation>Sexos</translation>
    </message>
    <message>
        <source>Members</source>
        <extracomment>Numbers of members: the bars, the axis of the counts and the column of the numbers</extracomment>
        <translation>Miembros</translation>
    </message>
    <message>
        <source>Guild Statistics</source>
        <translation>Estadísticas del gremio</translation>
    </message>
    <message>
        <source>Whole guild</source>
        <extracomment>What the figures count: every member of the guild</extracomment>
        <translation>Todo el gremio</translation>
    </message>
    <message>
        <source>&amp;Save Chart...</source>
        <translation>&amp;Guardar gráfico...</translation>
    </message>
    <message>
        <source>Figures</source>
        <extracomment>The window&apos;s tabs, one per count</extracomment>
        <translation>Cifras</translation>
    </message>
    <message>
        <source>Chart of %1</source>
        <extracomment>%1 is the tab&apos;s caption, such as &quot;Levels&quot;</extracomment>
        <translation>Gráfico de %1</translation>
    </message>
    <message>
        <source>Table of %1</source>
        <extracomment>%1 is the tab&apos;s caption, such as &quot;Levels&quot;</extracomment>
        <translation>Tabla de %1</translation>
    </message>
    <message>
        <source>Joins and Departures</source>
        <extracomment>Tab: members who joined and who left the guild, per week</extracomment>
        <translation>Altas y bajas</translation>
    </message>
    <message>
        <source>S&amp;how:</source>
        <extracomment>Before the choice of a member&apos;s branch or the whole guild</extracomment>
        <translation>&amp;Mostrar:</translation>
    </message>
    <message>
        <source>The server did not count joins and departures (error #%1).</source>
        <extracomment>%1 is the server&apos;s number for the error</extracomment>
        <translation>El servidor no contó las altas y bajas (error #%1).</translation>
    </message>
    <message>
        <source>Joins and departures need the server, which cannot be reached.</source>
        <translation>Las altas y bajas necesitan el servidor, y no se puede conectar con él.</translation>
    </message>
    <message>
        <source>Asking the server…</source>
        <translation>Consultando al servidor…</translation>
    </message>
    <message>
        <source>Downloading Joins and Departures</source>
        <translation>Descargando altas y bajas</translation>
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
            <numerusform>%n miembro contado a partir del árbol mostrado.</numerusform>
            <numerusform>%n miembros contados a partir del árbol mostrado.</numerusform>
        </translation>
    </message>
    <message>
        <source>Members joining and leaving the guild, %1</source>
        <extracomment>A saved picture&apos;s title; %1 is today&apos;s date</extracomment>
        <translation>Altas y bajas de miembros del gremio, %1</translation>
    </message>
    <message>
        <source>, </source>
        <extracomment>Separates the parts of a saved picture&apos;s title: what it counts, whose members, the date</extracomment>
        <translation>, </translation>
    </message>
    <message>
        <source>Save Chart</source>
        <extracomment>Title of the file dialog</extracomment>
        <translation>Guardar gráfico</translation>
    </message>
    <message>
        <source>PNG Pictures (*.png);;SVG Drawings (*.svg)</source>
        <extracomment>File-dialog filters, separated by &quot;;;&quot;; keep the patterns in brackets as they are</extracomment>
        <translation>Imágenes PNG (*.png);;Dibujos SVG (*.svg)</translation>
    </message>
    <message>
        <source>There are no joins and departures to save.</source>
        <translation>No hay altas ni bajas que guardar.</translation>
    </message>
    <message>
        <source>Members joining and leaving</source>
        <translation>Altas y bajas de miembros</translation>
    </message>
    <message>
        <source>The chart could not be saved to %1: %2</source>
        <extracomment>%1 is the file&apos;s path, %2 the reason</extracomment>
        <translation>No se pudo guardar el gráfico en %1: %2</translation>
    </message>
</context>
<context>
    <name>frmLogin</name>
    <message>
        <source>Edit Other Character</source>
        <translation>Editar otro personaje</translation>
    </message>
    <message>
        <source>Other Character Login Info</source>
        <translation>Datos de inicio de sesión del otro personaje</translation>
    </message>
    <message>
        <source>Character Name:</source>
        <translation>Nombre del personaje:</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Contraseña:</translation>
    </message>
    <message>
        <source>You must enter the other character&apos;s name and password!</source>
        <translation>¡Debes escribir el nombre y la contraseña del otro personaje!</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Choose a list or the search results to export.</source>
        <translation>Elige una lista o los resultados de la búsqueda para exportar.</translation>
    </message>
</context>
<context>
    <name>frmNewServerSetup</name>
    <message>
        <source>Setup ZORV Server</source>
        <extracomment>Window title; ZORV is the program&apos;s name</extracomment>
        <translation>Configurar servidor ZORV</translation>
    </message>
    <message>
        <source>Reset all users with current default password to new default password</source>
        <extracomment>The default password: the guild&apos;s password for new members</extracomment>
        <translation>Pasar a la nueva contraseña predeterminada a todos los usuarios que tengan la actual</translation>
    </message>
    <message>
        <source>Use Rescue Squad</source>
        <extracomment>The rescue squad: the guild&apos;s members who come to the help of others</extracomment>
        <translation>Usar escuadrón de rescate</translation>
    </message>
    <message>
        <source>Guild Name:</source>
        <translation>Nombre del gremio:</translation>
    </message>
    <message>
        <source>Default Password</source>
        <extracomment>Frame caption: the guild&apos;s password for new members</extracomment>
        <translation>Contraseña predeterminada</translation>
    </message>
    <message>
        <source>The default password is the password that all new members will start out with.  Make sure to encourage new members to change their passwords from the default to their own personal password ASAP.</source>
        <translation>La contraseña predeterminada es la contraseña con la que empiezan todos los miembros nuevos.  Anima a los miembros nuevos a cambiar cuanto antes la contraseña predeterminada por una propia.</translation>
    </message>
    <message>
        <source>Default Password:</source>
        <translation>Contraseña predeterminada:</translation>
    </message>
    <message>
        <source>Confirm Default Password:</source>
        <translation>Confirmar contraseña predeterminada:</translation>
    </message>
    <message>
        <source>Rescue Squad</source>
        <extracomment>Frame caption: the guild&apos;s members who come to the help of others</extracomment>
        <translation>Escuadrón de rescate</translation>
    </message>
    <message>
        <source>If you are enabling/disabling the Rescue Squad Feature, you must exit ZORV and re-enter to see the changes</source>
        <extracomment>ZORV is the program&apos;s name; the rescue squad: the guild&apos;s members who come to the help of others</extracomment>
        <translation>Si activas o desactivas el escuadrón de rescate, debes salir de ZORV y volver a entrar para ver los cambios</translation>
    </message>
    <message>
        <source>Rescue Squad Name:</source>
        <extracomment>The guild&apos;s own name for its rescue squad</extracomment>
        <translation>Nombre del escuadrón de rescate:</translation>
    </message>
    <message>
        <source>You must enter your guild&apos;s name!</source>
        <translation>¡Debes escribir el nombre de tu gremio!</translation>
    </message>
    <message>
        <source>You must enter the default password for your server!</source>
        <translation>¡Debes escribir la contraseña predeterminada de tu servidor!</translation>
    </message>
    <message>
        <source>You must confirm the password you entered for the default password!</source>
        <translation>¡Debes confirmar la contraseña que has escrito como contraseña predeterminada!</translation>
    </message>
    <message>
        <source>The confirmation password does not match the password you entered!</source>
        <translation>¡La contraseña de confirmación no coincide con la que has escrito!</translation>
    </message>
    <message>
        <source>You must specify the name of your rescue squad!</source>
        <extracomment>The rescue squad: the guild&apos;s members who come to the help of others</extracomment>
        <translation>¡Debes indicar el nombre de tu escuadrón de rescate!</translation>
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
        <translation>Notificaciones</translation>
    </message>
    <message>
        <source>Notification targets</source>
        <translation>Destinos de las notificaciones</translation>
    </message>
    <message>
        <source>Target</source>
        <extracomment>Column header: the target&apos;s number on the server</extracomment>
        <translation>Destino</translation>
    </message>
    <message>
        <source>Address</source>
        <extracomment>Column header: the webhook&apos;s address (its host only)</extracomment>
        <translation>Dirección</translation>
    </message>
    <message>
        <source>Format</source>
        <extracomment>Column header: the form of the messages (Discord, Slack, JSON)</extracomment>
        <translation>Formato</translation>
    </message>
    <message>
        <source>Sends</source>
        <extracomment>Column header: the kinds of change sent there</extracomment>
        <translation>Envía</translation>
    </message>
    <message>
        <source>State</source>
        <extracomment>Column header: whether the messages are delivered</extracomment>
        <translation>Estado</translation>
    </message>
    <message>
        <source>Queued</source>
        <extracomment>Column header: the number of messages waiting to be delivered</extracomment>
        <translation>En cola</translation>
    </message>
    <message>
        <source>Dropped</source>
        <extracomment>Column header: the number of messages given up</extracomment>
        <translation>Descartados</translation>
    </message>
    <message>
        <source>Last Answer</source>
        <extracomment>Column header: what the chat service answered last</extracomment>
        <translation>Última respuesta</translation>
    </message>
    <message>
        <source>&amp;Add...</source>
        <extracomment>Button: adds a target</extracomment>
        <translation>&amp;Añadir...</translation>
    </message>
    <message>
        <source>Send &amp;Test Message</source>
        <translation>Enviar mensaje de &amp;prueba</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <extracomment>Button: removes the selected target</extracomment>
        <translation>&amp;Quitar</translation>
    </message>
    <message>
        <source>Re&amp;fresh</source>
        <extracomment>Button: lists the targets again</extracomment>
        <translation>Ac&amp;tualizar</translation>
    </message>
    <message>
        <source>Notifications added.</source>
        <translation>Notificaciones añadidas.</translation>
    </message>
    <message>
        <source>Notifications removed.</source>
        <translation>Notificaciones quitadas.</translation>
    </message>
    <message>
        <source>The test message was delivered.</source>
        <translation>Se ha entregado el mensaje de prueba.</translation>
    </message>
    <message>
        <source>The test message was delivered (%1).</source>
        <extracomment>%1 is the chat service&apos;s answer, as it gave it</extracomment>
        <translation>Se ha entregado el mensaje de prueba (%1).</translation>
    </message>
    <message>
        <source>The test message could not be delivered: %1.</source>
        <extracomment>%1 is the chat service&apos;s answer, or the reason it could not be reached</extracomment>
        <translation>No se ha podido entregar el mensaje de prueba: %1.</translation>
    </message>
    <message>
        <source>You security level is not high enough!</source>
        <extracomment>&quot;You&quot; stands for &quot;Your&quot;</extracomment>
        <translation>¡Tu nivel de seguridad no es suficiente!</translation>
    </message>
    <message>
        <source>Downloading Notifications</source>
        <translation>Descargando notificaciones</translation>
    </message>
    <message>
        <source>The server&apos;s answer could not be read.</source>
        <translation>No se pudo leer la respuesta del servidor.</translation>
    </message>
    <message>
        <source>Failing since %1</source>
        <extracomment>A target&apos;s state; %1 is the date and time of the first failed delivery</extracomment>
        <translation>Con fallos desde el %1</translation>
    </message>
    <message>
        <source>Delivering</source>
        <extracomment>A target&apos;s state: messages are on their way</extracomment>
        <translation>Entregando</translation>
    </message>
    <message>
        <source>Up to date</source>
        <extracomment>A target&apos;s state: every message was delivered</extracomment>
        <translation>Al día</translation>
    </message>
    <message>
        <source>The guild&apos;s changes are sent nowhere yet. Add a chat channel&apos;s webhook to send them there.</source>
        <translation>Los cambios del gremio aún no se envían a ningún sitio. Añade el webhook de un canal de chat para enviarlos allí.</translation>
    </message>
    <message numerus="yes">
        <source>%n targets.</source>
        <extracomment>The number of chat channels the guild&apos;s changes are sent to</extracomment>
        <translation>
            <numerusform>%n destino.</numerusform>
            <numerusform>%n destinos.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n failing: their messages wait and are sent once the chat service answers again.</source>
        <extracomment>Follows &quot;%n targets.&quot;; %n is how many of them fail</extracomment>
        <translation>
            <numerusform>%n falla: sus mensajes esperan y se enviarán cuando el servicio de chat vuelva a responder.</numerusform>
            <numerusform>%n fallan: sus mensajes esperan y se enviarán cuando el servicio de chat vuelva a responder.</numerusform>
        </translation>
    </message>
    <message>
        <source>Select a target in the list first.</source>
        <translation>Selecciona primero un destino de la lista.</translation>
    </message>
    <message>
        <source>Adding Notifications</source>
        <translation>Añadiendo notificaciones</translation>
    </message>
    <message>
        <source>Stop sending the guild&apos;s changes to %1?  Messages not yet delivered there are dropped.</source>
        <extracomment>%1 is the target&apos;s address (its host only)</extracomment>
        <translation>¿Dejar de enviar los cambios del gremio a %1?  Los mensajes que aún no se hayan entregado allí se descartarán.</translation>
    </message>
    <message>
        <source>Remove Notifications</source>
        <translation>Quitar notificaciones</translation>
    </message>
    <message>
        <source>Removing Notifications</source>
        <translation>Quitando notificaciones</translation>
    </message>
    <message>
        <source>Sending a Test Message</source>
        <translation>Enviando un mensaje de prueba</translation>
    </message>
    <message>
        <source>Language</source>
        <extracomment>Column header: the language the messages are written in</extracomment>
        <translation>Idioma</translation>
    </message>
</context>
<context>
    <name>frmNotifyTarget</name>
    <message>
        <source>Add Notifications</source>
        <extracomment>Window title: adding a chat channel that is sent the guild&apos;s changes</extracomment>
        <translation>Añadir notificaciones</translation>
    </message>
    <message>
        <source>&amp;Address:</source>
        <extracomment>The webhook&apos;s web address</extracomment>
        <translation>&amp;Dirección:</translation>
    </message>
    <message>
        <source>&amp;Format:</source>
        <extracomment>The form of the messages (Discord, Slack, JSON)</extracomment>
        <translation>&amp;Formato:</translation>
    </message>
    <message>
        <source>Send:</source>
        <extracomment>Before the kinds of change to send to the channel</extracomment>
        <translation>Enviar:</translation>
    </message>
    <message>
        <source>Give the webhook&apos;s whole address, beginning with https:// (http:// only for a receiver on this computer).</source>
        <translation>Indica la dirección completa del webhook, empezando por https:// (http:// solo para un receptor en este equipo).</translation>
    </message>
    <message>
        <source>Choose at least one kind of change to send.</source>
        <translation>Elige al menos un tipo de cambio para enviar.</translation>
    </message>
    <message>
        <source>La&amp;nguage:</source>
        <extracomment>The language the messages are written in</extracomment>
        <translation>Idio&amp;ma:</translation>
    </message>
</context>
<context>
    <name>frmOptions</name>
    <message>
        <source>Options</source>
        <translation>Opciones</translation>
    </message>
    <message>
        <source>Show pictures in the tree</source>
        <translation>Mostrar imágenes en el árbol</translation>
    </message>
    <message>
        <source>The system&apos;s language</source>
        <translation>El idioma del sistema</translation>
    </message>
    <message>
        <source>The language changes when ZORV starts next.</source>
        <translation>El idioma cambiará la próxima vez que se inicie ZORV.</translation>
    </message>
    <message>
        <source>C&amp;lear Cached Data</source>
        <translation>&amp;Borrar datos en caché</translation>
    </message>
    <message>
        <source>Timeout (seconds):</source>
        <extracomment>How long to wait for the server&apos;s answer.</extracomment>
        <translation>Tiempo de espera (segundos):</translation>
    </message>
    <message>
        <source>&amp;Language:</source>
        <translation>&amp;Idioma:</translation>
    </message>
    <message>
        <source>The cached data has been cleared.</source>
        <translation>Se han borrado los datos en caché.</translation>
    </message>
    <message>
        <source>Some of the cached data could not be deleted from %1.</source>
        <extracomment>%1 is the folder that holds the cached data.</extracomment>
        <translation>No se pudieron borrar algunos datos en caché de %1.</translation>
    </message>
    <message>
        <source>The timeout time must be a number between %1 and %2</source>
        <extracomment>%1 and %2 are the least and greatest number of seconds allowed.</extracomment>
        <translation>El tiempo de espera debe ser un número entre %1 y %2</translation>
    </message>
</context>
<context>
    <name>frmPlayerSetup</name>
    <message>
        <source>Select Server and Character</source>
        <translation>Seleccionar servidor y personaje</translation>
    </message>
    <message>
        <source>Server Address:</source>
        <translation>Dirección del servidor:</translation>
    </message>
    <message>
        <source>Character Name:</source>
        <translation>Nombre del personaje:</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Contraseña:</translation>
    </message>
    <message>
        <source>Directory Error!</source>
        <extracomment>The settings folder could not be made.</extracomment>
        <translation>¡Error de carpeta!</translation>
    </message>
    <message>
        <source>Please type in the address of the ZORV server</source>
        <translation>Escribe la dirección del servidor ZORV</translation>
    </message>
    <message>
        <source>Please type in your character&apos;s name</source>
        <translation>Escribe el nombre de tu personaje</translation>
    </message>
    <message>
        <source>Please type in your password</source>
        <translation>Escribe tu contraseña</translation>
    </message>
</context>
<context>
    <name>frmSecLevel</name>
    <message>
        <source>Change Security Level</source>
        <translation>Cambiar nivel de seguridad</translation>
    </message>
    <message>
        <source>Security Level</source>
        <extracomment>Frame caption: a member&apos;s rights in the client</extracomment>
        <translation>Nivel de seguridad</translation>
    </message>
    <message>
        <source>Normal User</source>
        <extracomment>Security level: a member who changes only characters of their own</extracomment>
        <translation>Usuario normal</translation>
    </message>
    <message>
        <source>Administrator</source>
        <extracomment>Security level: a member who may change every character and the guild&apos;s set-up</extracomment>
        <translation>Administrador</translation>
    </message>
    <message>
        <source>Please choose the security level:</source>
        <translation>Elige el nivel de seguridad:</translation>
    </message>
</context>
</TS>
