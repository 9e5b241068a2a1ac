<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>ColourDialogService</name>
    <message>
        <source>Colour</source>
        <translation>Color</translation>
    </message>
</context>
<context>
    <name>DataExchange</name>
    <message>
        <source>Please enter a number.</source>
        <translation>Introduzca un número.</translation>
    </message>
    <message>
        <source>Please enter a whole number from %1 to %2.</source>
        <translation>Introduzca un número entero entre %1 y %2.</translation>
    </message>
</context>
<context>
    <name>DialogTemplate</name>
    <message>
        <source>X Scale:</source>
        <translation>Escala X:</translation>
    </message>
    <message>
        <source>Y Scale:</source>
        <translation>Escala Y:</translation>
    </message>
    <message>
        <source>Quality:</source>
        <translation>Calidad:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>A function plotter for the desktop,
by the Plovex authors.</source>
        <translation>Trazador de funciones de escritorio,
por los autores de Plovex.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>About Plovex</source>
        <translation>Acerca de Plovex</translation>
    </message>
    <message>
        <source>%1 Help</source>
        <translation>Ayuda de %1</translation>
    </message>
    <message>
        <source>&amp;Plot</source>
        <translation>&amp;Trazar</translation>
    </message>
    <message>
        <source>Plot &amp;dy/dx</source>
        <translation>Trazar d&amp;y/dx</translation>
    </message>
    <message>
        <source>Eva&amp;l dy/dx</source>
        <translation>Eva&amp;l. dy/dx</translation>
    </message>
    <message>
        <source>Ev&amp;aluate</source>
        <translation>Evalua&amp;r</translation>
    </message>
    <message>
        <source>&amp;Integrate</source>
        <translation>&amp;Integrar</translation>
    </message>
    <message>
        <source>Do &amp;not clear previous graph</source>
        <translation>&amp;No borrar gráfica anterior</translation>
    </message>
    <message>
        <source>I&amp;mplicit function</source>
        <translation>I&amp;mplícita</translation>
    </message>
    <message>
        <source>&amp;From:</source>
        <translation>&amp;Desde:</translation>
    </message>
    <message>
        <source>&amp;To:</source>
        <translation>&amp;Hasta:</translation>
    </message>
    <message>
        <source>&amp;Step:</source>
        <translation>&amp;Paso:</translation>
    </message>
    <message>
        <source>Table of Values</source>
        <translation>Tabla de valores</translation>
    </message>
    <message>
        <source>&amp;Width:</source>
        <translation>&amp;Ancho:</translation>
    </message>
    <message>
        <source>&amp;Height:</source>
        <translation>A&amp;lto:</translation>
    </message>
    <message>
        <source>Keep the visible &amp;region</source>
        <translation>Mantener la &amp;región visible</translation>
    </message>
    <message>
        <source>Keep the &amp;scales</source>
        <translation>Mantener las &amp;escalas</translation>
    </message>
    <message>
        <source>Export Graph</source>
        <translation>Exportar gráfica</translation>
    </message>
</context>
<context>
    <name>DocumentFile</name>
    <message numerus="yes">
        <source>The expression is too long: a graph document holds at most %n bytes.</source>
        <translation>
            <numerusform>La expresión es demasiado larga: un documento de gráfica admite como máximo %n byte.</numerusform>
            <numerusform>La expresión es demasiado larga: un documento de gráfica admite como máximo %n bytes.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>EngineTexts</name>
    <message>
        <source>Parse Error: Unrecognised symbol &apos;%1&apos;.</source>
        <translation>Error de sintaxis: símbolo «%1» no reconocido.</translation>
    </message>
    <message>
        <source>Parse Error: Unmatched parentheses.</source>
        <translation>Error de sintaxis: paréntesis desemparejados.</translation>
    </message>
    <message>
        <source>Parse Error: Variable &apos;y&apos; allowed only in implicit functions.</source>
        <translation>Error de sintaxis: la variable «y» solo se admite en funciones implícitas.</translation>
    </message>
    <message>
        <source>Parse Error: Unrecognised function &apos;%1&apos;.</source>
        <translation>Error de sintaxis: función «%1» no reconocida.</translation>
    </message>
    <message>
        <source>WORKING</source>
        <translation>EN CURSO</translation>
    </message>
    <message>
        <source>DONE</source>
        <translation>TERMINADO</translation>
    </message>
    <message>
        <source>Maximum: %1</source>
        <translation>Máximo: %1</translation>
    </message>
    <message>
        <source>Minimum: %1</source>
        <translation>Mínimo: %1</translation>
    </message>
    <message>
        <source>Mean: %1</source>
        <translation>Media: %1</translation>
    </message>
    <message>
        <source>Fewer samples were drawn than the quality asks: at quality %1 the step between samples no longer moves the sampling position from pixel %2 (from the centre) on, so the graph stops there.</source>
        <translation>Se trazaron menos muestras de las que pide la calidad: con calidad %1, el paso entre muestras ya no hace avanzar la posición de muestreo a partir del píxel %2 (contado desde el centro), por lo que la gráfica termina ahí.</translation>
    </message>
    <message>
        <source>The integral stopped at x = %1, short of the upper limit %2: from there on adding the step 0.01 no longer changes x. The result is the integral up to that point.</source>
        <translation>La integración se detuvo en x = %1, antes del límite superior %2: a partir de ahí, sumar el paso 0.01 ya no cambia x. El resultado es la integral hasta ese punto.</translation>
    </message>
    <message>
        <source>The file is empty.</source>
        <translation>El archivo está vacío.</translation>
    </message>
    <message>
        <source>The file ends inside the length of the expression.</source>
        <translation>El archivo termina en medio de la longitud de la expresión.</translation>
    </message>
    <message numerus="yes">
        <source>The file claims an expression of %1 characters but holds only %2.</source>
        <translation>
            <numerusform>El archivo indica una expresión de %1 carácter, pero solo contiene %2.</numerusform>
            <numerusform>El archivo indica una expresión de %1 caracteres, pero solo contiene %2.</numerusform>
        </translation>
    </message>
    <message>
        <source>blue</source>
        <translation>azul</translation>
    </message>
    <message>
        <source>vermillion</source>
        <translation>bermellón</translation>
    </message>
    <message>
        <source>bluish green</source>
        <translation>verde azulado</translation>
    </message>
    <message>
        <source>reddish purple</source>
        <translation>púrpura rojizo</translation>
    </message>
    <message>
        <source>orange</source>
        <translation>naranja</translation>
    </message>
    <message>
        <source>sky blue</source>
        <translation>azul cielo</translation>
    </message>
    <message>
        <source>black</source>
        <translation>negro</translation>
    </message>
    <message>
        <source>The step must be a number other than 0.</source>
        <translation>El paso debe ser un número distinto de 0.</translation>
    </message>
    <message>
        <source>From and To must be numbers.</source>
        <translation>«Desde» y «Hasta» deben ser números.</translation>
    </message>
    <message>
        <source>The step leads away from To: give it the sign of To - From.</source>
        <translation>El paso se aleja de «Hasta»: dele el signo de Hasta - Desde.</translation>
    </message>
    <message>
        <source>Rendering stopped:
no statistics.</source>
        <translation>Trazado detenido:
