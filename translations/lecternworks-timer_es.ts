<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>AboutBox</name>
    <message>
        <source>&lt;p&gt;&lt;b&gt;%1&lt;/b&gt;&lt;br&gt;File version %2&lt;/p&gt;&lt;p&gt;A speech timer for public-speaking clubs: its light turns green, yellow and red as the speaker passes each threshold.&lt;/p&gt;&lt;p&gt;Copyright the LecternWorks Timer developers.&lt;br&gt;Released under the MIT licence.&lt;/p&gt;</source>
        <translation>&lt;p&gt;&lt;b&gt;%1&lt;/b&gt;&lt;br&gt;Versión del archivo %2&lt;/p&gt;&lt;p&gt;Un cronómetro de discursos para clubes de oratoria: su semáforo se pone verde, amarillo y rojo a medida que el orador alcanza cada tiempo.&lt;/p&gt;&lt;p&gt;Copyright de los desarrolladores de LecternWorks Timer.&lt;br&gt;Publicado bajo la licencia MIT.&lt;/p&gt;</translation>
    </message>
</context>
<context>
    <name>AgendaColumns</name>
    <message>
        <source>name</source>
        <translation>nombre</translation>
    </message>
    <message>
        <source>category</source>
        <translation>categoría</translation>
    </message>
    <message>
        <source>green</source>
        <translation>verde</translation>
    </message>
    <message>
        <source>yellow</source>
        <translation>amarillo</translation>
    </message>
    <message>
        <source>red</source>
        <translation>rojo</translation>
    </message>
</context>
<context>
    <name>AgendaLink</name>
    <message>
        <source>%1 — %2</source>
        <translation>%1 — %2</translation>
    </message>
</context>
<context>
    <name>AgendaReader</name>
    <message>
        <source>Cannot read the file: %1</source>
        <translation>No se puede leer el archivo: %1</translation>
    </message>
    <message>
        <source>Not text: it holds NUL bytes or control characters</source>
        <translation>No es texto: contiene bytes NUL o caracteres de control</translation>
    </message>
    <message>
        <source>Not UTF-8 text</source>
        <translation>No es texto UTF-8</translation>
    </message>
    <message>
        <source>Over %1 MB: too large for an agenda</source>
        <translation>Más de %1 MB: demasiado grande para un orden del día</translation>
    </message>
    <message>
        <source>The first line names the column &quot;%1&quot; twice</source>
        <translation>La primera línea nombra dos veces la columna «%1»</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could be %2</source>
        <translation>«%1» podría ser %2</translation>
    </message>
    <message>
        <source> or </source>
        <translation> o </translation>
    </message>
    <message>
        <source>none, the test speed sets them</source>
        <translation>ninguno, la velocidad de prueba los fija</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source>The %1 threshold &quot;%2&quot; is not a time (M:SS)</source>
        <translation>El umbral %1 «%2» no es un tiempo (M:SS)</translation>
    </message>
    <message>
        <source>%1 has thresholds of its own (%2); only a CUSTOM speech takes others</source>
        <translation>%1 tiene umbrales propios (%2); solo un discurso CUSTOM admite otros</translation>
    </message>
    <message>
        <source>A CUSTOM speech needs its green, yellow and red thresholds</source>
        <translation>Un discurso CUSTOM necesita sus umbrales verde, amarillo y rojo</translation>
    </message>
    <message>
        <source>The thresholds are out of order: green, yellow and red must rise</source>
        <translation>Los umbrales están desordenados: verde, amarillo y rojo deben ir en aumento</translation>
    </message>
    <message>
        <source>A quoted field does not end where it should</source>
        <translation>Un campo entre comillas no termina donde debería</translation>
    </message>
    <message>
        <source>Too few columns: a name and a category needed</source>
        <translation>Faltan columnas: se necesitan un nombre y una categoría</translation>
    </message>
    <message>
        <source>The name is longer than %1 characters</source>
        <translation>El nombre tiene más de %1 caracteres</translation>
    </message>
    <message>
        <source>The first line does not name the columns: %1, %2, and %3, %4, %5 for CUSTOM</source>
        <translation>La primera línea no nombra las columnas: %1, %2 y, para CUSTOM, %3, %4, %5</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>Unknown category &quot;%1&quot;: give a row&apos;s number or the start of its name: %2</source>
        <translation>Categoría desconocida «%1»: indique el número de una fila o el comienzo de su nombre: %2</translation>
    </message>
    <message>
        <source>; </source>
        <translation>; </translation>
    </message>
    <message>
        <source>Not UTF-8 text; it reads as Western European (Windows-1252)</source>
        <translation>No es texto UTF-8; se lee como europeo occidental (Windows-1252)</translation>
    </message>
    <message>
        <source>Over %1 speeches: too many for an agenda</source>
        <translation>Más de %1 discursos: demasiados para un orden del día</translation>
    </message>
    <message>
        <source>A rehearsal (the TEST row) is not planned</source>
        <translation>Un ensayo (la fila TEST) no se planifica</translation>
    </message>
</context>
<context>
    <name>AgendaRejects</name>
    <message>
        <source>Lines Not Read</source>
        <translation>Líneas no leídas</translation>
    </message>
    <message>
        <source>No speech could be read. The lines below were left out, with the reason for each.</source>
        <translation>No se pudo leer ningún discurso. Las líneas siguientes se omitieron, cada una con su motivo.</translation>
    </message>
    <message>
        <source>Speeches read: %1. The lines below could not be read; you can add the speeches that were read, or nothing.</source>
        <translation>Discursos leídos: %1. Las líneas siguientes no se pudieron leer; puede añadir los discursos leídos, o nada.</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>Línea</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Texto</translation>
    </message>
    <message>
        <source>Reason</source>
        <translation>Motivo</translation>
    </message>
    <message>
        <source>Add the &amp;Good Ones</source>
        <translation>Añadir los &amp;buenos</translation>
    </message>
    <message>
        <source>Add &amp;Nothing</source>
        <translation>No añadir &amp;nada</translation>
    </message>
