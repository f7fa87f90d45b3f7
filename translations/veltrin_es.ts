<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>About</name>
    <message>
        <source>The program is free software under the GNU General Public License, version 3 or later. The questions, pictures, sounds and guide are under Creative Commons Attribution 4.0: you may reuse and adapt them, giving credit.</source>
        <translation>El programa es software libre bajo la Licencia Pública General de GNU, versión 3 o posterior. Las preguntas, las imágenes, los sonidos y la guía están bajo la licencia Creative Commons Atribución 4.0: puede reutilizarlos y adaptarlos, siempre que dé crédito a los autores.</translation>
    </message>
    <message>
        <source>Contact: see the user guide</source>
        <translation>Contacto: vea la guía del usuario</translation>
    </message>
    <message>
        <source>The Veltrin&apos;s Test developers</source>
        <translation>Los desarrolladores de Veltrin&apos;s Test</translation>
    </message>
</context>
<context>
    <name>BankPrint</name>
    <message>
        <source>Veltrin&apos;s Test: questions</source>
        <translation>Veltrin&apos;s Test: preguntas</translation>
    </message>
    <message>
        <source>(picture %1 missing)</source>
        <translation>(falta la imagen %1)</translation>
    </message>
    <message>
        <source>Veltrin&apos;s Test: answer key</source>
        <translation>Veltrin&apos;s Test: hoja de respuestas</translation>
    </message>
    <message>
        <source>the PDF could not be started</source>
        <translation>no se pudo comenzar el PDF</translation>
    </message>
</context>
<context>
    <name>BankRules</name>
    <message>
        <source>Line %1: %2.</source>
        <translation>Línea %1: %2.</translation>
    </message>
    <message>
        <source>The question bank %1 cannot be read: %2</source>
        <translation>No se puede leer el banco de preguntas %1: %2</translation>
    </message>
    <message>
        <source>the line is longer than %1 bytes</source>
        <translation>la línea tiene más de %1 bytes</translation>
    </message>
    <message>
        <source>the line cannot be read: %1</source>
        <translation>no se puede leer la línea: %1</translation>
    </message>
    <message>
        <source>the file is saved as UTF-16 (&quot;Unicode&quot;) text; save it as UTF-8 or as ANSI text</source>
        <translation>el archivo está guardado como texto UTF-16 (“Unicode”); guárdelo como UTF-8 o como texto ANSI</translation>
    </message>
    <message>
        <source>the file ends after its header, so it holds no questions</source>
        <translation>el archivo termina después del encabezado, así que no contiene preguntas</translation>
    </message>
    <message>
        <source>the header does not contain the word &quot;Copyright&quot;</source>
        <translation>el encabezado no contiene la palabra “Copyright”</translation>
    </message>
    <message>
        <source> (with a capital C: the word in other letter case does not count)</source>
        <translation> (con C mayúscula)</translation>
    </message>
    <message>
        <source>the header must begin with the number of questions followed by a space</source>
        <translation>el encabezado debe empezar con el número de preguntas seguido de un espacio</translation>
    </message>
    <message>
        <source>the header gives &quot;%1&quot; as the number of questions; it must be a whole number from %2 to %3</source>
        <translation>el encabezado indica “%1” como número de preguntas; debe ser un número entero de %2 a %3</translation>
    </message>
    <message>
        <source>the &quot;Q.&quot; line of question %1 has fewer than two &quot;/&quot;</source>
        <translation>la línea “Q.” de la pregunta %1 tiene menos de dos “/”</translation>
    </message>
    <message>
        <source>question %1 gives &quot;%2&quot; as its right answer; it must be a number from 1 to 4</source>
        <translation>la pregunta %1 indica “%2” como respuesta correcta; debe ser un número del 1 al 4</translation>
    </message>
    <message>
        <source>question %1 starts without an empty line after question %2, so question %2 cannot be read</source>
        <translation>la pregunta %1 empieza sin una línea vacía después de la pregunta %2, así que la pregunta %2 no se puede leer</translation>
    </message>
    <message>
        <source>there is no such file</source>
        <translation>no existe ese archivo</translation>
    </message>
    <message>
        <source>it is a folder, not a file</source>
        <translation>es una carpeta, no un archivo</translation>
    </message>
    <message>
        <source>you have no permission to read it</source>
        <translation>no tiene permiso para leerlo</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation>el archivo está vacío</translation>
    </message>
    <message>
        <source>the file is not a text file: near its start it holds NUL or other control bytes, which text never holds (is it a picture saved under the bank&apos;s name?)</source>
        <translation>el archivo no es un archivo de texto: cerca del principio contiene bytes NUL u otros caracteres de control, que un texto nunca contiene (¿es una imagen guardada con el nombre del banco?)</translation>
    </message>
    <message>
        <source>the first line must be the header: the number of questions, a space and the word &quot;Copyright&quot;, for example &quot;20 Copyright 2026 My Driving School&quot;</source>
        <translation>la primera línea debe ser el encabezado: el número de preguntas, un espacio y la palabra &quot;Copyright&quot;, por ejemplo &quot;20 Copyright 2026 Mi Escuela de Manejo&quot;</translation>
    </message>
    <message>
        <source>question %1 letters its answers &quot;A.&quot; to &quot;D.&quot;; answers start with &quot;1.&quot; to &quot;4.&quot;</source>
        <translation>la pregunta %1 marca sus respuestas con &quot;A.&quot; a &quot;D.&quot;; las respuestas empiezan con &quot;1.&quot; a &quot;4.&quot;</translation>
    </message>
    <message>
        <source>question %1 names answer 4 as right, but answer 4 is empty and the question shows no button D, so it can never be answered right</source>
        <translation>la pregunta %1 indica la respuesta 4 como correcta, pero la respuesta 4 está vacía y la pregunta no muestra el botón D, así que nunca se puede contestar bien</translation>
    </message>
    <message>
        <source>question %1 names answer %2 as right, but answer %2 is empty, so it can never be answered right</source>
        <translation>la pregunta %1 indica la respuesta %2 como correcta, pero la respuesta %2 está vacía, así que nunca se puede contestar bien</translation>
    </message>
    <message>
        <source>the header declares %1 questions, but the file ends after question %2</source>
        <translation>el encabezado declara %1 preguntas, pero el archivo termina después de la pregunta %2</translation>
    </message>