sin estadísticas.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Parse Error: Function &apos;%1&apos; has no argument.</source>
        <translation>Error de sintaxis: la función «%1» no tiene argumento.</translation>
    </message>
    <message>
        <source>Parse Error: Variable &apos;%1&apos; not allowed in parametric and polar functions, which use t.</source>
        <translation>Error de sintaxis: la variable «%1» no se admite en funciones paramétricas y polares, que usan t.</translation>
    </message>
    <message numerus="yes">
        <source>The table would have more than %n rows: choose a larger step or a shorter range.</source>
        <translation>
            <numerusform>La tabla tendría más de %n fila: elija un paso mayor o un intervalo más corto.</numerusform>
            <numerusform>La tabla tendría más de %n filas: elija un paso mayor o un intervalo más corto.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>More than %n points were found; the first %n in order of x are listed.</source>
        <translation>
            <numerusform>Se encontró más de %n punto; se lista el primero en orden de x.</numerusform>
            <numerusform>Se encontraron más de %n puntos; se listan los %n primeros en orden de x.</numerusform>
        </translation>
    </message>
    <message>
        <source>A parameter needs a name.</source>
        <translation>Un parámetro necesita un nombre.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; cannot name a parameter: a name starts with a lower-case letter.</source>
        <translation>«%1» no puede ser el nombre de un parámetro: un nombre empieza por una letra minúscula.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; cannot name a parameter: a name holds only lower-case letters and digits.</source>
        <translation>«%1» no puede ser el nombre de un parámetro: un nombre solo contiene letras minúsculas y cifras.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; cannot name a parameter: x, y and t are variables.</source>
        <translation>«%1» no puede ser el nombre de un parámetro: x, y, t son variables.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; cannot name a parameter: it is the number pi.</source>
        <translation>«%1» no puede ser el nombre de un parámetro: es el número pi.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; cannot name a parameter: it is a built-in function.</source>
        <translation>«%1» no puede ser el nombre de un parámetro: es una función incorporada.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; cannot name a parameter: x and y in a name are always the variables (&apos;ax&apos; reads as a*x).</source>
        <translation>«%1» no puede ser el nombre de un parámetro: x e y en un nombre son siempre las variables («ax» se lee a*x).</translation>
    </message>
    <message>
        <source>There is already a parameter &apos;%1&apos;.</source>
        <translation>Ya existe un parámetro «%1».</translation>
    </message>
    <message>
        <source>The value of a parameter must be a finite number.</source>
        <translation>El valor de un parámetro debe ser un número finito.</translation>
    </message>
    <message>
        <source>The minimum, the maximum and the step must be finite numbers.</source>
        <translation>El mínimo, el máximo y el paso deben ser números finitos.</translation>
    </message>
    <message>
        <source>The minimum must be less than the maximum.</source>
        <translation>El mínimo debe ser menor que el máximo.</translation>
    </message>
    <message>
        <source>The step must be more than 0.</source>
        <translation>El paso debe ser mayor que 0.</translation>
    </message>
    <message>
        <source>A slider has at most %1 steps: choose a larger step or a smaller range.</source>
        <translation>Un deslizador tiene como máximo %1 pasos: elija un paso mayor o un intervalo menor.</translation>
    </message>
    <message>
        <source>Plot</source>
        <translation>Trazado</translation>
    </message>
    <message>
        <source>Change Scale</source>
        <translation>Cambio de escala</translation>
    </message>
    <message>
        <source>Change Kind</source>
        <translation>Cambio de tipo</translation>
    </message>
    <message>
        <source>Typing</source>
        <translation>Escritura</translation>
    </message>
    <message>
        <source>New Function</source>
        <translation>Nueva función</translation>
    </message>
    <message>
        <source>Delete Function</source>
        <translation>Eliminación de función</translation>
    </message>
    <message>
        <source>Move Function</source>
        <translation>Desplazamiento de función</translation>
    </message>
    <message>
        <source>Change Colour</source>
        <translation>Cambio de color</translation>
    </message>
    <message>
        <source>Show Function</source>
        <translation>Mostrar función</translation>
    </message>
    <message>
        <source>Hide Function</source>
        <translation>Ocultar función</translation>
    </message>
    <message>
        <source>New Parameter</source>
        <translation>Nuevo parámetro</translation>
    </message>
    <message>
        <source>Delete Parameter</source>
        <translation>Eliminación de parámetro</translation>
    </message>
    <message>
        <source>Rename Parameter</source>
        <translation>Cambio de nombre de parámetro</translation>
    </message>
    <message>
        <source>Change Range</source>
        <translation>Cambio de intervalo</translation>
    </message>
    <message>
        <source>Change Value</source>
        <translation>Cambio de valor</translation>
    </message>
    <message>
        <source>STOPPED</source>
        <translation>DETENIDO</translation>
    </message>
</context>
<context>
    <name>FileDialogService</name>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>Save changes to %1?</source>
        <translation>¿Guardar los cambios en %1?</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Guardar</translation>
    </message>
    <message>
        <source>&amp;Discard</source>
        <translation>&amp;Descartar</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
</context>
<context>
    <name>FileStore</name>
    <message>
        <source>It is a folder, not a file.</source>
        <translation>Es una carpeta, no un archivo.</translation>
    </message>
    <message>
        <source>It is a block device: a disk is never written to directly.</source>
        <translation>Es un dispositivo de bloques: nunca se escribe directamente en un disco.</translation>
    </message>
    <message>
        <source>It is neither a file nor a device that can be written to.</source>
        <translation>No es ni un archivo ni un dispositivo en el que se pueda escribir.</translation>
    </message>
    <message>
        <source>It is a named pipe (FIFO), not a file.</source>
        <translation>Es una tubería con nombre (FIFO), no un archivo.</translation>
    </message>
    <message>
        <source>It is a socket, not a file.</source>
        <translation>Es un socket, no un archivo.</translation>
    </message>
    <message>
        <source>It is a character device, not a file.</source>
        <translation>Es un dispositivo de caracteres, no un archivo.</translation>
    </message>
    <message>
        <source>It is a block device, not a file.</source>
        <translation>Es un dispositivo de bloques, no un archivo.</translation>
    </message>
    <message>
        <source>It is a special file, not a regular file.</source>
        <translation>Es un archivo especial, no un archivo normal.</translation>
    </message>
    <message numerus="yes">
        <source>The file holds more than %n bytes, the most that is read.</source>
        <translation>
            <numerusform>El archivo tiene más de %n byte, el máximo que se lee.</numerusform>
            <numerusform>El archivo tiene más de %n bytes, el máximo que se lee.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>GraphDescription</name>
    <message>
        <source>Derivative of no expression</source>
        <translation>Derivada de ninguna expresión</translation>
    </message>
    <message>
        <source>No expression</source>
        <translation>Ninguna expresión</translation>
    </message>
    <message>
        <source>Derivative of %1</source>
        <translation>Derivada de %1</translation>
    </message>
    <message>
        <source>%1, implicit</source>
        <translation>%1, implícita</translation>
    </message>
    <message>
        <source>%1, explicit</source>
        <translation>%1, explícita</translation>
    </message>
    <message>
        <source>no expression</source>
        <translation>ninguna expresión</translation>
    </message>
    <message>
        <source>Polar curve r = %1 for t from %2 to %3</source>
        <translation>Curva polar r = %1 para t de %2 a %3</translation>
    </message>
    <message>
        <source>polar curve r = %1 for t from %2 to %3</source>
        <translation>curva polar r = %1 para t de %2 a %3</translation>
    </message>
    <message>
        <source>Parametric curve (%1, %2) for t from %3 to %4</source>
        <translation>Curva paramétrica (%1, %2) para t de %3 a %4</translation>
    </message>
    <message>
        <source>parametric curve (%1, %2) for t from %3 to %4</source>
        <translation>curva paramétrica (%1, %2) para t de %3 a %4</translation>
    </message>
    <message>
        <source>%1, drawn over the previous graph</source>
        <translation>%1, trazada sobre la gráfica anterior</translation>
    </message>
    <message>
        <source>%1. X scale %2, Y scale %3. %4.</source>
        <translation>%1. Escala X %2, escala Y %3. %4.</translation>
    </message>
    <message>
        <source>%1 in %2</source>
        <translation>%1 en %2</translation>
    </message>
    <message>
        <source>%1 = 0 in %2</source>
        <translation>%1 = 0 en %2</translation>
    </message>
    <message>
        <source>Nothing shown. Selected: %1</source>
        <translation>Ninguna visible. Seleccionada: %1</translation>
    </message>
    <message>
        <source>Shown: %1. Selected: %2</source>
        <translation>Visibles: %1. Seleccionada: %2</translation>
    </message>
</context>
<context>
    <name>ImageExport</name>
    <message>
        <source>Cannot export the graph to &quot;%1&quot;.