</context>
<context>
    <name>CaptureWindow</name>
    <message>
        <source>Light for Screen Capture</source>
        <translation>Semáforo para captura de pantalla</translation>
    </message>
    <message>
        <source>&amp;Background</source>
        <translation>&amp;Fondo</translation>
    </message>
    <message>
        <source>B&amp;adge</source>
        <translation>&amp;Insignia</translation>
    </message>
    <message>
        <source>Bo&amp;rder</source>
        <translation>&amp;Borde</translation>
    </message>
    <message>
        <source>Badge &amp;Corner</source>
        <translation>&amp;Esquina de la insignia</translation>
    </message>
    <message>
        <source>Top &amp;Left</source>
        <translation>Arriba a la &amp;izquierda</translation>
    </message>
    <message>
        <source>&amp;Top Right</source>
        <translation>Arriba a la &amp;derecha</translation>
    </message>
    <message>
        <source>Bottom L&amp;eft</source>
        <translation>Abajo a la i&amp;zquierda</translation>
    </message>
    <message>
        <source>Bottom &amp;Right</source>
        <translation>Abajo a la d&amp;erecha</translation>
    </message>
    <message>
        <source>Show the &amp;Elapsed Time</source>
        <translation>Mostrar el &amp;tiempo transcurrido</translation>
    </message>
    <message>
        <source>&amp;Flash When Over Time</source>
        <translation>&amp;Parpadear al pasarse de tiempo</translation>
    </message>
    <message>
        <source>Chroma &amp;Key Color...</source>
        <translation>&amp;Color de croma...</translation>
    </message>
    <message>
        <source>Cl&amp;ose</source>
        <translation>Ce&amp;rrar</translation>
    </message>
    <message>
        <source>Chroma Key Color</source>
        <translation>Color de croma</translation>
    </message>
</context>
<context>
    <name>GracePeriod</name>
    <message>
        <source>&amp;None</source>
        <translation>&amp;Ninguno</translation>
    </message>
    <message>
        <source>&amp;15 Seconds</source>
        <translation>&amp;15 segundos</translation>
    </message>
    <message>
        <source>&amp;30 Seconds</source>
        <translation>&amp;30 segundos</translation>
    </message>
</context>
<context>
    <name>HorizontalTimer</name>
    <message>
        <source>green</source>
        <translation>verde</translation>
    </message>
    <message>
        <source>green lamp</source>
        <translation>luz verde</translation>
    </message>
    <message>
        <source>Green lamp</source>
        <translation>Luz verde</translation>
    </message>
    <message>
        <source>G</source>
        <translation>V</translation>
    </message>
    <message>
        <source>yellow</source>
        <translation>amarilla</translation>
    </message>
    <message>
        <source>yellow lamp</source>
        <translation>luz amarilla</translation>
    </message>
    <message>
        <source>Yellow lamp</source>
        <translation>Luz amarilla</translation>
    </message>
    <message>
        <source>Y</source>
        <translation>A</translation>
    </message>
    <message>
        <source>red</source>
        <translation>roja</translation>
    </message>
    <message>
        <source>red lamp</source>
        <translation>luz roja</translation>
    </message>
    <message>
        <source>Red lamp</source>
        <translation>Luz roja</translation>
    </message>
    <message>
        <source>R</source>
        <translation>R</translation>
    </message>
    <message>
        <source>Signal light: %1</source>
        <translation>Semáforo: %1</translation>
    </message>
    <message>
        <source>dark</source>
        <translation>apagada</translation>
    </message>
    <message>
        <source>All lamps dark</source>
        <translation>Todas las luces apagadas</translation>
    </message>
    <message>
        <source>Lit: %1</source>
        <translation>Encendida: %1</translation>
    </message>
</context>
<context>
    <name>LecternWorksTimer</name>
    <message>
        <source>Time elapsed</source>
        <translation>Tiempo transcurrido</translation>
    </message>
    <message>
        <source>How long the last speech ran, in minutes and seconds</source>
        <translation>Cuánto duró el último discurso, en minutos y segundos</translation>
    </message>
    <message>
        <source>Stops the timing and shows the time spoken</source>
        <translation>Detiene el cronómetro y muestra el tiempo hablado</translation>
    </message>
    <message>
        <source>Starts timing a speech by the chosen category&apos;s thresholds</source>
        <translation>Empieza a cronometrar un discurso con los tiempos de la categoría elegida</translation>
    </message>
    <message>
        <source> (record not saved)</source>
        <translation> (registro no guardado)</translation>
    </message>
</context>
<context>
    <name>LightServer</name>
    <message>
        <source>Port %1 is taken on %2 by another program; choose another port.</source>
        <translation>Otro programa ocupa el puerto %1 en %2; elija otro puerto.</translation>
    </message>
    <message>
        <source>Cannot listen on %1 port %2: %3</source>
        <translation>No se puede escuchar en %1, puerto %2: %3</translation>
    </message>
</context>
<context>
    <name>MaskedTimeBox</name>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Deshacer</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rehacer</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>Cor&amp;tar</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copiar</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Pegar</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>&amp;Seleccionar todo</translation>
    </message>