</context>
<context>
    <name>Exam</name>
    <message>
        <source>This exam tests your knowledge of driving rules in the United States.  </source>
        <translation>Este examen evalúa sus conocimientos de las reglas de manejo en los Estados Unidos.  </translation>
    </message>
    <message>
        <source>Since the rules differ from state to state, </source>
        <translation>Como las reglas varían de un estado a otro, </translation>
    </message>
    <message>
        <source>refer to your state&apos;s motor vehicle laws for definitive answers.</source>
        <translation>consulte las leyes de tránsito de su estado para obtener respuestas definitivas.</translation>
    </message>
    <message>
        <source>You have %1 minutes to answer %2 questions.  </source>
        <translation>Tiene %1 minutos para contestar %2 preguntas.  </translation>
    </message>
    <message>
        <source>To pass the test, you must answer at least %1 questions correctly.</source>
        <translation>Para aprobar el examen, debe contestar correctamente al menos %1 preguntas.</translation>
    </message>
    <message>
        <source>       Press the START button to begin.</source>
        <translation>       Oprima el botón COMENZAR para iniciar el examen.</translation>
    </message>
    <message>
        <source>Correct</source>
        <translation>Correcto</translation>
    </message>
    <message>
        <source>Wrong.  The correct answer is %1</source>
        <translation>Incorrecto.  La respuesta correcta es la %1</translation>
    </message>
    <message numerus="yes">
        <source>You Pass.  You had %n correct answers out of 20.</source>
        <translation>
            <numerusform>Aprobó.  Tuvo %n respuesta correcta de&#xa0;20.</numerusform>
            <numerusform>Aprobó.  Tuvo %n respuestas correctas de&#xa0;20.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>You Failed.  You had %n correct answers out of 20.</source>
        <translation>
            <numerusform>Reprobó.  Tuvo %n respuesta correcta de&#xa0;20.</numerusform>
            <numerusform>Reprobó.  Tuvo %n respuestas correctas de&#xa0;20.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>You ran out of time.  You had %n correct answers out of %1.</source>
        <translation>
            <numerusform>Se le acabó el tiempo.  Tuvo %n respuesta correcta de&#xa0;%1.</numerusform>
            <numerusform>Se le acabó el tiempo.  Tuvo %n respuestas correctas de&#xa0;%1.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>MessageBox</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>ProgressStore</name>
    <message>
        <source>The practice progress in %1 cannot be read; it is kept as %2 and progress starts afresh.</source>
        <translation>No se puede leer el progreso de práctica en %1; se guarda como %2 y el progreso empieza de nuevo.</translation>
    </message>
    <message>
        <source>The practice progress in %1 cannot be read, nor kept aside; progress is not kept.</source>
        <translation>No se puede leer el progreso de práctica en %1 ni guardarlo aparte; el progreso no se guarda.</translation>
    </message>
    <message>
        <source>Progress is not kept: %1 cannot be written (%2).</source>
        <translation>El progreso no se guarda: no se puede escribir %1 (%2).</translation>
    </message>
    <message>
        <source>its folder cannot be made</source>
        <translation>no se puede crear su carpeta</translation>
    </message>
    <message>
        <source>it cannot be locked</source>
        <translation>no se puede bloquear</translation>
    </message>
    <message>
        <source>other programs keep replacing it</source>
        <translation>otros programas lo siguen reemplazando</translation>
    </message>