%2</source>
        <translation>No se puede exportar la gráfica a «%1».

%2</translation>
    </message>
    <message>
        <source>Images (*.%1)</source>
        <translation>Imágenes (*.%1)</translation>
    </message>
    <message>
        <source>The name&apos;s extension does not say which image format to write. Use one of: %1.</source>
        <translation>La extensión del nombre no indica qué formato de imagen escribir. Use una de estas: %1.</translation>
    </message>
    <message>
        <source>Vector pictures (*.pdf *.svg)</source>
        <translation>Imágenes vectoriales (*.pdf *.svg)</translation>
    </message>
    <message>
        <source>The picture could not be drawn.</source>
        <translation>No se pudo dibujar la imagen.</translation>
    </message>
</context>
<context>
    <name>ParameterQuestion</name>
    <message>
        <source>The expression uses &apos;%1&apos;, which is not defined. Create a parameter %1 = %2 (from %3 to %4)?</source>
        <translation>La expresión usa «%1», que no está definido. ¿Crear un parámetro %1 = %2 (de %3 a %4)?</translation>
    </message>
</context>
<context>
    <name>StringTable</name>
    <message>
        <source>
Graph
Graph
Plovex Graph (*.pxg)
.pxg
Plovex.Graph
Plovex Graph</source>
        <translation>
Gráfica
Gráfica
Gráfica de Plovex (*.pxg)
.pxg
Plovex.Graph
Gráfica de Plovex</translation>
    </message>
    <message>
        <source>Expression</source>
        <translation>Expresión</translation>
    </message>
    <message>
        <source>Postfix form</source>
        <translation>Forma posfija</translation>
    </message>
    <message>
        <source>Graph</source>
        <translation>Gráfica</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Estadísticas</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Progreso</translation>
    </message>
    <message>
        <source>Increase X scale</source>
        <translation>Aumentar la escala X</translation>
    </message>
    <message>
        <source>Decrease X scale</source>
        <translation>Reducir la escala X</translation>
    </message>
    <message>
        <source>Increase Y scale</source>
        <translation>Aumentar la escala Y</translation>
    </message>
    <message>
        <source>Decrease Y scale</source>
        <translation>Reducir la escala Y</translation>
    </message>
    <message>
        <source>Help topics</source>
        <translation>Temas de ayuda</translation>
    </message>
    <message>
        <source>Topic text</source>
        <translation>Texto del tema</translation>
    </message>
    <message>
        <source>Plovex 2</source>
        <translation>Plovex 2</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Listo</translation>
    </message>
    <message>
        <source>Create a new document
New</source>
        <translation>Crear un documento nuevo
Nuevo</translation>
    </message>
    <message>
        <source>Open an existing document
Open</source>
        <translation>Abrir un documento existente
Abrir</translation>
    </message>
    <message>
        <source>Close the active document
Close</source>
        <translation>Cerrar el documento activo
Cerrar</translation>
    </message>
    <message>
        <source>Save the active document
Save</source>
        <translation>Guardar el documento activo
Guardar</translation>
    </message>
    <message>
        <source>Save the active document with a new name
Save As</source>
        <translation>Guardar el documento activo con otro nombre
Guardar como</translation>
    </message>
    <message>
        <source>Open this document</source>
        <translation>Abrir este documento</translation>
    </message>
    <message>
        <source>Copy the selection and put it on the Clipboard
Copy</source>
        <translation>Copiar la selección al portapapeles
Copiar</translation>
    </message>
    <message>
        <source>Cut the selection and put it on the Clipboard
Cut</source>
        <translation>Cortar la selección y ponerla en el portapapeles
Cortar</translation>
    </message>
    <message>
        <source>Insert Clipboard contents
Paste</source>
        <translation>Insertar el contenido del portapapeles
Pegar</translation>
    </message>
    <message>
        <source>Undo the last action
Undo</source>
        <translation>Deshacer la última acción
Deshacer</translation>
    </message>
    <message>
        <source>Open another window for the active document
New Window</source>
        <translation>Abrir otra ventana para el documento activo
Nueva ventana</translation>
    </message>
    <message>
        <source>Arrange icons at the bottom of the window
Arrange Icons</source>
        <translation>Organizar los iconos en la parte inferior de la ventana
Organizar iconos</translation>
    </message>
    <message>
        <source>Arrange windows so they overlap
Cascade Windows</source>
        <translation>Organizar las ventanas superpuestas
Ventanas en cascada</translation>
    </message>
    <message>
        <source>Arrange windows as non-overlapping tiles
Tile Windows</source>
        <translation>Organizar las ventanas en mosaico, sin superponerse
Ventanas en mosaico</translation>
    </message>
    <message>
        <source>Display program information, version number and copyright
About</source>
        <translation>Mostrar información del programa, número de versión y copyright
Acerca de</translation>
    </message>
    <message>
        <source>Quit the application; prompts to save documents
Exit</source>
        <translation>Salir de la aplicación; pregunta si se guardan los documentos
Salir</translation>
    </message>
    <message>
        <source>Switch to the next window pane
Next Pane</source>
        <translation>Pasar al siguiente panel de la ventana
Panel siguiente</translation>
    </message>
    <message>
        <source>Switch back to the previous window pane
Previous Pane</source>
        <translation>Volver al panel anterior de la ventana
Panel anterior</translation>
    </message>
    <message>
        <source>CAP</source>
        <translation>MAY</translation>
    </message>
    <message>
        <source>NUM</source>
        <translation>NUM</translation>
    </message>
    <message>
        <source>SCRL</source>
        <translation>DES</translation>
    </message>
    <message>
        <source>Copy the graph&apos;s picture to the Clipboard
Copy Graph</source>
        <translation>Copiar la imagen de la gráfica al portapapeles
Copiar gráfica</translation>
    </message>
    <message>
        <source>Print the active graph
Print</source>
        <translation>Imprimir la gráfica activa
Imprimir</translation>
    </message>
    <message>
        <source>Display the page as it will be printed
Print Preview</source>
        <translation>Mostrar la página tal como se imprimirá
Vista previa de impresión</translation>
    </message>
    <message>
        <source>Show or hide the toolbar
Toggle ToolBar</source>
        <translation>Mostrar u ocultar la barra de herramientas
Barra de herramientas</translation>
    </message>
    <message>
        <source>Show or hide the status bar
Toggle StatusBar</source>
        <translation>Mostrar u ocultar la barra de estado
Barra de estado</translation>
    </message>
    <message>
        <source>Show or hide the grid and tick labels
Toggle Grid</source>
        <translation>Mostrar u ocultar la cuadrícula y las marcas de los ejes
Cuadrícula</translation>
    </message>
    <message>
        <source>Plovex draws graphs of mathematical functions.

Type a function of x and Plovex plots it. You can stretch or squeeze the picture along either axis, trade speed for detail with the quality setting, draw the graph of the derivative dy/dx, integrate the function between two limits, and draw implicit functions of x and y.

Choose a topic on the left to read more.</source>
        <translation>Plovex traza gráficas de funciones matemáticas.

Escriba una función de x y Plovex la traza. Puede estirar o comprimir la imagen a lo largo de cada eje, elegir entre rapidez y detalle con el ajuste de calidad, trazar la gráfica de la derivada dy/dx, integrar la función entre dos límites y trazar funciones implícitas de x e y.

Elija un tema a la izquierda para leer más.</translation>
    </message>
    <message>
        <source>Functions</source>
        <translation>Funciones</translation>
    </message>
    <message>
        <source>Show or hide the list of the graph&apos;s functions (Ctrl+Shift+L goes to it)
Toggle Function List</source>
        <translation>Mostrar u ocultar la lista de funciones de la gráfica (Ctrl+Mayús+L lleva a ella)
Lista de funciones</translation>
    </message>
    <message>
        <source>Add an empty function after the selected one
New Function</source>
        <translation>Añadir una función vacía después de la seleccionada
Nueva función</translation>
    </message>
    <message>
        <source>Delete the selected function