</context>
<context>
    <name>MeetingEditor</name>
    <message>
        <source>Done: %1. Ctrl+Z undoes it.</source>
        <translation>Hecho: %1. Ctrl+Z lo deshace.</translation>
    </message>
    <message>
        <source>Undone: %1.</source>
        <translation>Deshecho: %1.</translation>
    </message>
    <message>
        <source>Nothing was added to the plan.</source>
        <translation>No se añadió nada al plan.</translation>
    </message>
    <message>
        <source>Add a Speaker to the Plan</source>
        <translation>Añadir un orador al plan</translation>
    </message>
    <message>
        <source>Saved the plan in %1.</source>
        <translation>Plan guardado en %1.</translation>
    </message>
    <message>
        <source>Could not save the plan in %1: %2</source>
        <translation>No se pudo guardar el plan en %1: %2</translation>
    </message>
    <message>
        <source>Set the Speech Right</source>
        <translation>Corregir el discurso</translation>
    </message>
    <message>
        <source>Change the Planned Speech</source>
        <translation>Cambiar el discurso previsto</translation>
    </message>
    <message>
        <source>Add a Speech by Hand</source>
        <translation>Añadir un discurso a mano</translation>
    </message>
    <message>
        <source>Could not change the record: %1</source>
        <translation>No se pudo cambiar el registro: %1</translation>
    </message>
    <message numerus="yes">
        <source>%n speech(es) added to the plan</source>
        <translation>
            <numerusform>%n discurso añadido al plan</numerusform>
            <numerusform>%n discursos añadidos al plan</numerusform>
        </translation>
    </message>
    <message>
        <source>Import Plan</source>
        <translation>Importar plan</translation>
    </message>
    <message>
        <source>%1 is not UTF-8 text. Read it as Western European (Windows-1252)?</source>
        <translation>%1 no es texto UTF-8. ¿Leerlo como europeo occidental (Windows-1252)?</translation>
    </message>
    <message>
        <source>moved in the plan</source>
        <translation>movido en el plan</translation>
    </message>
    <message>
        <source>%1 taken off the plan</source>
        <translation>retirada de %1 del plan</translation>
    </message>
    <message>
        <source>the speech started at %1 deleted</source>
        <translation>borrado el discurso empezado a las %1</translation>
    </message>
    <message>
        <source>the planned speech changed</source>
        <translation>cambiado el discurso previsto</translation>
    </message>
    <message>
        <source>the speech set right</source>
        <translation>corregido el discurso</translation>
    </message>
    <message>
        <source>a speech added by hand</source>
        <translation>añadido un discurso a mano</translation>
    </message>
    <message>
        <source>Nothing was added: the plan would hold over %1 speeches.</source>
        <translation>No se añadió nada: el plan tendría más de %1 discursos.</translation>
    </message>
    <message>
        <source>the speech marked as not the planned speaker&apos;s</source>
        <translation>discurso marcado como no del orador previsto</translation>
    </message>
</context>
<context>
    <name>MeetingStore</name>
    <message>
        <source>cannot change</source>
        <translation>no se puede cambiar</translation>
    </message>
    <message>
        <source>cannot write</source>
        <translation>no se puede escribir</translation>
    </message>
    <message>
        <source>no meeting for the speech</source>
        <translation>no hay reunión para el discurso</translation>
    </message>
    <message>
        <source>cannot read</source>
        <translation>no se puede leer</translation>
    </message>
</context>
<context>
    <name>PairedDevice</name>
    <message>
        <source>(unnamed device)</source>
        <translation>(dispositivo sin nombre)</translation>
    </message>
</context>
<context>
    <name>PairingWindow</name>
    <message>
        <source>Light on Other Devices</source>
        <translation>Semáforo en otros dispositivos</translation>
    </message>
    <message>
        <source>&amp;Show the light on other devices</source>
        <translation>&amp;Mostrar el semáforo en otros dispositivos</translation>
    </message>
    <message>
        <source>Choose an address</source>
        <translation>Elija una dirección</translation>
    </message>
    <message>
        <source>switch on at start</source>
        <translation>activar al iniciar</translation>
    </message>
    <message>
        <source>C&amp;opy Address</source>
        <translation>C&amp;opiar dirección</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Dispositivo</translation>
    </message>
    <message>
        <source>Paired</source>
        <translation>Vinculado</translation>
    </message>
    <message>
        <source>Role</source>
        <translation>Función</translation>
    </message>
    <message>
        <source>Make &amp;Controller</source>
        <translation>Hacer &amp;controlador</translation>
    </message>
    <message>
        <source>Make &amp;Viewer</source>
        <translation>Hacer &amp;visor</translation>
    </message>
    <message>
        <source>&amp;Revoke</source>
        <translation>&amp;Revocar</translation>
    </message>
    <message>
        <source>&amp;Address:</source>
        <translation>&amp;Dirección:</translation>
    </message>
    <message>
        <source>&amp;Port:</source>
        <translation>&amp;Puerto:</translation>
    </message>
    <message>
        <source>Paired devices:</source>
        <translation>Dispositivos vinculados:</translation>
    </message>
    <message>
        <source>Choose the address to offer the light on; nothing listens until one is chosen.</source>
        <translation>Elija la dirección en la que ofrecer el semáforo; nada escucha hasta que se elija una.</translation>
    </message>
    <message>
        <source>Off: nothing listens on the network.</source>
        <translation>Desactivado: nada escucha en la red.</translation>
    </message>
    <message>
        <source>On: scan the code with a phone or tablet to pair it. A code pairs one device and is good for two minutes.</source>
        <translation>Activado: escanee el código con un teléfono o una tableta para vincularlo. Cada código vincula un dispositivo y vale dos minutos.</translation>
    </message>
    <message>
        <source>controller</source>
        <translation>controlador</translation>
    </message>
    <message>
        <source>viewer</source>
        <translation>visor</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Dirección</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Hora</translation>
    </message>
    <message>
        <source>What failed</source>
        <translation>Qué falló</translation>
    </message>
    <message>
        <source>Failed attempts:</source>
        <translation>Intentos fallidos:</translation>
    </message>
    <message>
        <source>a wrong pairing code</source>
        <translation>un código de vinculación erróneo</translation>
    </message>
    <message>
        <source>a wrong key</source>
        <translation>una clave errónea</translation>
    </message>
    <message>
        <source>refused: too many failures</source>
        <translation>rechazada: demasiados fallos</translation>
    </message>
    <message>
        <source>%1 on %2</source>
        <extracomment>A paired device: a browser on a system, &quot;Chrome on Android&quot;.</extracomment>
        <translation>%1 en %2</translation>
    </message>
    <message>
        <source>Copy &amp;Link for Video...</source>
        <translation>Copiar &amp;enlace para vídeo...</translation>
    </message>