</context>
<context>
    <name>Standing</name>
    <message>
        <source>Topic</source>
        <translation>Tema</translation>
    </message>
    <message>
        <source>Seen</source>
        <translation>Vistas</translation>
    </message>
    <message>
        <source>Known</source>
        <translation>Sabidas</translation>
    </message>
    <message>
        <source>Open mistakes</source>
        <translation>Errores abiertos</translation>
    </message>
    <message>
        <source>Questions</source>
        <translation>Preguntas</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>No practice progress on this bank yet.</source>
        <translation>Todavía no hay progreso de práctica en este banco.</translation>
    </message>
</context>
<context>
    <name>Practice</name>
    <message>
        <source>the bank has no questions on the topics chosen</source>
        <translation>el banco no tiene preguntas de los temas elegidos</translation>
    </message>
    <message>
        <source>This is practice: up to %1 questions, your open mistakes first, then questions you have not seen yet.  There is no time limit.</source>
        <translation>Esto es una práctica: hasta %1 preguntas, primero sus errores pendientes y luego preguntas que todavía no ha visto.  No hay límite de tiempo.</translation>
    </message>
    <message>
        <source>After each answer you see why the right answer is right.  A mistake comes back in later rounds until you have answered it right twice in a row.</source>
        <translation>Después de cada respuesta verá por qué la respuesta correcta es la correcta.  Un error vuelve en rondas posteriores hasta que lo conteste bien dos veces seguidas.</translation>
    </message>
    <message numerus="yes">
        <source>You Pass.  You had %n correct answers out of %1.</source>
        <translation>
            <numerusform>Aprobó.  Tuvo %n respuesta correcta de %1.</numerusform>
            <numerusform>Aprobó.  Tuvo %n respuestas correctas de %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>You Failed.  You had %n correct answers out of %1.</source>
        <translation>
            <numerusform>Reprobó.  Tuvo %n respuesta correcta de %1.</numerusform>
            <numerusform>Reprobó.  Tuvo %n respuestas correctas de %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>Source: %1</source>
        <translation>Fuente: %1</translation>
    </message>
    <message numerus="yes">
        <source>%1: %2 of %3 seen, %4 known, %n open mistakes</source>
        <translation>
            <numerusform>%1: %2 de %3 vistas, %4 dominadas, %n error pendiente</numerusform>
            <numerusform>%1: %2 de %3 vistas, %4 dominadas, %n errores pendientes</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>veltrin::CopyR</name>
    <message>
        <source>Copyright notice</source>
        <translation>Aviso de derechos de autor</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Web address</source>
        <translation>Dirección web</translation>
    </message>
    <message>
        <source>Portrait</source>
        <translation>Retrato</translation>
    </message>
    <message>
        <source>The user guide could not be opened in a web browser.</source>
        <translation>No se pudo abrir la guía del usuario en un navegador web.</translation>
    </message>
    <message>
        <source>The guide is here:
%1</source>
        <translation>La guía está aquí:
%1</translation>
    </message>
</context>
<context>
    <name>veltrin::frmDrive1</name>
    <message>
        <source>Veltrin&apos;s Test</source>
        <translation>Veltrin&apos;s Test</translation>
    </message>
    <message>
        <source>Question</source>
        <translation>Pregunta</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Comenzar</translation>
    </message>
    <message>
        <source>Return</source>
        <translation>Volver</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Tiempo</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Imagen</translation>
    </message>
    <message>
        <source>No picture</source>
        <translation>Sin imagen</translation>
    </message>
    <message>
        <source>Invalid database file.</source>
        <translation>Archivo de base de datos no válido.</translation>
    </message>
    <message>
        <source>Picture %1</source>
        <translation>Imagen %1</translation>
    </message>
    <message>
        <source>The picture %1 cannot be shown.</source>
        <translation>No se puede mostrar la imagen %1.</translation>
    </message>
    <message>
        <source>Question</source>
        <comment>the caption beside the question number: 735 twips, about 7 letters</comment>
        <translation>Preg.</translation>
    </message>
    <message>
        <source>Veltrin&apos;s Test – Practice</source>
        <translation>Veltrin&apos;s Test – Práctica</translation>
    </message>
</context>
<context>
    <name>veltrin::frmMsg</name>
    <message>
        <source>Message</source>
        <translation>Mensaje</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>veltrin::frmPracticeMsg</name>
    <message>
        <source>Message</source>
        <translation>Mensaje</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>veltrin::frmReview</name>
    <message>
        <source>Your answer: %1</source>
        <translation>Su respuesta: %1</translation>
    </message>
    <message>
        <source>Right answer: %1</source>
        <translation>Respuesta correcta: %1</translation>
    </message>
    <message>
        <source>(Source: %1)</source>
        <translation>(Fuente: %1)</translation>
    </message>
    <message>
        <source>Review of this round</source>
        <translation>Repaso de esta ronda</translation>
    </message>
    <message>
        <source>No question missed in this round.</source>
        <translation>No falló ninguna pregunta en esta ronda.</translation>
    </message>
    <message>
        <source>Questions missed in this round: %1</source>
        <translation>Preguntas falladas en esta ronda: %1</translation>
    </message>
    <message>
        <source>Missed question %1</source>
        <translation>Pregunta fallada %1</translation>
    </message>
    <message>
        <source>Where you stand, topic by topic</source>
        <translation>Cómo va, tema por tema</translation>
    </message>
    <message>
        <source>%1 of %2 known</source>
        <translation>%1 de %2 dominadas</translation>
    </message>
    <message>
        <source>Return</source>
        <translation>Volver</translation>
    </message>
</context>
<context>
    <name>veltrin::frmWelcome</name>
    <message>
        <source>Veltrin&apos;s Test</source>
        <translation>Veltrin&apos;s Test</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Continuar</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>A street with three houses</source>
        <translation>Una calle con tres casas</translation>
    </message>
    <message>
        <source>A red car driving along the street</source>
        <translation>Un auto rojo que avanza por la calle</translation>
    </message>
    <message>
        <source>Veltrin&apos;s Test – Practice</source>
        <translation>Veltrin&apos;s Test – Práctica</translation>
    </message>
</context>
</TS>