Delete Function</source>
        <translation>Eliminar la función seleccionada
Eliminar función</translation>
    </message>
    <message>
        <source>Choose the colour of the selected function
Colour</source>
        <translation>Elegir el color de la función seleccionada
Color</translation>
    </message>
    <message>
        <source>Move the selected function up the list
Move Up</source>
        <translation>Subir la función seleccionada en la lista
Subir</translation>
    </message>
    <message>
        <source>Move the selected function down the list
Move Down</source>
        <translation>Bajar la función seleccionada en la lista
Bajar</translation>
    </message>
    <message>
        <source>Find where the function crosses zero in the visible x range
Find Roots</source>
        <translation>Buscar dónde la función se anula en el intervalo de x visible
Buscar raíces</translation>
    </message>
    <message>
        <source>Find the function&apos;s minima and maxima in the visible x range
Find Extrema</source>
        <translation>Buscar los mínimos y máximos de la función en el intervalo de x visible
Buscar extremos</translation>
    </message>
    <message>
        <source>Find where the function meets the graph&apos;s other functions in the visible x range
Find Intersections</source>
        <translation>Buscar dónde la función corta las otras funciones de la gráfica en el intervalo de x visible
Buscar intersecciones</translation>
    </message>
    <message>
        <source>List x, f(x) and dy/dx from one x to another in steps
Table of Values</source>
        <translation>Listar x, f(x) y dy/dx de un x a otro, paso a paso
Tabla de valores</translation>
    </message>
    <message>
        <source>Calculator: enter an arithmetic expression without x, such as 2^10/3, click Plot and read the result in the information box: the maximum, minimum and mean all show the value.

Solving equations: tick Implicit function and enter a function of x alone. The graph drawn is the set where f(x) = 0: upright lines whose positions along the x-axis are the values of x at which the function vanishes.

Example: x*sin x

From a terminal: plovex --expression=EXPR --roots (or --extrema, or both) prints one line per point in order of x: root, minimum or maximum, then x and y. The options --size=WxH (the graph area, 610x238 unless given), --xscale and --dydx choose the columns and the function as the window would; --intersections prints where the expression meets each other explicit function (--function=EXPR, once for each), the other&apos;s number last. plovex --expression=EXPR --table=FROM,TO,STEP prints x, f(x) and dy/dx on each line. --exact prints every number in full.</source>
        <translation>Calculadora: escriba una expresión aritmética sin x, como 2^10/3, pulse «Trazar» y lea el resultado en el cuadro de información: el máximo, el mínimo y la media muestran todos ese valor.

Resolución de ecuaciones: marque «Implícita» y escriba una función solo de x. La gráfica trazada es el conjunto donde f(x) = 0: rectas verticales cuyas posiciones en el eje x son los valores de x en los que la función se anula.

Ejemplo: x*sin x

Desde un terminal: plovex --expression=EXPR --roots (o --extrema, o ambas) escribe una línea por punto en orden de x: root, minimum o maximum, y luego x e y. Las opciones --size=WxH (el área de la gráfica, 610x238 si no se indica), --xscale y --dydx eligen las columnas y la función como lo haría la ventana; --intersections escribe dónde la expresión corta a cada otra función explícita (--function=EXPR, una vez por cada una), con el número de la otra al final. plovex --expression=EXPR --table=FROM,TO,STEP escribe x, f(x) y dy/dx en cada línea. --exact escribe cada número completo.</translation>
    </message>
    <message>
        <source>Zoom in on the centre of the graph
Zoom In</source>
        <translation>Acercar hacia el centro de la gráfica
Acercar</translation>
    </message>
    <message>
        <source>Zoom out from the centre of the graph
Zoom Out</source>
        <translation>Alejar desde el centro de la gráfica
Alejar</translation>
    </message>
    <message>
        <source>Show the graph at scales 10 with the origin at the centre
Reset View</source>
        <translation>Mostrar la gráfica con escalas 10 y el origen en el centro
Restablecer vista</translation>
    </message>
    <message>
        <source>Give the y axis the scale of the x axis, so that circles look round
Equal Scales</source>
        <translation>Dar al eje y la escala del eje x, para que las circunferencias se vean redondas
Igualar escalas</translation>
    </message>
    <message>
        <source>Go back to the previous view of the graph
Back</source>
        <translation>Volver a la vista anterior de la gráfica
Atrás</translation>
    </message>
    <message>
        <source>Go forward to the next view of the graph
Forward</source>
        <translation>Ir a la vista siguiente de la gráfica
Adelante</translation>
    </message>
    <message>
        <source>Some inputs to try, with suggested settings:

x*sin(x)  with Quality 50
x+sin(x)  with X Scale and Y Scale 2
(cos x)^2  with X Scale 30 and Y Scale 125
1/((x^2+1)^1.5)  with X Scale 25 and Y Scale 90

Implicit functions (tick Implicit function first):

tan(x*y)
tan(x/y)
sin(x*y/(x+y))

Parametric and polar curves: in the Functions list open the menu of New Function (the arrow beside New, or Alt+Insert in the list) and choose Parametric or Polar. Type x(t) and y(t), or r(t), and the range of t below the list, then press Enter or Plot. Each curve is drawn as points, more of them at a higher quality. Evaluate, Eval dy/dx, Integrate, Plot dy/dx and the Tools menu work on explicit functions; the statistics of a selected curve are those of the y of its points.

x(t) = t - sin t, y(t) = 1 - cos t, t from 0 to 18.85: a cycloid
x(t) = sin(3*t), y(t) = sin(2*t) with X Scale and Y Scale 100: a Lissajous figure
r(t) = cos(5*t) with X Scale and Y Scale 100: a rose
r(t) = t/2, t from 0 to 31.4: a spiral</source>
        <translation>Algunas entradas para probar, con ajustes sugeridos:

x*sin(x)  con calidad 50
x+sin(x)  con escala X y escala Y 2
(cos x)^2  con escala X 30 y escala Y 125
1/((x^2+1)^1.5)  con escala X 25 y escala Y 90

Funciones implícitas (marque antes «Implícita»):

tan(x*y)
tan(x/y)
sin(x*y/(x+y))

Curvas paramétricas y polares: en la lista de funciones abra el menú de «Nueva función» (la flecha junto a «Nueva», o Alt+Insert en la lista) y elija «Paramétrica» o «Polar». Escriba x(t) e y(t), o r(t), y el intervalo de t debajo de la lista, y pulse Intro o «Trazar». Cada curva se dibuja como puntos, más cuanto mayor es la calidad. «Evaluar», «Eval. dy/dx», «Integrar», «Trazar dy/dx» y el menú «Herramientas» actúan sobre funciones explícitas; las estadísticas de una curva seleccionada son las de la y de sus puntos.

x(t) = t - sin t, y(t) = 1 - cos t, t desde 0 hasta 18.85: una cicloide
x(t) = sin(3*t), y(t) = sin(2*t) con escala X y escala Y 100: una figura de Lissajous
r(t) = cos(5*t) con escala X y escala Y 100: una rosa
r(t) = t/2, t desde 0 hasta 31.4: una espiral</translation>
    </message>
    <message>
        <source>The built-in functions:

Trigonometric: sin, cos, tan, cosec, sec, cot
Inverse trigonometric: asin, acos, atan
Exponential and logarithmic: e, ln, log (e(x) is e to the power x, e(1) the number e; log is the logarithm to base 10)
abs: the modulus (absolute value)
sqrt: the square root, the same as raising to the power 1/2
floor: the greatest integer not greater than its argument

The constant pi: the number 3.1415927.

Angles are in radians. Each function applies to the operand right after it, with or without parentheses, and must have one: e^x is an error, e(x) is right.</source>
        <translation>Las funciones incorporadas:

Trigonométricas: sin, cos, tan, cosec, sec, cot
Trigonométricas inversas: asin, acos, atan
Exponencial y logarítmicas: e, ln, log (e(x) es e elevado a x, e(1) el número e; log es el logaritmo en base 10)
abs: el módulo (valor absoluto)
sqrt: la raíz cuadrada, lo mismo que elevar a la potencia 1/2
floor: el mayor entero que no supera al argumento (parte entera)