</context>
<context>
    <name>RecordCommands</name>
    <message numerus="yes">
        <source>%n speech(es)</source>
        <translation>
            <numerusform>%n discurso</numerusform>
            <numerusform>%n discursos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n change(s) made in the report</source>
        <translation>
            <numerusform>%n cambio hecho en el informe</numerusform>
            <numerusform>%n cambios hechos en el informe</numerusform>
        </translation>
    </message>
    <message>
        <source> and </source>
        <translation> y </translation>
    </message>
    <message>
        <source>Back Up Meetings</source>
        <translation>Copia de seguridad de las reuniones</translation>
    </message>
    <message>
        <source>Meeting records (*.sqlite)</source>
        <translation>Registros de reuniones (*.sqlite)</translation>
    </message>
    <message>
        <source>Every meeting is saved in %1.</source>
        <translation>Todas las reuniones están guardadas en %1.</translation>
    </message>
    <message>
        <source>Could not back up to %1: %2</source>
        <translation>No se pudo hacer la copia en %1: %2</translation>
    </message>
    <message>
        <source>Meeting Record Not Saved</source>
        <translation>Registro de la reunión no guardado</translation>
    </message>
    <message>
        <source>%1 could not be saved in the meeting record.</source>
        <translation>No se pudo guardar en el registro de la reunión: %1.</translation>
    </message>
    <message>
        <source>%1

Save them to a CSV file, try the record again, or quit and lose them.</source>
        <translation>%1

Guárdelos en un archivo CSV, vuelva a intentar el registro o salga y piérdalos.</translation>
    </message>
    <message>
        <source>&amp;Save to a File...</source>
        <translation>&amp;Guardar en un archivo...</translation>
    </message>
    <message>
        <source>&amp;Try Again</source>
        <translation>&amp;Reintentar</translation>
    </message>
    <message numerus="yes">
        <source>&amp;Quit and Lose %n</source>
        <translation>
            <numerusform>&amp;Salir y perder %n</numerusform>
            <numerusform>&amp;Salir y perder %n</numerusform>
        </translation>
    </message>
    <message>
        <source>Save the Unsaved Speeches</source>
        <translation>Guardar los discursos no guardados</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Archivos CSV (*.csv)</translation>
    </message>
    <message>
        <source>Could not save %1: %2</source>
        <translation>No se pudo guardar %1: %2</translation>
    </message>
    <message>
        <source>Unsaved Speeches Kept</source>
        <translation>Discursos no guardados conservados</translation>
    </message>
    <message>
        <source>When the program last ended, %1 could not be saved in the meeting record; they were kept in %2.</source>
        <translation>Cuando el programa terminó la última vez, no se pudo guardar en el registro: %1. Se conservó en %2.</translation>
    </message>
    <message>
        <source>Take them into the meeting record now?</source>
        <translation>¿Incorporarlo ahora al registro de la reunión?</translation>
    </message>
    <message>
        <source>&amp;Take Them In</source>
        <translation>&amp;Incorporar</translation>
    </message>
    <message>
        <source>&amp;Later</source>
        <translation>&amp;Más tarde</translation>
    </message>
    <message>
        <source>%1 was left by an earlier run to hold unsaved speeches, but it cannot be read: %2.</source>
        <translation>Una ejecución anterior dejó %1 con discursos sin guardar, pero no se puede leer: %2.</translation>
    </message>
    <message>
        <source>It is left where it is, so that nothing in it is lost.</source>
        <translation>Se deja donde está, para que no se pierda nada de lo que contiene.</translation>
    </message>
</context>
<context>
    <name>RecordFile</name>
    <message>
        <source>cannot create the folder</source>
        <translation>no se puede crear la carpeta</translation>
    </message>
    <message>
        <source>cannot open</source>
        <translation>no se puede abrir</translation>
    </message>
    <message>
        <source>cannot read</source>
        <translation>no se puede leer</translation>
    </message>
    <message>
        <source>written by a newer version (schema %1)</source>
        <translation>escrito por una versión más reciente (esquema %1)</translation>
    </message>
    <message>
        <source>cannot set up</source>
        <translation>no se puede preparar</translation>
    </message>
    <message>
        <source>cannot create</source>
        <translation>no se puede crear</translation>
    </message>
    <message>
        <source>cannot update</source>
        <translation>no se puede actualizar</translation>
    </message>
    <message>
        <source>cannot move the unreadable file aside to %1</source>
        <translation>no se puede apartar el archivo ilegible a %1</translation>
    </message>
</context>
<context>
    <name>RecordLink</name>
    <message>
        <source> - new meeting started</source>
        <translation> - nueva reunión iniciada</translation>
    </message>
    <message>
        <source> - Next: %1</source>
        <translation> - Siguiente: %1</translation>
    </message>
</context>
<context>
    <name>ReportFiles</name>
    <message>
        <source>Export CSV</source>
        <translation>Exportar CSV</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Archivos CSV (*.csv)</translation>
    </message>
    <message>
        <source>Save as PDF</source>
        <translation>Guardar como PDF</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>Archivos PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Sent to %1.</source>
        <translation>Enviado a %1.</translation>
    </message>
    <message>
        <source>Saved %1.</source>
        <translation>Guardado %1.</translation>
    </message>
    <message>
        <source>Could not save %1: %2</source>
        <translation>No se pudo guardar %1: %2</translation>
    </message>
    <message>
        <source>Import Plan</source>
        <translation>Importar plan</translation>
    </message>
    <message>
        <source>CSV files (*.csv);;All files (*)</source>
        <translation>Archivos CSV (*.csv);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>Save Plan</source>
        <translation>Guardar plan</translation>
    </message>