La constante pi: el número 3.1415927.

Los ángulos se expresan en radianes. Cada función se aplica al operando que la sigue, con o sin paréntesis, y debe tener uno: e^x es un error, e(x) es correcto.</translation>
    </message>
    <message>
        <source>Open the help</source>
        <translation>Abrir la ayuda</translation>
    </message>
    <message>
        <source>Save the active graph as an image, SVG or PDF file of the size you choose
Export Graph</source>
        <translation>Guardar la gráfica activa como archivo de imagen, SVG o PDF del tamaño que elija
Exportar gráfica</translation>
    </message>
    <message>
        <source>Show the active graph on the whole screen; F11 or Esc goes back
Full Screen Graph</source>
        <translation>Mostrar la gráfica activa en toda la pantalla; F11 o Esc vuelve atrás
Gráfica a pantalla completa</translation>
    </message>
    <message>
        <source>X Scale and Y Scale: the number of pixels per unit along each axis. Type a value or use the + and - buttons, which redraw the graph at once.

Quality: the number of samples taken in each pixel column. A lower quality is faster but the curve may be dotted; a higher quality is slower but draws a complete line.

Plot dy/dx: plots the derivative f&apos;(x) of the function.

Integrate: evaluates the definite integral of the function between two limits that you type.

Evaluate and Eval dy/dx: give the value of the function, or of its derivative, at an x that you choose.

The information box shows the maximum, minimum and mean of the plotted values after each plot.

Move the mouse over the graph to see the co-ordinates under the pointer. A * after them means the point lies on the curve. The status bar of the main window shows the same point with as many decimals as the scale warrants, such as x = 1.25, y = -0.375 at scale 80.

Grid: View &gt; Grid (Ctrl+G) draws a grid with labelled ticks under every graph, to read values off the picture. The lines are 1, 2 or 5 times a power of ten units apart, at least 40 pixels, so they follow the scales. The choice holds for every graph and is remembered; with Do not clear previous graph ticked no grid is drawn.

Keyboard: Enter in the expression box plots. Alt with a button&apos;s underlined letter presses it (Alt+P plots); Alt+Shift with an arrow key changes a scale as its + and - buttons do. Tab also reaches the graph, whose border then shows the highlight colour: there the arrow keys move the view a tenth of the graph at a time, one pixel with Shift.

Tools menu: Find Roots, Find Extrema and Find Intersections (with every other shown explicit function) look at the selected function as the graph shows it, over the x range of the graph: one sample per pixel column, at the x the graph is drawn with. The points found are listed in the Points window (function, kind, x and y, in order of x) and ringed on the graph until it is drawn again. Choose a row to see its point in the status bar; Copy (Ctrl+C) copies the rows with a header line, a tab between the columns, and Export CSV saves them as a file. One command lists at most 1000 points.

A root is found between every two neighbouring samples of opposite sign, and at every sample that is exactly 0. Its x is a number where f is 0, or where f changes sign towards the next number (as closely as the program&apos;s numbers go) with no larger size there. Where the size of f keeps growing from both sides as the search closes in (a pole, as tan x at pi/2, or a jump, as x - floor(x) - 0.5 at 1), no root is listed. A minimum or maximum whose value is 0 is a root too: the curve touches zero there.

A maximum (minimum) is found at every sample above (below) both its neighbours; a run of equal samples counts once. Its x gives a value no smaller (larger) than the samples around it and than the numbers just beside it. Poles and infinite values are not listed as maxima or minima. An intersection of two functions is a root of their difference; its y is the value of the first.

Table of Values asks for From, To and Step and lists x, f(x) and dy/dx (as Eval dy/dx gives it) for x = From, From + Step, ... up to To. A step of 0, a step that leads away from To, or more than 100000 rows is refused. Copy and Export CSV work as in the Points window.

The graph at any size: View &gt; Full Screen Graph (F11) shows the graph on the whole screen, where the wheel, dragging and the View commands work as over the form; F11, or Esc when nothing is being drawn, goes back. File &gt; Export Graph asks for the picture&apos;s size and whether to keep the visible region (the scales grow with the picture) or the scales (a bigger picture shows more), then writes an image, or an SVG or PDF file that holds the graph as lines and text.</source>
        <translation>Escala X y Escala Y: el número de píxeles por unidad a lo largo de cada eje. Escriba un valor o use los botones + y -, que vuelven a trazar la gráfica al instante.

Calidad: el número de muestras que se toman en cada columna de píxeles. Una calidad baja es más rápida, pero la curva puede verse punteada; una calidad alta es más lenta, pero traza una línea continua.

Trazar dy/dx: traza la derivada f&apos;(x) de la función.

Integrar: calcula la integral definida de la función entre dos límites que usted escribe.

Evaluar y Eval. dy/dx: dan el valor de la función, o de su derivada, en el x que usted elija.

El cuadro de información muestra el máximo, el mínimo y la media de los valores trazados después de cada trazado.

Mueva el ratón sobre la gráfica para ver las coordenadas bajo el puntero. Un * detrás de ellas indica que el punto está sobre la curva. La barra de estado de la ventana principal muestra el mismo punto con tantos decimales como justifica la escala, por ejemplo x = 1.25, y = -0.375 con escala 80.

Cuadrícula: Ver &gt; Cuadrícula (Ctrl+G) dibuja bajo cada gráfica una cuadrícula con marcas rotuladas, para leer valores en la imagen. Las líneas están separadas 1, 2 o 5 veces una potencia de diez unidades, al menos 40 píxeles, de modo que siguen las escalas. La elección vale para todas las gráficas y se recuerda; con «No borrar gráfica anterior» marcada no se dibuja cuadrícula.

Teclado: Intro en el cuadro de la expresión traza la gráfica. Alt con la letra subrayada de un botón lo pulsa (Alt+T traza); Alt+Mayús con una tecla de flecha cambia una escala como sus botones + y -. El tabulador también llega a la gráfica, cuyo borde toma entonces el color de resaltado: allí las teclas de flecha desplazan la vista una décima parte de la gráfica cada vez, un píxel con Mayús.

Menú Herramientas: «Buscar raíces», «Buscar extremos» y «Buscar intersecciones» (con cada otra función explícita visible) examinan la función seleccionada tal como la muestra la gráfica, en su intervalo de x: una muestra por columna de píxeles, en el x con que se traza la gráfica. Los puntos encontrados se listan en la ventana «Puntos» (función, tipo, x e y, en orden de x) y se marcan con un círculo en la gráfica hasta que se vuelve a trazar. Elija una fila para ver su punto en la barra de estado; «Copiar» (Ctrl+C) copia las filas con una línea de encabezado y un tabulador entre las columnas, y «Exportar CSV» las guarda en un archivo. Una orden lista como máximo 1000 puntos.

Se encuentra una raíz entre cada dos muestras vecinas de signo opuesto, y en cada muestra que vale exactamente 0. Su x es un número donde f vale 0, o donde f cambia de signo hacia el número siguiente (tan cerca como llegan los números del programa) sin ser allí mayor en valor absoluto. Donde el valor absoluto de f no deja de crecer por ambos lados a medida que la búsqueda se estrecha (un polo, como tan x en pi/2, o un salto, como x - floor(x) - 0.5 en 1), no se lista ninguna raíz. Un mínimo o un máximo de valor 0 también es una raíz: allí la curva toca el cero.

Se encuentra un máximo (mínimo) en cada muestra por encima (por debajo) de sus dos vecinas; una serie de muestras iguales cuenta una vez. Su x da un valor no menor (mayor) que las muestras que lo rodean y que los números justo a su lado. Los polos y los valores infinitos no se listan como máximos ni mínimos. Una intersección de dos funciones es una raíz de su diferencia; su y es el valor de la primera.