</context>
<context>
    <name>ReportModel</name>
    <message>
        <source>Not saved in the meeting record yet: it is tried again every few seconds</source>
        <translation>Aún no guardado en el registro de la reunión: se reintenta cada pocos segundos</translation>
    </message>
    <message>
        <source>Press Enter or F2 to type the speaker&apos;s name</source>
        <translation>Pulse Intro o F2 para escribir el nombre del orador</translation>
    </message>
    <message>
        <source>being timed</source>
        <translation>cronometrándose</translation>
    </message>
    <message>
        <source>next</source>
        <translation>siguiente</translation>
    </message>
    <message>
        <source>%1 (set by hand)</source>
        <translation>%1 (fijado a mano)</translation>
    </message>
    <message>
        <source>Speaks next: START times this speech</source>
        <translation>Habla a continuación: START cronometra este discurso</translation>
    </message>
    <message>
        <source>Added by hand</source>
        <translation>Añadido a mano</translation>
    </message>
    <message>
        <source>Set by hand; timed as %1, %2</source>
        <translation>Fijado a mano; cronometrado como %1, %2</translation>
    </message>
    <message>
        <source>the planned speaker renamed</source>
        <translation>renombrado el orador previsto</translation>
    </message>
    <message>
        <source>Started from the device %1</source>
        <translation>Iniciado desde el dispositivo %1</translation>
    </message>
    <message>
        <source>Stopped from the device %1</source>
        <translation>Detenido desde el dispositivo %1</translation>
    </message>
</context>
<context>
    <name>ReportPage</name>
    <message>
        <source>Page %1 of %2</source>
        <translation>Página %1 de %2</translation>
    </message>
</context>
<context>
    <name>ReportText</name>
    <message>
        <source>rehearsal</source>
        <translation>ensayo</translation>
    </message>
    <message>
        <source>mistaken start</source>
        <translation>inicio por error</translation>
    </message>
    <message>
        <source>ddd d MMM yyyy, HH:mm</source>
        <extracomment>The meeting&apos;s day and time in QDateTime&apos;s format: &quot;Mon 7 Dec 2026, 19:30&quot;</extracomment>
        <translation>ddd d &apos;de&apos; MMM &apos;de&apos; yyyy, HH:mm</translation>
    </message>
    <message>
        <source>No speeches</source>
        <translation>Ningún discurso</translation>
    </message>
    <message>
        <source>1 speech</source>
        <translation>1 discurso</translation>
    </message>
    <message>
        <source>%1 speeches</source>
        <translation>%1 discursos</translation>
    </message>
    <message>
        <source>%1: %2 qualified, %3 under time, %4 over time</source>
        <translation>%1: %2 en tiempo, %3 cortos, %4 largos</translation>
    </message>
    <message>
        <source>Timer&apos;s Report</source>
        <translation>Informe del cronometrador</translation>
    </message>
    <message>
        <source>Meeting of %1</source>
        <translation>Reunión del %1</translation>
    </message>
    <message>
        <source>timer: %1</source>
        <translation>cronometrador: %1</translation>
    </message>
    <message>
        <source>; grace: %1</source>
        <translation>; margen: %1</translation>
    </message>
    <message>
        <source> (grace: %1)</source>
        <translation> (margen: %1)</translation>
    </message>
    <message>
        <source>Did not qualify: %1.</source>
        <translation>Fuera de tiempo: %1.</translation>
    </message>
    <message>
        <source>Everyone qualified.</source>
        <translation>Todos terminaron en tiempo.</translation>
    </message>
    <message>
        <source>set by hand</source>
        <translation>fijado a mano</translation>
    </message>
    <message>
        <source>%1 (%2 to %3)</source>
        <translation>%1 (%2 a %3)</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>Set by hand after timing: %1.</source>
        <translation>Fijado a mano después del cronometraje: %1.</translation>
    </message>
</context>
<context>
    <name>ReportWindow</name>
    <message>
        <source>type a name</source>
        <translation>escriba un nombre</translation>
    </message>
    <message>
        <source>&amp;Meeting:</source>
        <translation>&amp;Reunión:</translation>
    </message>
    <message>
        <source>Show &amp;rehearsals</source>
        <translation>Mostrar ensa&amp;yos</translation>
    </message>
    <message>
        <source>the club&apos;s or the meeting&apos;s name</source>
        <translation>el nombre del club o de la reunión</translation>
    </message>
    <message>
        <source>Tit&amp;le:</source>
        <translation>&amp;Título:</translation>
    </message>
    <message>
        <source>who timed the meeting</source>
        <translation>quién cronometró la reunión</translation>
    </message>
    <message>
        <source>Timer&apos;s &amp;name:</source>
        <translation>&amp;Nombre del cronometrador:</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copiar</translation>
    </message>
    <message>
        <source>&amp;Delete Speech</source>
        <translation>&amp;Borrar discurso</translation>
    </message>
    <message>
        <source>&amp;Export CSV...</source>
        <translation>&amp;Exportar CSV...</translation>
    </message>
    <message>
        <source>Save as P&amp;DF...</source>
        <translation>Guardar como P&amp;DF...</translation>
    </message>
    <message>
        <source>Print Pre&amp;view...</source>
        <translation>&amp;Vista previa...</translation>
    </message>
    <message>
        <source>Pr&amp;int...</source>
        <translation>I&amp;mprimir...</translation>
    </message>
    <message>
        <source>Copies the report as text to the clipboard</source>
        <translation>Copia el informe como texto al portapapeles</translation>
    </message>
    <message>
        <source>Saves the report&apos;s table as a CSV file</source>
        <translation>Guarda la tabla del informe como archivo CSV</translation>
    </message>
    <message>
        <source>Saves the report as a PDF file</source>
        <translation>Guarda el informe como archivo PDF</translation>
    </message>
    <message>
        <source>Shows the printed pages before they are printed</source>
        <translation>Muestra las páginas antes de imprimirlas</translation>
    </message>
    <message>
        <source>Prints the report</source>
        <translation>Imprime el informe</translation>
    </message>
    <message>
        <source>Could not save the name: %1</source>
        <translation>No se pudo guardar el nombre: %1</translation>
    </message>
    <message>
        <source>A new meeting has begun: the next speech timed is its first.</source>
        <translation>Ha empezado una nueva reunión: el próximo discurso cronometrado será el primero.</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>1 speech</source>
        <translation>1 discurso</translation>
    </message>
    <message>
        <source>%1 speeches</source>
        <translation>%1 discursos</translation>
    </message>
    <message>
        <source>, 1 rehearsal</source>
        <translation>, 1 ensayo</translation>
    </message>
    <message>
        <source>, %1 rehearsals</source>
        <translation>, %1 ensayos</translation>
    </message>
    <message>
        <source>Timer&apos;s Report</source>
        <translation>Informe del cronometrador</translation>
    </message>
    <message>
        <source>Timer&apos;s Report - %1</source>
        <translation>Informe del cronometrador - %1</translation>
    </message>
    <message>
        <source>Could not save the meeting&apos;s details: %1</source>
        <translation>No se pudieron guardar los datos de la reunión: %1</translation>
    </message>
    <message>
        <source>The report is on the clipboard, ready to read aloud.</source>
        <translation>El informe está en el portapapeles, listo para leerlo en voz alta.</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Deshacer</translation>
    </message>
    <message>
        <source>Paste &amp;into the Plan</source>
        <translation>Pegar &amp;en el plan</translation>
    </message>
    <message>
        <source>Speaks Ne&amp;xt</source>
        <translation>Habla a &amp;continuación</translation>
    </message>
    <message>
        <source>Move U&amp;p</source>
        <translation>S&amp;ubir</translation>
    </message>
    <message>
        <source>Move Dow&amp;n</source>
        <translation>Ba&amp;jar</translation>
    </message>
    <message>
        <source>Chan&amp;ge...</source>
        <translation>Camb&amp;iar...</translation>
    </message>
    <message>
        <source>Add Speech by &amp;Hand...</source>
        <translation>Añadir discurso a m&amp;ano...</translation>
    </message>
    <message>
        <source>&amp;Add Speaker...</source>
        <translation>Añadir &amp;orador...</translation>
    </message>
    <message>
        <source>Imp&amp;ort Plan...</source>
        <translation>&amp;Importar plan...</translation>
    </message>
    <message>
        <source>Save Plan to a &amp;File...</source>
        <translation>Guardar plan en un &amp;archivo...</translation>
    </message>
    <message>
        <source>&amp;Agenda</source>
        <translation>&amp;Orden del día</translation>
    </message>
    <message>
        <source>&amp;Window</source>
        <translation>Ventana&amp;s</translation>
    </message>
    <message>
        <source>&amp;Arrange Side by Side</source>
        <translation>Organizar &amp;lado a lado</translation>
    </message>
    <message>
        <source>Recorded without the plan: another copy of the program recorded %1&apos;s planned speech first.</source>
        <translation>Registrado sin el plan: otra copia del programa registró antes el discurso previsto de %1.</translation>
    </message>
    <message>
        <source>, %1 not saved yet</source>
        <translation>, %1 aún sin guardar</translation>
    </message>
    <message>
        <source>Not the Planned Spea&amp;ker</source>
        <translation>No es el orador &amp;previsto</translation>
    </message>
    <message>
        <source>planned for the next meeting</source>
        <translation>previsto para la próxima reunión</translation>
    </message>
    <message>
        <source>Recorded as %1&apos;s speech. Someone else spoke? %2 (%3) sets it right.</source>
        <translation>Registrado como discurso de %1. ¿Habló otra persona? %2 (%3) lo corrige.</translation>
    </message>
</context>
<context>
    <name>ShapeCircle</name>
    <message>
        <source>%1, lit</source>
        <translation>%1, encendida</translation>
    </message>
    <message>
        <source>%1, dark</source>
        <translation>%1, apagada</translation>
    </message>
</context>
<context>
    <name>SpeakerKeys</name>
    <message>
        <source>Speaker&apos;s view</source>
        <translation>Vista del orador</translation>
    </message>
    <message>
        <source>Leave the speaker&apos;s view</source>
        <translation>Salir de la vista del orador</translation>
    </message>
</context>
<context>
    <name>SpeakerWindow</name>
    <message>
        <source>Speaker&apos;s view</source>
        <translation>Vista del orador</translation>
    </message>
</context>
<context>
    <name>SpeechCategories</name>
    <message>
        <source>Ice Breaker Speech   (4 to 6 Minutes)</source>
        <translation>Rompehielos              (4 a 6 minutos)</translation>
    </message>
    <message>
        <source>Standard Speech      (5 to 7 Minutes)</source>
        <translation>Discurso estándar      (5 a 7 minutos)</translation>
    </message>
    <message>
        <source>Advanced Seech     (8 to 10 Minutes)</source>
        <translation>Discurso avanzado  (8 a 10 minutos)</translation>
    </message>
    <message>
        <source>Speech Evaluation    (2 to 3 Minutes)</source>
        <translation>Evaluación                  (2 a 3 minutos)</translation>
    </message>
    <message>
        <source>Table Topics            (1 to 2 Minutes)</source>
        <translation>Improvisación            (1 a 2 minutos)</translation>
    </message>
    <message>
        <source>CUSTOM Events</source>
        <translation>Eventos PERSONALIZADOS</translation>
    </message>
    <message>
        <source>Timer TEST</source>
        <translation>PRUEBA del cronómetro</translation>
    </message>
    <message>
        <source>&amp;FAST: 1 - 2 - 3</source>
        <translation>&amp;RÁPIDA: 1 - 2 - 3</translation>
    </message>
    <message>
        <source>&amp;MED: 2 - 4 - 6</source>
        <translation>&amp;MEDIA: 2 - 4 - 6</translation>
    </message>
    <message>
        <source>&amp;SLOW: 3 - 6 - 9</source>
        <translation>&amp;LENTA: 3 - 6 - 9</translation>
    </message>