«Tabla de valores» pide «Desde», «Hasta» y «Paso» y lista x, f(x) y dy/dx (como lo da «Eval. dy/dx») para x = Desde, Desde + Paso, ... hasta Hasta. Se rechaza un paso de 0, un paso que se aleja de Hasta o más de 100000 filas. «Copiar» y «Exportar CSV» funcionan como en la ventana «Puntos».

La gráfica a cualquier tamaño: Ver &gt; Gráfica a pantalla completa (F11) muestra la gráfica en toda la pantalla, donde la rueda, el arrastre y las órdenes del menú Ver funcionan como sobre el formulario; F11, o Esc cuando no se está dibujando nada, vuelve atrás. Archivo &gt; Exportar gráfica pregunta el tamaño de la imagen y si se mantiene la región visible (las escalas crecen con la imagen) o las escalas (una imagen mayor muestra más), y luego escribe una imagen, o un archivo SVG o PDF que contiene la gráfica como líneas y texto.</translation>
    </message>
    <message>
        <source>Show or hide the sliders of the graph&apos;s parameters (Ctrl+Shift+P goes to them)
Toggle Parameter List</source>
        <translation>Mostrar u ocultar los deslizadores de los parámetros de la gráfica (Ctrl+Mayús+P lleva a ellos)
Lista de parámetros</translation>
    </message>
    <message>
        <source>Type a function of x into the box at the top of the graph window and click Plot. Plovex draws y = f(x) across the graph, whose axes cross at its centre.

Example: x^2 + 5*x + 6

Built-in functions may be written with or without parentheses: sin x and sin(x) mean the same. A function takes the operand right after it: sin x^2 is (sin x)^2, and sin 2x is (sin 2)*x, so write sin(2x).

Multiplication may be left out between operands, with the same precedence as *: 2x is 2*x, 2(x+1) is 2*(x+1), (x+1)(x-1), x sin x and, in implicit functions, x y multiply too; 2x^2 is 2*x^2 and 1/2x is (1/2)*x. The postfix box shows the *.

Numbers may have an exponent: 1e5 is 100000, 2.5e-3 is 0.0025, and x^2-1e-2 is x^2 - 0.01. pi is the number 3.1415927: x*pi, 2pi.

A name is letters with any digits right after them: log10(x) and sin2x are unknown names, not log(10)*x or sin(2)*x. An unknown name is reported, as is a function with no argument after it: e^x gives &quot;Function &apos;e&apos; has no argument.&quot;; write e(x) or e x for e to the power x.

Implicit functions: tick Implicit function and enter f(x, y) without an equals sign. Plovex draws every point where f(x, y) = 0.

Example: x^2 + y^2 - 25 draws a circle of radius 5.

Several functions: the Functions list beside the graphs (View &gt; Function List, Ctrl+Shift+L) holds every function of the graph, each in its own colour. New Function (Insert) adds one; choose a row to edit its function in the form. A row&apos;s box shows or hides its function (Space), Colour... (F2) changes its colour, and Delete Function, Move Up and Move Down (Alt+Up, Alt+Down) do as they say. Plot draws every shown function; the statistics, the pointer readout, Evaluate, Eval dy/dx, Integrate and Plot dy/dx act on the selected one.

Parameters: a name of your own, such as a and b in a*sin(b*x), is a parameter of the graph. Plot offers to create each one not yet defined, with the value 1 from -5 to 5 in steps of 0.1. The Parameters list below the functions (View &gt; Parameter List, Ctrl+Shift+P) has a slider for each, with its value, range and step; moving a slider (the arrow keys by one step, Page Up and Page Down by ten) redraws every window of the graph at once. Its ▶ button plays: the slider moves from the minimum to the maximum and back until you press ■ or Esc. Add (Insert) makes a new parameter and ✕ deletes one; type a new name into its name box to rename it.</source>
        <translation>Escriba una función de x en el cuadro de la parte superior de la ventana de la gráfica y pulse «Trazar». Plovex traza y = f(x) a lo ancho de la gráfica, cuyos ejes se cruzan en su centro.

Ejemplo: x^2 + 5*x + 6

Las funciones incorporadas se pueden escribir con o sin paréntesis: sin x y sin(x) significan lo mismo. Una función se aplica al operando que la sigue: sin x^2 es (sin x)^2, y sin 2x es (sin 2)*x, así que escriba sin(2x).

El signo de multiplicación puede omitirse entre operandos, con la misma precedencia que *: 2x es 2*x, 2(x+1) es 2*(x+1), y (x+1)(x-1), x sin x y, en las funciones implícitas, x y también se multiplican; 2x^2 es 2*x^2 y 1/2x es (1/2)*x. La forma posfija muestra el *.

Los números pueden llevar exponente: 1e5 es 100000, 2.5e-3 es 0.0025, y x^2-1e-2 es x^2 - 0.01. pi es el número 3.1415927: x*pi, 2pi.

Un nombre se compone de letras y de los dígitos que las siguen directamente: log10(x) y sin2x son nombres desconocidos, no log(10)*x ni sin(2)*x. Plovex avisa de un nombre desconocido y también de una función sin argumento detrás: con e^x indica que la función «e» no tiene argumento; escriba e(x) o e x para e elevado a x.

Funciones implícitas: marque «Implícita» y escriba f(x, y) sin signo igual. Plovex traza todos los puntos donde f(x, y) = 0.

Ejemplo: x^2 + y^2 - 25 traza una circunferencia de radio 5.

Varias funciones: la lista «Funciones» junto a las gráficas (Ver &gt; Lista de funciones, Ctrl+Mayús+L) contiene cada función de la gráfica, cada una en su color. «Nueva función» (Insert) añade una; elija una fila para editar su función en el formulario. La casilla de una fila muestra u oculta su función (Espacio), «Color...» (F2) cambia su color, y «Eliminar función», «Subir» y «Bajar» (Alt+Arriba, Alt+Abajo) hacen lo que dicen. «Trazar» dibuja cada función visible; las estadísticas, la lectura del puntero, «Evaluar», «Eval. dy/dx», «Integrar» y «Trazar dy/dx» actúan sobre la seleccionada.

Parámetros: un nombre propio, como a y b en a*sin(b*x), es un parámetro de la gráfica. «Trazar» ofrece crear cada uno que aún no esté definido, con el valor 1 de -5 a 5 en pasos de 0.1. La lista «Parámetros» bajo las funciones (Ver &gt; Lista de parámetros, Ctrl+Mayús+P) tiene un deslizador para cada uno, con su valor, su intervalo y su paso; mover un deslizador (un paso con las flechas, diez con Re Pág y Av Pág) vuelve a dibujar al instante cada ventana de la gráfica. Su botón ▶ lo anima: el deslizador va del mínimo al máximo y vuelve, hasta que pulse ■ o Esc. «Añadir» (Insert) crea un parámetro nuevo y ✕ elimina uno; escriba un nombre nuevo en su casilla de nombre para cambiárselo.</translation>
    </message>
    <message>
        <source>Redo the previously undone action
Redo</source>
        <translation>Rehacer la última acción deshecha
Rehacer</translation>
    </message>
</context>
<context>
    <name>plovex::CCurveEditor</name>
    <message>
        <source>to</source>
        <translation>hasta</translation>
    </message>
    <message>
        <source>y(t)</source>
        <translation>y(t)</translation>
    </message>
    <message>
        <source>x(t)</source>
        <translation>x(t)</translation>
    </message>
    <message>
        <source>r(t)</source>
        <translation>r(t)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a finite number. The range of t stays from %2 to %3.</source>
        <translation>«%1» no es un número finito. El intervalo de t sigue siendo de %2 a %3.</translation>
    </message>
    <message>
        <source>y(t) =</source>
        <translation>y(t) =</translation>
    </message>
    <message>
        <source>t from</source>
        <translation>t desde</translation>
    </message>
    <message>
        <source>Start of the range of t</source>
        <translation>Inicio del intervalo de t</translation>
    </message>
    <message>
        <source>End of the range of t</source>
        <translation>Fin del intervalo de t</translation>
    </message>
    <message>
        <source>x(t) =</source>
        <translation>x(t) =</translation>
    </message>
    <message>
        <source>r(t) =</source>
        <translation>r(t) =</translation>
    </message>
</context>
<context>
    <name>plovex::CFrameActions</name>
    <message>
        <source>&amp;Undo %1</source>
        <translation>&amp;Deshacer: %1</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Deshacer</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>&amp;Rehacer: %1</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rehacer</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nuevo</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Abrir...</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Guardar</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Guardar c&amp;omo...</translation>
    </message>
    <message>
        <source>&amp;Export Graph...</source>
        <translation>&amp;Exportar gráfica...</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Imprimir...</translation>
    </message>
    <message>
        <source>Print Pre&amp;view...</source>
        <translation>&amp;Vista previa de impresión...</translation>
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
        <source>Recent File</source>
        <translation>Archivo reciente</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation>&amp;Barra de herramientas</translation>
    </message>
    <message>
        <source>&amp;Status Bar</source>
        <translation>Barra de e&amp;stado</translation>
    </message>
    <message>
        <source>&amp;Grid</source>
        <translation>&amp;Cuadrícula</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>&amp;Acercar</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>Ale&amp;jar</translation>
    </message>
    <message>
        <source>&amp;Reset View</source>
        <translation>&amp;Restablecer vista</translation>
    </message>
    <message>
        <source>&amp;Equal Scales</source>
        <translation>&amp;Igualar escalas</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>A&amp;trás</translation>
    </message>
    <message>
        <source>For&amp;ward</source>
        <translation>A&amp;delante</translation>
    </message>
    <message>
        <source>F&amp;ull Screen Graph</source>
        <translation>&amp;Gráfica a pantalla completa</translation>
    </message>
    <message>
        <source>&amp;Function List</source>
        <translation>&amp;Lista de funciones</translation>
    </message>
    <message>
        <source>&amp;New Function</source>
        <translation>&amp;Nueva función</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nueva</translation>
    </message>
    <message>
        <source>&amp;Delete Function</source>
        <translation>&amp;Eliminar función</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>&amp;Colour...</source>
        <translation>&amp;Color...</translation>
    </message>
    <message>
        <source>Colour</source>
        <translation>Color</translation>
    </message>
    <message>
        <source>Move &amp;Up</source>
        <translation>&amp;Subir</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Subir</translation>
    </message>
    <message>
        <source>Move Do&amp;wn</source>
        <translation>&amp;Bajar</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Bajar</translation>
    </message>
    <message>
        <source>Find &amp;Roots</source>
        <translation>Buscar &amp;raíces</translation>
    </message>
    <message>
        <source>Find &amp;Extrema</source>
        <translation>Buscar &amp;extremos</translation>
    </message>
    <message>
        <source>Find &amp;Intersections</source>
        <translation>Buscar &amp;intersecciones</translation>
    </message>
    <message>
        <source>&amp;Table of Values...</source>
        <translation>&amp;Tabla de valores...</translation>
    </message>
    <message>
        <source>&amp;New Window</source>
        <translation>&amp;Nueva ventana</translation>
    </message>
    <message>
        <source>&amp;Cascade</source>
        <translation>&amp;Cascada</translation>
    </message>
    <message>
        <source>&amp;Tile</source>
        <translation>&amp;Mosaico</translation>
    </message>
    <message>
        <source>&amp;Arrange Icons</source>
        <translation>&amp;Organizar iconos</translation>
    </message>
    <message>
        <source>&amp;Using Plovex</source>
        <translation>&amp;Uso de Plovex</translation>
    </message>
    <message>
        <source>&amp;About Plovex...</source>
        <translation>&amp;Acerca de Plovex...</translation>
    </message>
    <message>
        <source>Ne&amp;xt Pane</source>
        <translation>Panel &amp;siguiente</translation>
    </message>
    <message>
        <source>Pre&amp;vious Pane</source>
        <translation>Panel &amp;anterior</translation>
    </message>
</context>
<context>
    <name>plovex::CFrameMenus</name>
    <message>
        <source>&amp;Edit</source>
        <translation>E&amp;dición</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ver</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>&amp;Herramientas</translation>
    </message>
    <message>
        <source>&amp;Window</source>
        <translation>V&amp;entana</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Ay&amp;uda</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
</context>
<context>
    <name>plovex::CFrameToolBar</name>
    <message>
        <source>Standard</source>
        <translation>Estándar</translation>
    </message>
</context>
<context>
    <name>plovex::CFullScreenGraph</name>
    <message>
        <source>Graph</source>
        <translation>Gráfica</translation>
    </message>
    <message>
        <source>Pointer position</source>
        <translation>Posición del puntero</translation>
    </message>
    <message>
        <source>F11 or Esc: back to the window</source>
        <translation>F11 o Esc: volver a la ventana</translation>
    </message>
</context>
<context>
    <name>plovex::CFunctionBar</name>
    <message>
        <source>(empty)</source>
        <translation>(vacía)</translation>
    </message>
    <message>
        <source>shown</source>
        <translation>visible</translation>
    </message>
    <message>
        <source>hidden</source>
        <translation>oculta</translation>
    </message>
    <message>
        <source>Parametric: x = %1, y = %2</source>
        <translation>Paramétrica: x = %1, y = %2</translation>
    </message>
    <message>
        <source>Polar: r = %1</source>
        <translation>Polar: r = %1</translation>
    </message>
</context>
<context>
    <name>plovex::CHelpDlg</name>
    <message>
        <source>Introduction</source>
        <translation>Introducción</translation>
    </message>
    <message>
        <source>Plotting Graphs</source>
        <translation>Trazar gráficas</translation>
    </message>
    <message>
        <source>Function List</source>
        <translation>Lista de funciones</translation>
    </message>
    <message>
        <source>Additional Features</source>
        <translation>Otras posibilidades</translation>
    </message>
    <message>
        <source>Other Uses of Plovex</source>
        <translation>Otros usos de Plovex</translation>
    </message>
    <message>
        <source>Examples</source>
        <translation>Ejemplos</translation>
    </message>
</context>
<context>
    <name>plovex::CNewFunctionMenu</name>
    <message>
        <source>&amp;Explicit y = f(x)</source>
        <translation>&amp;Explícita y = f(x)</translation>
    </message>
    <message>
        <source>&amp;Implicit f(x, y) = 0</source>
        <translation>&amp;Implícita f(x, y) = 0</translation>
    </message>
    <message>
        <source>&amp;Parametric x(t), y(t)</source>
        <translation>&amp;Paramétrica x(t), y(t)</translation>
    </message>
    <message>
        <source>P&amp;olar r(t)</source>
        <translation>P&amp;olar r(t)</translation>
    </message>
</context>
<context>
    <name>plovex::CParameterBar</name>
    <message>
        <source>Parameters</source>
        <translation>Parámetros</translation>
    </message>
    <message>
        <source>&amp;Parameter List</source>
        <translation>Lista de &amp;parámetros</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Añadir</translation>
    </message>
    <message>
        <source>Add parameter</source>
        <translation>Añadir parámetro</translation>
    </message>
    <message>
        <source>Add a parameter (Insert)</source>
        <translation>Añadir un parámetro (Insert)</translation>
    </message>
</context>
<context>
    <name>plovex::CParameterRow</name>
    <message>
        <source>from</source>
        <translation>desde</translation>
    </message>
    <message>
        <source>to</source>
        <translation>hasta</translation>
    </message>
    <message>
        <source>step</source>
        <translation>paso</translation>
    </message>
    <message>
        <source>Name of parameter %1</source>
        <translation>Nombre del parámetro %1</translation>
    </message>
    <message>
        <source>Slider of %1</source>
        <translation>Deslizador de %1</translation>
    </message>
    <message>
        <source>Value of %1</source>
        <translation>Valor de %1</translation>
    </message>
    <message>
        <source>Minimum of %1</source>
        <translation>Mínimo de %1</translation>
    </message>
    <message>
        <source>Maximum of %1</source>
        <translation>Máximo de %1</translation>
    </message>
    <message>
        <source>Step of %1</source>
        <translation>Paso de %1</translation>
    </message>
    <message>
        <source>Delete %1</source>
        <translation>Eliminar %1</translation>
    </message>
    <message>
        <source>Stop %1</source>
        <translation>Detener %1</translation>
    </message>
    <message>
        <source>Play %1</source>
        <translation>Animar %1</translation>
    </message>