</context>
<context>
    <name>SpeechForm</name>
    <message>
        <source>Spea&amp;ker:</source>
        <translation>&amp;Orador:</translation>
    </message>
    <message>
        <source>Cate&amp;gory:</source>
        <translation>&amp;Categoría:</translation>
    </message>
    <message>
        <source>green threshold</source>
        <translation>umbral verde</translation>
    </message>
    <message>
        <source>yellow threshold</source>
        <translation>umbral amarillo</translation>
    </message>
    <message>
        <source>red threshold</source>
        <translation>umbral rojo</translation>
    </message>
    <message>
        <source>Green, yellow, red:</source>
        <translation>Verde, amarillo, rojo:</translation>
    </message>
    <message>
        <source>M:SS</source>
        <translation>M:SS</translation>
    </message>
    <message>
        <source>&amp;Time spoken:</source>
        <translation>&amp;Tiempo hablado:</translation>
    </message>
    <message>
        <source>Type the red threshold at least.</source>
        <translation>Escriba al menos el umbral rojo.</translation>
    </message>
    <message>
        <source>The thresholds are out of order: green, then yellow, then red.</source>
        <translation>Los umbrales están desordenados: verde, luego amarillo, luego rojo.</translation>
    </message>
    <message>
        <source>Type the time spoken as minutes and seconds, 5:42 say.</source>
        <translation>Escriba el tiempo hablado en minutos y segundos, por ejemplo 5:42.</translation>
    </message>
    <message>
        <source>Starte&amp;d at:</source>
        <translation>&amp;Empezó a las:</translation>
    </message>
    <message>
        <source>A rehearsal is not planned: choose the speech&apos;s category.</source>
        <translation>Un ensayo no se planifica: elija la categoría del discurso.</translation>
    </message>
</context>
<context>
    <name>SpeechLabels</name>
    <message>
        <source>Time</source>
        <translation>Hora</translation>
    </message>
    <message>
        <source>Speaker</source>
        <translation>Orador</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Categoría</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Verde</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Amarilla</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Roja</translation>
    </message>
    <message>
        <source>Elapsed</source>
        <translation>Duración</translation>
    </message>
    <message>
        <source>Lamp</source>
        <translation>Luz</translation>
    </message>
    <message>
        <source>Verdict</source>
        <translation>Resultado</translation>
    </message>
    <message>
        <source>Grace</source>
        <translation>Margen</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Ninguna</translation>
    </message>
    <message>
        <source>Rehearsal</source>
        <translation>Ensayo</translation>
    </message>
    <message>
        <source>Mistaken start</source>
        <translation>Inicio por error</translation>
    </message>
    <message>
        <source>%1 s</source>
        <translation>%1 s</translation>
    </message>
</context>
<context>
    <name>StoredLayout</name>
    <message>
        <source>Horizontal Timer</source>
        <translation>Semáforo horizontal</translation>
    </message>
    <message>
        <source>Brindlewick&apos;s Lecternworks Timer - Version 1.1</source>
        <translation>Brindlewick&apos;s Lecternworks Timer - Versión 1.1</translation>
    </message>
    <message>
        <source>Time Elapsed</source>
        <translation>Tiempo transcurrido</translation>
    </message>
    <message>
        <source>STO&amp;P</source>
        <translation>&amp;PARAR</translation>
    </message>
    <message>
        <source>&amp;START</source>
        <translation>&amp;INICIO</translation>
    </message>
    <message>
        <source>&amp;Cycle Color</source>
        <translation>&amp;Cambiar color</translation>
    </message>
    <message>
        <source>Selection Panel</source>
        <translation>Panel de selección</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;New Meeting</source>
        <translation>&amp;Nueva reunión</translation>
    </message>
    <message>
        <source>&amp;Timer&apos;s Report...</source>
        <translation>&amp;Informe del cronometrador...</translation>
    </message>
    <message>
        <source>&amp;Back Up Meetings...</source>
        <translation>&amp;Copia de seguridad de las reuniones...</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opciones</translation>
    </message>
    <message>
        <source>&amp;Timer Test Speed</source>
        <translation>Velocidad de &amp;prueba</translation>
    </message>
    <message>
        <source>&amp;Grace Period</source>
        <translation>Margen de &amp;gracia</translation>
    </message>
    <message>
        <source>&amp;Leave Colors On</source>
        <translation>Mantener los &amp;colores</translation>
    </message>
    <message>
        <source>&amp;Flash When Over Time</source>
        <translation>Parpadear al pasarse de &amp;tiempo</translation>
    </message>
    <message>
        <source>&amp;Mark the Lamps</source>
        <translation>&amp;Marcar las luces</translation>
    </message>
    <message>
        <source>So&amp;unds</source>
        <translation>&amp;Sonidos</translation>
    </message>
    <message>
        <source>&amp;Play Sounds</source>
        <translation>&amp;Reproducir sonidos</translation>
    </message>
    <message>
        <source>Overtime Bell &amp;Once</source>
        <translation>Campana de tiempo excedido &amp;una vez</translation>
    </message>
    <message>
        <source>Overtime Bell &amp;Every 30 Seconds</source>
        <translation>Campana de tiempo excedido &amp;cada 30 segundos</translation>
    </message>
    <message>
        <source>&amp;Soft</source>
        <translation>&amp;Suave</translation>
    </message>
    <message>
        <source>&amp;Medium</source>
        <translation>&amp;Medio</translation>
    </message>
    <message>
        <source>&amp;Loud</source>
        <translation>&amp;Fuerte</translation>
    </message>
    <message>
        <source>&amp;Test Sounds</source>
        <translation>&amp;Probar sonidos</translation>
    </message>
    <message>
        <source>&amp;Reset Elapsed Time</source>
        <translation>&amp;Reiniciar el tiempo transcurrido</translation>
    </message>
    <message>
        <source>&amp;Speaker&apos;s Screen</source>
        <translation>Pantalla del &amp;orador</translation>
    </message>
    <message>
        <source>Light on &amp;Other Devices...</source>
        <translation>Semáforo en otros &amp;dispositivos...</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>&amp;About Brindlewick Lecternworks Timer</source>
        <translation>&amp;Acerca de Brindlewick Lecternworks Timer</translation>
    </message>
    <message>
        <source>Light for Screen &amp;Capture</source>
        <translation>Semáforo para capt&amp;ura de pantalla</translation>
    </message>