</context>
<context>
    <name>plovex::CPlovexApp</name>
    <message>
        <source>All Files (*)</source>
        <translation>Todos los archivos (*)</translation>
    </message>
</context>
<context>
    <name>plovex::CPlovexDoc</name>
    <message>
        <source>Cannot open the document &quot;%1&quot;.

%2</source>
        <translation>No se puede abrir el documento «%1».

%2</translation>
    </message>
    <message>
        <source>Cannot save the document &quot;%1&quot;.

%2</source>
        <translation>No se puede guardar el documento «%1».

%2</translation>
    </message>
    <message>
        <source>It is not a Plovex graph: %1</source>
        <translation>No es una gráfica de Plovex: %1</translation>
    </message>
    <message>
        <source>The graph settings stored in &quot;%1&quot; are damaged. The expression opens with the default scales and quality.</source>
        <translation>Los ajustes de la gráfica guardados en «%1» están dañados. La expresión se abre con las escalas y la calidad predeterminadas.</translation>
    </message>
    <message>
        <source>The parameters stored in &quot;%1&quot; are damaged. The functions open without parameters.</source>
        <translation>Los parámetros guardados en «%1» están dañados. Las funciones se abren sin parámetros.</translation>
    </message>
</context>
<context>
    <name>plovex::CPlovexView</name>
    <message>
        <source>Evaluate function for what value of x?</source>
        <translation>¿Para qué valor de x se evalúa la función?</translation>
    </message>
    <message>
        <source>Evaluate dy/dx for what value of x?</source>
        <translation>¿Para qué valor de x se evalúa dy/dx?</translation>
    </message>
    <message>
        <source>Enter lower limit for integration:</source>
        <translation>Introduzca el límite inferior de integración:</translation>
    </message>
    <message>
        <source>Enter upper limit for integration:</source>
        <translation>Introduzca el límite superior de integración:</translation>
    </message>
    <message>
        <source>&amp;Copy Graph</source>
        <translation>&amp;Copiar gráfica</translation>
    </message>
    <message>
        <source>&amp;Export Graph...</source>
        <translation>&amp;Exportar gráfica...</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Imprimir...</translation>
    </message>
    <message>
        <source>Cannot print the graph: the printer did not accept the page.</source>
        <translation>No se puede imprimir la gráfica: la impresora no aceptó la página.</translation>
    </message>
    <message>
        <source>Export Graph</source>
        <translation>Exportar gráfica</translation>
    </message>
    <message>
        <source>Cannot print the graph to &quot;%1&quot;.

%2</source>
        <translation>No se puede imprimir la gráfica en «%1».

%2</translation>
    </message>
    <message>
        <source>Roots, extrema and tables of values are found for explicit functions: clear Implicit function and plot.</source>
        <translation>Las raíces, los extremos y las tablas de valores solo se calculan para funciones explícitas: desmarque «Implícita» y trace.</translation>
    </message>
    <message>
        <source>Cannot zoom in further: the scale would become infinite.</source>
        <translation>No se puede acercar más: la escala se volvería infinita.</translation>
    </message>
    <message>
        <source>Cannot zoom out further: the scale would become zero.</source>
        <translation>No se puede alejar más: la escala se volvería cero.</translation>
    </message>
    <message>
        <source>Cannot zoom in further: neighbouring pixels would show the same value.</source>
        <translation>No se puede acercar más: píxeles vecinos mostrarían el mismo valor.</translation>
    </message>
    <message>
        <source>Cannot zoom out further: neighbouring pixels would show the same value.</source>
        <translation>No se puede alejar más: píxeles vecinos mostrarían el mismo valor.</translation>
    </message>
    <message>
        <source>Cannot make the scales equal: the x scale cannot be used for y.</source>
        <translation>No se pueden igualar las escalas: la escala x no sirve para y.</translation>
    </message>
    <message>
        <source>Roots, extrema and tables of values are found for explicit functions y = f(x), not for parametric or polar curves.</source>
        <translation>Las raíces, los extremos y las tablas de valores solo se calculan para funciones explícitas y = f(x), no para curvas paramétricas ni polares.</translation>
    </message>
</context>
<context>
    <name>plovex::CPointsDlg</name>
    <message>
        <source>Function</source>
        <translation>Función</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copiar</translation>
    </message>
    <message>
        <source>&amp;Export CSV...</source>
        <translation>&amp;Exportar CSV...</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>Puntos</translation>
    </message>
    <message>
        <source>root</source>
        <translation>raíz</translation>
    </message>
    <message>
        <source>minimum</source>
        <translation>mínimo</translation>
    </message>
    <message>
        <source>maximum</source>
        <translation>máximo</translation>
    </message>
    <message>
        <source>intersection with function %1</source>
        <translation>intersección con la función %1</translation>
    </message>
    <message>
        <source>%1 of %2: x = %3, y = %4</source>
        <translation>%1 de %2: x = %3, y = %4</translation>
    </message>
</context>
<context>
    <name>plovex::CToolWindows</name>
    <message>
        <source>There is no other shown explicit function in this graph to meet: add one with New Function, or show one in the function list.</source>
        <translation>Esta gráfica no muestra ninguna otra función explícita con la que cortarse: añada una con «Nueva función» o muestre una en la lista de funciones.</translation>
    </message>
    <message>
        <source>Roots of %1</source>
        <translation>Raíces de %1</translation>
    </message>
    <message>
        <source>Minima and maxima of %1</source>
        <translation>Mínimos y máximos de %1</translation>
    </message>
    <message>
        <source>Intersections of %1</source>
        <translation>Intersecciones de %1</translation>
    </message>
    <message>
        <source>%1 for x from %2 to %3</source>
        <translation>%1 para x de %2 a %3</translation>
    </message>
    <message>
        <source>%1: none found.</source>
        <comment>roots</comment>
        <translation>%1: no se encontró ninguna.</translation>
    </message>
    <message numerus="yes">
        <source>%1: %n found.</source>
        <comment>roots</comment>
        <translation>
            <numerusform>%1: %n encontrada.</numerusform>
            <numerusform>%1: %n encontradas.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: none found.</source>
        <comment>minima and maxima</comment>
        <translation>%1: no se encontró ninguno.</translation>
    </message>
    <message numerus="yes">
        <source>%1: %n found.</source>
        <comment>minima and maxima</comment>
        <translation>
            <numerusform>%1: %n encontrado.</numerusform>
            <numerusform>%1: %n encontrados.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: none found.</source>
        <comment>intersections</comment>
        <translation>%1: no se encontró ninguna.</translation>
    </message>
    <message numerus="yes">
        <source>%1: %n found.</source>
        <comment>intersections</comment>
        <translation>
            <numerusform>%1: %n encontrada.</numerusform>
            <numerusform>%1: %n encontradas.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>plovex::CValueTableDlg</name>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copiar</translation>
    </message>
    <message>
        <source>&amp;Export CSV...</source>
        <translation>&amp;Exportar CSV...</translation>
    </message>
    <message>
        <source>%1 - Table of Values</source>
        <translation>%1 - Tabla de valores</translation>
    </message>
</context>
<context>
    <name>plovex::DataTable</name>
    <message>
        <source>Export CSV</source>
        <translation>Exportar CSV</translation>
    </message>
    <message>
        <source>CSV files (*.csv);;All files (*)</source>
        <translation>Archivos CSV (*.csv);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>No se puede escribir %1: %2</translation>
    </message>
</context>
<context>
    <name>plovex::DocumentTemplate</name>
    <message>
        <source>Save As</source>
        <translation>Guardar como</translation>
    </message>
</context>
</TS>