</context>
<context>
    <name>TimerEventDATA</name>
    <message>
        <source>Chooses this speech category: the next speech is timed by its thresholds</source>
        <translation>Elige esta categoría: el próximo discurso se cronometra con sus tiempos</translation>
    </message>
    <message>
        <source>green threshold</source>
        <translation>tiempo verde</translation>
    </message>
    <message>
        <source>yellow threshold</source>
        <translation>tiempo amarillo</translation>
    </message>
    <message>
        <source>red threshold</source>
        <translation>tiempo rojo</translation>
    </message>
    <message>
        <source>Minutes and seconds at which the green lamp lights</source>
        <translation>Minutos y segundos en que se enciende la luz verde</translation>
    </message>
    <message>
        <source>Minutes and seconds at which the yellow lamp lights</source>
        <translation>Minutos y segundos en que se enciende la luz amarilla</translation>
    </message>
    <message>
        <source>Minutes and seconds at which the red lamp lights</source>
        <translation>Minutos y segundos en que se enciende la luz roja</translation>
    </message>
</context>
<context>
    <name>TimingChart</name>
    <message>
        <source>Timing of each speech</source>
        <translation>Tiempos de cada discurso</translation>
    </message>
    <message>
        <source>No speeches recorded in this meeting yet.</source>
        <translation>Aún no hay discursos registrados en esta reunión.</translation>
    </message>
</context>
<context>
    <name>Verdict</name>
    <message>
        <source>No limits</source>
        <translation>Sin límites</translation>
    </message>
    <message>
        <source>no limits</source>
        <translation>sin límites</translation>
    </message>
    <message>
        <source>Qualified</source>
        <translation>En tiempo</translation>
    </message>
    <message>
        <source>qualified</source>
        <translation>en tiempo</translation>
    </message>
    <message>
        <source>Under by %1</source>
        <translation>Faltó %1</translation>
    </message>
    <message>
        <source>under time by %1</source>
        <translation>corto por %1</translation>
    </message>
    <message>
        <source>Over by %1</source>
        <translation>Sobró %1</translation>
    </message>
    <message>
        <source>over time by %1</source>
        <translation>largo por %1</translation>
    </message>
</context>
<context>
    <name>VideoLinkDialog</name>
    <message>
        <source>Link for Video</source>
        <translation>Enlace para vídeo</translation>
    </message>
    <message>
        <source>Background: the whole picture in the lamp&apos;s color</source>
        <translation>Fondo: toda la imagen del color de la luz</translation>
    </message>
    <message>
        <source>Badge: three lamps in a corner</source>
        <translation>Insignia: tres luces en una esquina</translation>
    </message>
    <message>
        <source>Border: a colored frame</source>
        <translation>Borde: un marco de color</translation>
    </message>
    <message>
        <source>Top left</source>
        <translation>Arriba a la izquierda</translation>
    </message>
    <message>
        <source>Top right</source>
        <translation>Arriba a la derecha</translation>
    </message>
    <message>
        <source>Bottom left</source>
        <translation>Abajo a la izquierda</translation>
    </message>
    <message>
        <source>Bottom right</source>
        <translation>Abajo a la derecha</translation>
    </message>
    <message>
        <source> % of the height</source>
        <translation> % de la altura</translation>
    </message>
    <message>
        <source> % of the shorter side</source>
        <translation> % del lado más corto</translation>
    </message>
    <message>
        <source>Show the &amp;elapsed time</source>
        <translation>Mostrar el tiempo t&amp;ranscurrido</translation>
    </message>
    <message>
        <source>&amp;Flash when over time</source>
        <translation>&amp;Parpadear al pasarse de tiempo</translation>
    </message>
    <message>
        <source>Paste the link into a video program&apos;s browser source (in OBS Studio: Sources, +, Browser). It pairs one video source as a viewer and is good for two minutes; the source keeps its pairing afterwards. Its options open with a click on it.</source>
        <translation>Pegue el enlace en la fuente de navegador de un programa de vídeo (en OBS Studio: Fuentes, +, Navegador). Empareja una fuente de vídeo como visor y vale dos minutos; después la fuente sigue emparejada. Sus opciones se abren con un clic sobre ella.</translation>
    </message>
    <message>
        <source>&amp;Copy Link</source>
        <translation>&amp;Copiar enlace</translation>
    </message>
    <message>
        <source>&amp;Layout:</source>
        <translation>&amp;Disposición:</translation>
    </message>
    <message>
        <source>C&amp;orner:</source>
        <translation>&amp;Esquina:</translation>
    </message>
    <message>
        <source>Badge &amp;size:</source>
        <translation>&amp;Tamaño de la insignia:</translation>
    </message>
    <message>
        <source>Border &amp;width:</source>
        <translation>&amp;Ancho del borde:</translation>
    </message>
</context>
</TS>
