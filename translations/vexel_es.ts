<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>ClassResults</name>
    <message>
        <source>Vexel Lumora - class results</source>
        <translation>Vexel Lumora - resultados de la clase</translation>
    </message>
    <message>
        <source>Languages</source>
        <translation>Idiomas</translation>
    </message>
    <message>
        <source>Class folder</source>
        <translation>Carpeta de la clase</translation>
    </message>
    <message>
        <source>Choose folder...</source>
        <translation>Elegir carpeta...</translation>
    </message>
    <message>
        <source>No folder chosen</source>
        <translation>Ninguna carpeta elegida</translation>
    </message>
    <message>
        <source>The folder cannot be read</source>
        <translation>No se puede leer la carpeta</translation>
    </message>
    <message>
        <source>Export plots...</source>
        <translation>Exportar gráficos...</translation>
    </message>
    <message>
        <source>Export table...</source>
        <translation>Exportar tabla...</translation>
    </message>
    <message>
        <source>Export failed</source>
        <translation>Error al exportar</translation>
    </message>
    <message>
        <source>Saved %1</source>
        <extracomment>%1 the file written.</extracomment>
        <translation>Guardado %1</translation>
    </message>
    <message>
        <source>Students</source>
        <translation>Alumnos</translation>
    </message>
    <message>
        <source>Files not used</source>
        <translation>Archivos no usados</translation>
    </message>
    <message>
        <source>Class lifetime</source>
        <translation>Tiempo de vida de la clase</translation>
    </message>
    <message>
        <source>Name|Surname|Grade|Combination|Entries|Lifetimes saved</source>
        <extracomment>Column titles of the students&apos; table, separated by |.</extracomment>
        <translation>Nombre|Apellidos|Curso|Combinación|Entradas|Tiempos de vida guardados</translation>
    </message>
    <message>
        <source>File|Reason|Details</source>
        <extracomment>Column titles of the table of files not used, separated by |.</extracomment>
        <translation>Archivo|Motivo|Detalles</translation>
    </message>
    <message>
        <source>Trend:</source>
        <translation>Tendencia:</translation>
    </message>
    <message>
        <source>%1 files used, %2 not used; %3 students; %4 entries; %5 of %6 combinations</source>
        <translation>%1 archivos usados, %2 no usados; %3 alumnos; %4 entradas; %5 de %6 combinaciones</translation>
    </message>
    <message>
        <source>No fit: too few entries</source>
        <translation>Sin ajuste: muy pocas entradas</translation>
    </message>
    <message>
        <source>D^{0} mass (MeV/c^{2})</source>
        <extracomment>Axis title; ^{...} raises, as in D^{0}.</extracomment>
        <translation>Masa del D^{0} (MeV/c^{2})</translation>
    </message>
    <message>
        <source>Candidates / (2 MeV/c^{2})</source>
        <translation>Candidatos / (2 MeV/c^{2})</translation>
    </message>
    <message>
        <source>True D^{0} mass: 1864.84 MeV/c^{2}</source>
        <translation>Masa real del D^{0}: 1864.84 MeV/c^{2}</translation>
    </message>
    <message>
        <source>True lifetime: 0.4101 ps</source>
        <translation>Tiempo de vida real: 0.4101 ps</translation>
    </message>
    <message>
        <source>Class mean</source>
        <translation>Media de la clase</translation>
    </message>
    <message>
        <source>Students&apos; results</source>
        <translation>Resultados de los alumnos</translation>
    </message>
    <message>
        <source>Signal</source>
        <translation>Señal</translation>
    </message>
    <message>
        <source>Entries</source>
        <translation>Entradas</translation>
    </message>
    <message>
        <source>lower PT cut|upper IP cut|upper PT cut|lower IP cut</source>
        <extracomment>The four trends of the lifetime against a cut, separated by |.</extracomment>
        <translation>corte inferior de PT|corte superior de IP|corte superior de PT|corte inferior de IP</translation>
    </message>
    <message>
        <source>Mean</source>
        <translation>Media</translation>
    </message>
    <message>
        <source>Fitted D^{0} lifetime (ps)</source>
        <translation>Tiempo de vida del D^{0} ajustado (ps)</translation>
    </message>
    <message>
        <source>Combinations used: %1</source>
        <translation>Combinaciones usadas: %1</translation>
    </message>
    <message>
        <source>used</source>
        <extracomment>Why a file in the class folder is used or not.</extracomment>
        <translation>usado</translation>
    </message>
    <message>
        <source>not named like a student&apos;s file</source>
        <translation>su nombre no es el de un archivo de alumno</translation>
    </message>
    <message>
        <source>not a ROOT file</source>
        <translation>no es un archivo ROOT</translation>
    </message>
    <message>
        <source>truncated or damaged</source>
        <translation>truncado o dañado</translation>
    </message>
    <message>
        <source>wrong binning</source>
        <translation>intervalos del histograma incorrectos</translation>
    </message>
    <message>
        <source>foreign file</source>
        <translation>archivo ajeno</translation>
    </message>
    <message>
        <source>cannot be read</source>
        <translation>no se puede leer</translation>
    </message>
    <message>
        <source>superseded by a newer copy</source>
        <translation>sustituido por una copia más reciente</translation>
    </message>
    <message>
        <source>Dismiss</source>
        <translation>Cerrar</translation>
    </message>
</context>
<context>
    <name>D0Exercise</name>
    <message>
        <source>Welcome to the Vexel lumora exercise on measuring the lifetime of the D0 meson. 
The goal of this exercise is to measure the lifetime of the D0 meson, a fundamental
particle made of a charm quark and an up anti-quark. In order to do so, you will
first learn how to separate signal D0 mesons from backgrounds. Finally, you will
compare your results to the values found by the Particle Data Group (%1).
Step-by-step instructions :
1. Plot the D0 mass distribution. The mass of the D0 is a fundamendal variable
which separates signal (the peaking structure in the middle) from the flat
background.
2. Read the results of the fit and use them to determine the signal range. The
function being fitted to the signal is a Gaussian, whose width, indicated by
the greek letter sigma, is related to how far the signal extends from the mean
(or most probable) value. In particular, an interval of +-1 sigma around the mean
value contains 68% of the signal, while +-3 sigma contains 99.7% of the signal.
Use the slider to set the signal range to be +-3 sigma around the mean value.
3. Plot the variable distributions. You will see three further plots appearing, and
in each one the blue points represent the distribution of the signal in that variable
while the red points represent the distribution of the background. The plot is logarithmic
in the Y axis, and each point represents the fraction of the total signal in that bin.
Which regions of each variable contain mostly signal? Which contain mostly background?
4. Fit the lifetime distribution. Save the results
of your fit and compare them to the PDG value. Do they agree?
5. Repeat step 4 but now varying the upper D0 log(IP) variable range
from 1.5 to -2 in steps of 0.2. Do you notice a pattern?
6. Talk to a demonstrator about your results. Does the D0 lifetime with an log(IP) cut of
-1.5 agree better or worse with the PDG than the lifetime with an log(IP) cut of 1.5?
</source>
        <extracomment>The instructions window, 700 x 600 pixels with a fixed-width text; lay the lines out as the language needs. %1 is the address of the particle-data reference pages.</extracomment>
        <translation>Bienvenido al ejercicio de Vexel Lumora sobre la medida del tiempo de vida
del mesón D0.

El objetivo de este ejercicio es medir el tiempo de vida del mesón D0, una
partícula formada por un quark c (encanto) y un antiquark u. Para ello,
primero aprenderás a separar los mesones D0 de la señal del fondo. Por último,
compararás tus resultados con los valores del Particle Data Group (%1).

Instrucciones paso a paso:

1. Representa la distribución de masa del D0. La masa invariante del D0 es
una variable fundamental que separa la señal (el pico del centro) del fondo
plano.

2. Lee los resultados del ajuste y úsalos para fijar el intervalo de la señal.
La función ajustada a la señal es una gaussiana, cuya anchura, indicada con la
letra griega sigma, dice cuánto se extiende la señal alrededor del valor medio
(o más probable). En particular, un intervalo de +-1 sigma alrededor de la media
contiene el 68% de la señal, y uno de +-3 sigma contiene el 99,7%.
Usa el control deslizante para fijar el intervalo de la señal en +-3 sigma
alrededor del valor medio. Las zonas de fuera son las bandas laterales:
allí solo hay fondo.

3. Representa las distribuciones de las variables. Aparecerán tres gráficos más;
en cada uno, los puntos azules representan la distribución de la señal en esa
variable y los puntos rojos la distribución del fondo. El eje Y es logarítmico
y cada punto representa la fracción de la señal total en ese intervalo.
¿Qué regiones de cada variable contienen sobre todo señal? ¿Cuáles contienen
sobre todo fondo?

4. Ajusta la distribución del tiempo de vida. Guarda los resultados del ajuste
y compáralos con el valor del PDG. ¿Coinciden?

5. Repite el paso 4 variando el límite superior de la variable log(IP) del D0
(el logaritmo del parámetro de impacto) desde 1,5 hasta -2 en pasos de 0,2.
¿Observas alguna tendencia?

6. Comenta tus resultados con tu profesor o profesora. ¿El tiempo de vida del D0
con un corte de log(IP) en -1,5 coincide mejor o peor con el PDG que el tiempo
de vida con un corte de log(IP) en 1,5?

¡Buen trabajo!
</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>The signal range is empty:
its upper edge must lie above its lower edge.</source>
        <extracomment>Shown in a message window 350 pixels wide.</extracomment>
        <translation>El intervalo de la señal está vacío:
su límite superior debe estar por encima del inferior.</translation>
    </message>
    <message>
        <source>The decay-time range is empty:
its upper edge must lie above its lower edge.</source>
        <translation>El intervalo del tiempo de desintegración está vacío:
su límite superior debe estar por encima del inferior.</translation>
    </message>
    <message>
        <source>The fitted background line gives no positive
background in the sidebands, so the background
under the peak cannot be scaled from them.
Change the signal range or fit the mass again.</source>
        <translation>La recta de fondo ajustada no da un fondo positivo
en las bandas laterales, así que el fondo
bajo el pico no se puede escalar a partir de ellas.
Cambia el intervalo de la señal o vuelve a ajustar la masa.</translation>
    </message>
    <message>
        <source>There is nothing to fit:
no bin in the fit range holds candidates.</source>
        <translation>No hay nada que ajustar:
ningún intervalo del rango del ajuste contiene candidatos.</translation>
    </message>
    <message>
        <source>The fit did not converge.
Change the ranges and try again.</source>
        <translation>El ajuste no ha convergido.
Cambia los intervalos e inténtalo de nuevo.</translation>
    </message>
    <message>
        <source>Warning: the error matrix of the fit was not positive definite
and was forced to be; the errors shown are approximate.</source>
        <translation>Atención: la matriz de errores del ajuste no era definida positiva
y se ha forzado a serlo; los errores mostrados son aproximados.</translation>
    </message>
    <message>
        <source>The fit result and its error must be numbers
(for example 0.4101 or 0,4101). Nothing was saved.</source>
        <translation>El resultado del ajuste y su error deben ser números
(por ejemplo 0,4101 o 0.4101). No se ha guardado nada.</translation>
    </message>
    <message>
        <source>Your results could not be written to
%1
They are kept in the program; check the output directory
and save again.</source>
        <extracomment>%1 is the file, on a line of its own. Keep the line breaks.</extracomment>
        <translation>No se han podido escribir tus resultados en
%1
Se conservan en el programa; comprueba la carpeta de resultados
y vuelve a guardar.</translation>
    </message>
    <message>
        <source>Cannot open file %1
%2</source>
        <extracomment>%1 the file; %2, on the next line, why it cannot be opened. Keep the line breaks.</extracomment>
        <translation>No se puede abrir el archivo %1
%2</translation>
    </message>
    <message>
        <source>The file does not exist.</source>
        <translation>El archivo no existe.</translation>
    </message>
    <message>
        <source>The file cannot be read (no permission?).</source>
        <translation>El archivo no se puede leer (¿faltan permisos?).</translation>
    </message>
    <message>
        <source>The file is not a ROOT file, or it is damaged.</source>
        <translation>El archivo no es un archivo ROOT, o está dañado.</translation>
    </message>
    <message>
        <source>The file is damaged or cut short.</source>
        <translation>El archivo está dañado o incompleto.</translation>
    </message>
    <message>
        <source>The file holds no tree &quot;DecayTree&quot;.</source>
        <translation>El archivo no contiene el árbol &quot;DecayTree&quot;.</translation>
    </message>
    <message>
        <source>&quot;DecayTree&quot; in the file is not a tree.</source>
        <translation>&quot;DecayTree&quot; no es un árbol en este archivo.</translation>
    </message>
    <message>
        <source>The tree &quot;DecayTree&quot; has no branch &quot;%1&quot;.</source>
        <translation>El árbol &quot;DecayTree&quot; no tiene la rama &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>The branches of &quot;DecayTree&quot; do not hold one number per candidate.</source>
        <translation>Las ramas de &quot;DecayTree&quot; no contienen un número por candidato.</translation>
    </message>
    <message>
        <source>You must plot the invariant mass
distribution before attempting to fit it.</source>
        <translation>Debes representar la distribución de masa
invariante antes de intentar ajustarla.</translation>
    </message>
    <message>
        <source>You must plot the variable distributions
before attempting to fit the signal lifetime.</source>
        <translation>Debes representar las distribuciones de las variables
antes de intentar ajustar el tiempo de vida de la señal.</translation>
    </message>
    <message>
        <source>INSTRUCTIONS</source>
        <translation>INSTRUCCIONES</translation>
    </message>
    <message>
        <source>Vexel Experiment</source>
        <translation>Experimento Vexel</translation>
    </message>
    <message>
        <source>Plot</source>
        <translation>Gráfico</translation>
    </message>
    <message>
        <source>Vexel Lumora : D0 lifetime analysis</source>
        <translation>Vexel Lumora : análisis del tiempo de vida del D0</translation>
    </message>
    <message>
        <source>Invariant Mass Distribution</source>
        <translation>Distribución de masa invariante</translation>
    </message>
    <message>
        <source>Lifetime trend</source>
        <translation>Tendencia del tiempo de vida</translation>
    </message>
    <message>
        <source>Lifetime fit</source>
        <translation>Ajuste del tiempo de vida</translation>
    </message>
    <message>
        <source>D0 PT :</source>
        <extracomment>Slider of the D0&apos;s transverse momentum.</extracomment>
        <translation>D0 PT :</translation>
    </message>
    <message>
        <source>D0 TAU :</source>
        <extracomment>Slider of the D0&apos;s decay time.</extracomment>
        <translation>D0 TAU :</translation>
    </message>
    <message>
        <source>D0 IP :</source>
        <extracomment>Slider of the logarithm of the D0&apos;s impact parameter.</extracomment>
        <translation>D0 IP :</translation>
    </message>
    <message>
        <source>Bkg range:</source>
        <extracomment>Slider of the mass range of the background fit.</extracomment>
        <translation>Fondo:</translation>
    </message>
    <message>
        <source>Sig range:</source>
        <extracomment>Slider of the signal&apos;s mass range.</extracomment>
        <translation>Señal:</translation>
    </message>
    <message>
        <source>Fit Result</source>
        <translation>Resultado</translation>
    </message>
    <message>
        <source>Fit Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Trend vs. max IP</source>
        <translation>Tendencia frente al IP máx.</translation>
    </message>
    <message>
        <source>Variable ranges</source>
        <translation>Intervalos de las variables</translation>
    </message>
    <message>
        <source>Analysis tools</source>
        <translation>Herramientas de análisis</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>Herramientas</translation>
    </message>
    <message>
        <source>Background subtraction</source>
        <translation>Sustracción del fondo</translation>
    </message>
    <message>
        <source>Time fit</source>
        <translation>Ajuste del tiempo</translation>
    </message>
    <message>
        <source>Save results</source>
        <translation>Guardar resultados</translation>
    </message>
    <message>
        <source>Plot D0 mass</source>
        <translation>Representar la masa del D0</translation>
    </message>
    <message>
        <source>Plot distributions</source>
        <translation>Representar las distribuciones</translation>
    </message>
    <message>
        <source>Fit signal decay time</source>
        <translation>Ajustar el tiempo de desintegración</translation>
    </message>
    <message>
        <source>Filename</source>
        <translation>Nombre del archivo</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Reset Exercise</source>
        <translation>Reiniciar el ejercicio</translation>
    </message>
    <message>
        <source>Read Instructions</source>
        <translation>Leer las instrucciones</translation>
    </message>
    <message>
        <source>Save Canvas</source>
        <translation>Guardar los gráficos</translation>
    </message>
    <message>
        <source>Clear Trend</source>
        <translation>Borrar la tendencia</translation>
    </message>
    <message>
        <source>Plot trend</source>
        <translation>Representar la tendencia</translation>
    </message>
    <message>
        <source>Save result and fit</source>
        <translation>Guardar resultado y ajuste</translation>
    </message>
    <message>
        <source>Fit mass distribution</source>
        <translation>Ajustar la distribución de masa</translation>
    </message>
    <message>
        <source>You cannot set the signal range to be the same as the total mass range.
The background range must always contain
at least some area which is not
in the signal range, so that you have
some pure background events to subtract.
</source>
        <extracomment>Shown in a message window 350 pixels wide.</extracomment>
        <translation>No puedes elegir como intervalo de la señal
todo el intervalo de masa.
El intervalo del fondo siempre debe contener
al menos una zona que no esté
en el intervalo de la señal, para que tengas
algunos sucesos de fondo puro que restar.
</translation>
    </message>
    <message>
        <source>You must save at least one result of the
lifetime fit before making the trend plot.</source>
        <extracomment>Shown in a message window 350 pixels wide.</extracomment>
        <translation>Debes guardar al menos un resultado del
ajuste del tiempo de vida antes de
representar la tendencia.</translation>
    </message>
    <message>
        <source>You must fit the lifetime distribution before
attempting to save the results of this fit.</source>
        <extracomment>Shown in a message window 350 pixels wide.</extracomment>
        <translation>Debes ajustar la distribución del tiempo de vida
antes de intentar guardar los resultados del ajuste.</translation>
    </message>
    <message>
        <source>WARNING: Max and min cut are both varying</source>
        <translation>ATENCIÓN: el corte máximo y el mínimo varían a la vez</translation>
    </message>
    <message>
        <source>You must fit the mass distribution
before plotting the variable distributions.
The fit to the mass distribution allows
you to measure the number of background
events under the signal peak. This
in turn means that you know how many background
events to subtract from the signal region
to get the signal variable distributions.
</source>
        <extracomment>Shown in a message window 350 pixels wide.</extracomment>
        <translation>Debes ajustar la distribución de masa
antes de representar las distribuciones
de las variables. El ajuste de la distribución
de masa te permite medir el número de
sucesos de fondo bajo el pico de la señal.
Así sabrás cuántos sucesos de fondo
hay que restar en la región de la señal
para obtener las distribuciones de la señal.
</translation>
    </message>
    <message>
        <source>For more details on the Vexel experiment, 
please visit the Vexel pages at: 
%1 
 and 
 %2</source>
        <extracomment>%1 the experiment&apos;s public web pages, %2 its collaboration&apos;s pages.</extracomment>
        <translation>Para más información sobre el experimento Vexel, 
visita las páginas de Vexel: 
%1 
 y 
 %2</translation>
    </message>
    <message>
        <source>Total: %1</source>
        <extracomment>Under the mass fit: the number of candidates in the fit range.</extracomment>
        <translation>Total: %1</translation>
    </message>
    <message>
        <source>Background: %1</source>
        <extracomment>Under the mass fit: the background candidates under the peak.</extracomment>
        <translation>Fondo: %1</translation>
    </message>
    <message>
        <source>Signal: %1</source>
        <translation>Señal: %1</translation>
    </message>
    <message>
        <source>Mean: %1</source>
        <extracomment>Under the mass fit: the fitted mean with its error.</extracomment>
        <translation>Media: %1</translation>
    </message>
    <message>
        <source>D^{0} lifetime %1 (ps)</source>
        <extracomment>Over the lifetime fit: the fitted lifetime with its error. ^{0} raises the 0.</extracomment>
        <translation>Tiempo de vida del D^{0}: %1 (ps)</translation>
    </message>
    <message>
        <source>Background</source>
        <extracomment>Legend of the distributions.</extracomment>
        <translation>Fondo</translation>
    </message>
    <message>
        <source>Signal</source>
        <extracomment>Legend of the distributions.</extracomment>
        <translation>Señal</translation>
    </message>
    <message>
        <source>Dismiss</source>
        <translation>Cerrar</translation>
    </message>
</context>
<context>
    <name>D0Plots</name>
    <message>
        <source>D^{0} Invariant Mass (MeV/c^{2})</source>
        <translation>Masa invariante del D^{0} (MeV/c^{2})</translation>
    </message>
    <message>
        <source>D^{0} Candidates/(0.5 MeV)</source>
        <translation>Candidatos a D^{0} / (0,5 MeV)</translation>
    </message>
    <message>
        <source>D^{0} Candidate Fraction</source>
        <translation>Fracción de candidatos a D^{0}</translation>
    </message>
    <message>
        <source>D^{0} P_{T} (GeV/c^{2})</source>
        <translation>P_{T} del D^{0} (GeV/c^{2})</translation>
    </message>
    <message>
        <source>D^{0} decay time (ps)</source>
        <translation>Tiempo de desintegración del D^{0} (ps)</translation>
    </message>
    <message>
        <source>log_{10}(D^{0} IP)</source>
        <translation>log_{10}(IP del D^{0})</translation>
    </message>
    <message>
        <source>Fitted D^{0} lifetime (ps)</source>
        <translation>Tiempo de vida ajustado del D^{0} (ps)</translation>
    </message>
    <message>
        <source>D^{0} PT (GeV)</source>
        <translation>PT del D^{0} (GeV)</translation>
    </message>
    <message>
        <source>log_{10}( D^{0} IP [mm] )</source>
        <translation>log_{10}( IP del D^{0} [mm] )</translation>
    </message>
</context>
<context>
    <name>EventDisplay</name>
    <message>
        <source>Help</source>
        <comment>button</comment>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>Move on to D0 Exercise</source>
        <extracomment>Leaves the event display; 208 pixels wide.</extracomment>
        <translation>Pasar al ejercicio D0</translation>
    </message>
    <message>
        <source>Save Particle</source>
        <translation>Guardar partícula</translation>
    </message>
    <message>
        <source>Calculate</source>
        <extracomment>104 pixels wide.</extracomment>
        <translation>Calcular</translation>
    </message>
    <message>
        <source>Delete</source>
        <extracomment>96 pixels wide.</extracomment>
        <translation>Borrar</translation>
    </message>
    <message>
        <source>Add</source>
        <extracomment>104 pixels wide.</extracomment>
        <translation>Añadir</translation>
    </message>
    <message>
        <source>Draw</source>
        <extracomment>96 pixels wide.</extracomment>
        <translation>Dibujar</translation>
    </message>
    <message>
        <source>Save Histogram</source>
        <translation>Guardar histograma</translation>
    </message>
    <message>
        <source>Mass</source>
        <extracomment>Label of the particle&apos;s mass and of the pair&apos;s invariant mass; 48 pixels wide.</extracomment>
        <translation>Masa</translation>
    </message>
    <message>
        <source>Name</source>
        <extracomment>Label of the particle&apos;s name; 48 pixels wide.</extracomment>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Event number:</source>
        <extracomment>112 pixels wide.</extracomment>
        <translation>Evento n.º:</translation>
    </message>
    <message>
        <source>My Particles</source>
        <translation>Mis partículas</translation>
    </message>
    <message>
        <source>Particle Info</source>
        <translation>Datos de la partícula</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Zoom</translation>
    </message>
    <message>
        <source>Event manager</source>
        <translation>Gestor de eventos</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Vista</translation>
    </message>
    <message>
        <source>Legend</source>
        <translation>Leyenda</translation>
    </message>
    <message>
        <source>Histogram</source>
        <translation>Histograma</translation>
    </message>
    <message>
        <source>Hide Geometry</source>
        <translation>Ocultar geometría</translation>
    </message>
    <message>
        <source>Transparency</source>
        <translation>Transparencia</translation>
    </message>
    <message>
        <source>You cannot have more than two particles.</source>
        <translation>No puedes tener más de dos partículas.</translation>
    </message>
    <message>
        <source>You have already added this particle.</source>
        <translation>Ya has añadido esta partícula.</translation>
    </message>
    <message>
        <source>You have successfully saved your histogram.</source>
        <translation>Has guardado tu histograma correctamente.</translation>
    </message>
    <message>
        <source>Mass is not in range. Please, try again.</source>
        <translation>La masa no está en el intervalo. Inténtalo de nuevo.</translation>
    </message>
    <message>
        <source>You have already added new mass in histogram.</source>
        <translation>Ya has añadido una masa de este evento al histograma.</translation>
    </message>
    <message>
        <source>When you want to rotate the view, press CTRL or CTRL + SHIFT to be more precise.</source>
        <translation>Para girar la vista con más precisión, mantén pulsada la tecla CTRL o CTRL + MAYÚS.</translation>
    </message>
    <message>
        <source>Congratulations!</source>
        <translation>¡Enhorabuena!</translation>
    </message>
    <message>
        <source>You have successfully completed LumoraDisplay exercise.</source>
        <translation>Has completado con éxito el ejercicio LumoraDisplay.</translation>
    </message>
    <message>
        <source>Vexel Lumora : event display</source>
        <translation>Vexel Lumora : visor de eventos</translation>
    </message>
    <message>
        <source>Entries</source>
        <extracomment>Rows of the statistics box of the histogram: number of entries, mean, root mean square.</extracomment>
        <translation>Entradas</translation>
    </message>
    <message>
        <source>The particle tracks of data set %1 cannot be read (%2). The detector is shown without tracks.</source>
        <translation>No se pueden leer las trazas del conjunto de datos %1 (%2). El detector se muestra sin trazas.</translation>
    </message>
    <message>
        <source>The data set %1 holds no events.</source>
        <translation>El conjunto de datos %1 no contiene ningún evento.</translation>
    </message>
    <message>
        <source>Event %1 cannot be read (%2).</source>
        <translation>No se puede leer el evento %1 (%2).</translation>
    </message>
    <message>
        <source>The Vexel geometry cannot be read (%1).</source>
        <translation>No se puede leer la geometría de Vexel (%1).</translation>
    </message>
    <message>
        <source>The help page cannot be shown: the picture %1 is missing.</source>
        <translation>No se puede mostrar la página de ayuda: falta la imagen %1.</translation>
    </message>
    <message>
        <source>The histogram cannot be saved: the file name made from your details is too long (%1 bytes, at most 255).</source>
        <translation>No se puede guardar el histograma: el nombre de archivo formado con tus datos es demasiado largo (%1 bytes, como máximo 255).</translation>
    </message>
    <message>
        <source>Your mass histogram has not been saved. End the program anyway?</source>
        <translation>Tu histograma de masas no se ha guardado. ¿Salir del programa de todos modos?</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sí</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Información</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Consejo</translation>
    </message>
    <message>
        <source>Vexel Lumora</source>
        <translation>Vexel Lumora</translation>
    </message>
    <message>
        <source>Access denied.</source>
        <translation>Acceso denegado.</translation>
    </message>
    <message>
        <source>Event Control</source>
        <translation>Control de eventos</translation>
    </message>
    <message>
        <source>Viewer 1</source>
        <translation>Visor 1</translation>
    </message>
    <message>
        <source>My histogram</source>
        <translation>Mi histograma</translation>
    </message>
    <message>
        <source>Help</source>
        <comment>tab title</comment>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>My particle: </source>
        <extracomment>Put before the name of a chosen particle in the list of My Particles.</extracomment>
        <translation>Mi partícula: </translation>
    </message>
    <message>
        <source>MeV/c2</source>
        <extracomment>47 pixels wide.</extracomment>
        <translation>MeV/c2</translation>
    </message>
    <message>
        <source>MeV</source>
        <extracomment>40 pixels wide.</extracomment>
        <translation>MeV</translation>
    </message>
    <message>
        <source>MeV/c</source>
        <extracomment>48 pixels wide.</extracomment>
        <translation>MeV/c</translation>
    </message>
    <message>
        <source>Mean</source>
        <translation>Media</translation>
    </message>
    <message>
        <source>RMS</source>
        <translation>RMS</translation>
    </message>
    <message>
        <source>My histogram</source>
        <comment>title over the histogram</comment>
        <translation>Mi histograma</translation>
    </message>
    <message>
        <source>Dismiss</source>
        <extracomment>The one button of the event display&apos;s message boxes.</extracomment>
        <translation>Cerrar</translation>
    </message>
</context>
<context>
    <name>HelpPage</name>
    <message>
        <source>Event display – help</source>
        <translation>Visor de eventos – ayuda</translation>
    </message>
    <message>
        <source>The controls</source>
        <translation>Los controles</translation>
    </message>
    <message>
        <source>The exercise, step by step</source>
        <translation>El ejercicio, paso a paso</translation>
    </message>
    <message>
        <source>Invariant mass of two particles (c = 1):</source>
        <translation>Masa invariante de dos partículas (c = 1):</translation>
    </message>
    <message>
        <source>Arrows</source>
        <translation>Flechas</translation>
    </message>
    <message>
        <source>Go to the previous or the next event. &quot;Event number:&quot; shows which one you see.</source>
        <translation>Ve al evento anterior o al siguiente. &quot;Evento n.º:&quot; indica cuál estás viendo.</translation>
    </message>
    <message>
        <source>Close-up</source>
        <translation>Primer plano</translation>
    </message>
    <message>
        <source>Zoom in on the point where the D⁰ decays. The first time, a hint explains how to rotate.</source>
        <translation>Acerca la vista al punto donde se desintegra el D⁰. La primera vez, un consejo explica cómo girar la vista.</translation>
    </message>
    <message>
        <source>Default view</source>
        <translation>Vista inicial</translation>
    </message>
    <message>
        <source>Back to the view of the whole detector.</source>
        <translation>Vuelve a la vista del detector completo.</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Pista</translation>
    </message>
    <message>
        <source>Draws the D⁰ and its two decay products as bold lines; the legend explains them.</source>
        <translation>Dibuja el D⁰ y sus dos productos de desintegración con líneas gruesas; la leyenda los explica.</translation>
    </message>
    <message>
        <source>Hide Geometry / Transparency</source>
        <translation>Ocultar geometría / Transparencia</translation>
    </message>
    <message>
        <source>Hide or show the detector, or make it see-through so that the tracks stand out.</source>
        <translation>Oculta o muestra el detector, o lo hace transparente para que las trazas destaquen.</translation>
    </message>
    <message>
        <source>Projections</source>
        <translation>Proyecciones</translation>
    </message>
    <message>
        <source>Look at the event in the planes YZ (side view), YX (along the beam) and ZX (from above).</source>
        <translation>Mira el evento en los planos YZ (de lado), YX (a lo largo del haz) y ZX (desde arriba).</translation>
    </message>
    <message>
        <source>Particle Info</source>
        <translation>Datos de la partícula</translation>
    </message>
    <message>
        <source>Click a track to read its name, mass, energy E, charge q, track-fit chi2 and momentum px, py, pz. &quot;Save Particle&quot; keeps it in &quot;My Particles&quot;.</source>
        <translation>Haz clic en una traza para leer su nombre, masa, energía E, carga q, chi2 del ajuste de la traza y momento px, py, pz. &quot;Guardar partícula&quot; la guarda en &quot;Mis partículas&quot;.</translation>
    </message>
    <message>
        <source>My Particles</source>
        <translation>Mis partículas</translation>
    </message>
    <message>
        <source>Your two particles. &quot;Calculate&quot; gives their invariant mass, &quot;Delete&quot; removes them.</source>
        <translation>Tus dos partículas. &quot;Calcular&quot; da su masa invariante, &quot;Borrar&quot; las quita.</translation>
    </message>
    <message>
        <source>Histogram</source>
        <translation>Histograma</translation>
    </message>
    <message>
        <source>&quot;Add&quot; puts the mass into your histogram (one per event, near the D⁰ mass), &quot;Draw&quot; shows it, &quot;Save Histogram&quot; writes it to a file.</source>
        <translation>&quot;Añadir&quot; pone la masa en tu histograma (una por evento, cerca de la masa del D⁰), &quot;Dibujar&quot; lo muestra, &quot;Guardar histograma&quot; lo escribe en un archivo.</translation>
    </message>
    <message>
        <source>Move on to D0 Exercise</source>
        <translation>Pasar al ejercicio D0</translation>
    </message>
    <message>
        <source>Closes the event display and makes the second exercise available in the launcher.</source>
        <translation>Cierra el visor de eventos y activa el segundo ejercicio en la ventana de inicio.</translation>
    </message>
    <message>
        <source>Mouse</source>
        <translation>Ratón</translation>
    </message>
    <message>
        <source>Drag with the left button to rotate the view, turn the wheel to zoom, click a track to pick it.</source>
        <translation>Arrastra con el botón izquierdo para girar la vista, usa la rueda para acercarla o alejarla y haz clic en una traza para elegirla.</translation>
    </message>
    <message>
        <source>Press the hint: the bold lines are the D⁰ (black) and its decay products, a kaon and a pion.</source>
        <translation>Pulsa la pista: las líneas gruesas son el D⁰ (negro) y sus productos de desintegración, un kaón y un pión.</translation>
    </message>
    <message>
        <source>Click the kaon (K+ blue, K− green) and press &quot;Save Particle&quot;.</source>
        <translation>Haz clic en el kaón (K+ azul, K− verde) y pulsa &quot;Guardar partícula&quot;.</translation>
    </message>
    <message>
        <source>Click the pion of opposite charge (π+ magenta, π− red) and press &quot;Save Particle&quot;.</source>
        <translation>Haz clic en el pión de carga opuesta (π+ magenta, π− rojo) y pulsa &quot;Guardar partícula&quot;.</translation>
    </message>
    <message>
        <source>Press &quot;Calculate&quot;: the invariant mass of the pair appears under &quot;My Particles&quot;.</source>
        <translation>Pulsa &quot;Calcular&quot;: la masa invariante del par aparece en &quot;Mis partículas&quot;.</translation>
    </message>
    <message>
        <source>Is it close to the D⁰ mass, 1864.84 MeV/c²? Then press &quot;Add&quot;. If not, press &quot;Delete&quot; and try two other tracks.</source>
        <translation>¿Está cerca de la masa del D⁰, 1864,84 MeV/c²? Entonces pulsa &quot;Añadir&quot;. Si no, pulsa &quot;Borrar&quot; y prueba con otras dos trazas.</translation>
    </message>
    <message>
        <source>Go to the next event with the right arrow and do the same for every event.</source>
        <translation>Pasa al evento siguiente con la flecha derecha y haz lo mismo en cada evento.</translation>
    </message>
    <message>
        <source>At the end press &quot;Draw&quot; to see your mass peak, &quot;Save Histogram&quot;, then &quot;Move on to D0 Exercise&quot;.</source>
        <translation>Al final pulsa &quot;Dibujar&quot; para ver tu pico de masa, &quot;Guardar histograma&quot; y después &quot;Pasar al ejercicio D0&quot;.</translation>
    </message>
</context>
<context>
    <name>Language</name>
    <message>
        <source>1</source>
        <comment>number of the help picture</comment>
        <extracomment>The number of this language&apos;s help picture Icons/help&lt;number&gt;.png, which also tells the language apart inside the program: 1 English, 2 French, 3 German, 4 Italian, 5 Romanian, 6 Spanish; a new language takes the next free number.</extracomment>
        <translation>6</translation>
    </message>
    <message>
        <source>English</source>
        <comment>name of this language</comment>
        <extracomment>The language&apos;s name in its own language, as a student who speaks it would write it.</extracomment>
        <translation>Español</translation>
    </message>
    <message>
        <source>.</source>
        <comment>decimal sign</comment>
        <extracomment>The decimal sign numbers are shown with: &quot;.&quot; or &quot;,&quot;.</extracomment>
        <translation>,</translation>
    </message>
</context>
<context>
    <name>Launcher</name>
    <message>
        <source>Name</source>
        <extracomment>Row of the student&apos;s first name; 72 pixels wide.</extracomment>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Surname</source>
        <extracomment>Row of the student&apos;s family name; 72 pixels wide.</extracomment>
        <translation>Apellidos</translation>
    </message>
    <message>
        <source>Grade</source>
        <extracomment>Row of the student&apos;s class or year at school; 72 pixels wide.</extracomment>
        <translation>Curso</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>About</source>
        <comment>button</comment>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>Exit</source>
        <comment>button</comment>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Enter your details</source>
        <translation>Introduce tus datos</translation>
    </message>
    <message>
        <source>Languages</source>
        <translation>Idiomas</translation>
    </message>
    <message>
        <source>Vexel Lumora: particle-physics exercises on Vexel data, written by the Vexel Lumora team for school classes.</source>
        <translation>Vexel Lumora: ejercicios de física de partículas con datos de Vexel, escritos por el equipo de Vexel Lumora para las clases.</translation>
    </message>
    <message>
        <source>The folder %1 does not exist. Please create it or choose another one.</source>
        <translation>La carpeta %1 no existe. Créala o elige otra.</translation>
    </message>
    <message>
        <source>The folder %1 cannot be written to. Please choose another one.</source>
        <translation>No se puede escribir en la carpeta %1. Elige otra.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>About</source>
        <comment>title of the About box</comment>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Información</translation>
    </message>
    <message>
        <source>Vexel Lumora</source>
        <translation>Vexel Lumora</translation>
    </message>
    <message>
        <source>Icons are missing!</source>
        <translation>¡Faltan los iconos!</translation>
    </message>
    <message>
        <source>The Vexel geometry is missing! You cannot continue with the exercise.</source>
        <translation>¡Falta la geometría de Vexel! No puedes continuar con el ejercicio.</translation>
    </message>
    <message>
        <source>Particle tracks are missing! You cannot continue with the exercise.</source>
        <translation>¡Faltan las trazas de las partículas! No puedes continuar con el ejercicio.</translation>
    </message>
    <message>
        <source>Some fields are empty.</source>
        <translation>Hay campos vacíos.</translation>
    </message>
    <message>
        <source>The path isn&apos;t valid. Please try again.</source>
        <translation>La ruta no es válida. Inténtalo de nuevo.</translation>
    </message>
    <message>
        <source>Number</source>
        <extracomment>Row of the data set chooser; 72 pixels wide.</extracomment>
        <translation>Número</translation>
    </message>
    <message>
        <source>Combination %1</source>
        <translation>Combinación %1</translation>
    </message>
    <message>
        <source>Event Display</source>
        <extracomment>Under the picture that starts exercise I; 88 pixels wide.</extracomment>
        <translation>Ver eventos</translation>
    </message>
    <message>
        <source>D0 Exercise</source>
        <extracomment>Under the picture that starts exercise II; 80 pixels wide.</extracomment>
        <translation>Ejercicio D0</translation>
    </message>
    <message>
        <source>I</source>
        <translation>I</translation>
    </message>
    <message>
        <source>II</source>
        <translation>II</translation>
    </message>
    <message>
        <source>Set output directory</source>
        <translation>Carpeta de resultados</translation>
    </message>
    <message>
        <source>OK</source>
        <extracomment>Button beside the output folder; 56 pixels wide.</extracomment>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Exit</source>
        <comment>group title</comment>
        <translation>Salir</translation>
    </message>
    <message>
        <source>The folder %1 has been created. Your files will be saved there.</source>
        <translation>Se ha creado la carpeta %1. Tus archivos se guardarán allí.</translation>
    </message>
    <message>
        <source>Dismiss</source>
        <extracomment>The one button of the launcher&apos;s message boxes.</extracomment>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Teacher&apos;s guide</source>
        <extracomment>Button of the About box that opens the teacher&apos;s guide (HTML) in the web browser.</extracomment>
        <translation>Guía del profesorado</translation>
    </message>
    <message>
        <source>The teacher&apos;s guide is not installed on this computer. It belongs in the folder %1. The program works without it.</source>
        <extracomment>Added to the About text when the teacher&apos;s guide is not installed; %1 is a folder.</extracomment>
        <translation>La guía del profesorado no está instalada en este ordenador. Su sitio es la carpeta %1. El programa funciona sin ella.</translation>
    </message>
    <message>
        <source>No program on this computer opens web pages. The teacher&apos;s guide is the file %1: open it with a web browser, or copy it to another computer.</source>
        <extracomment>Shown when no web browser opens the guide; %1 is the guide&apos;s HTML file.</extracomment>
        <translation>Ningún programa de este ordenador abre páginas web. La guía del profesorado es el archivo %1: ábrala con un navegador web o cópiela a otro ordenador.</translation>
    </message>
</context>
<context>
    <name>LessonDay</name>
    <message>
        <source>Classes of the day</source>
        <translation>Clases del día</translation>
    </message>
    <message>
        <source>Add class folder...</source>
        <translation>Añadir carpeta de clase...</translation>
    </message>
    <message>
        <source>Add class export...</source>
        <translation>Añadir exportación de clase...</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Quitar</translation>
    </message>
    <message>
        <source>Class label</source>
        <translation>Etiqueta de la clase</translation>
    </message>
    <message>
        <source>School</source>
        <translation>Centro</translation>
    </message>
    <message>
        <source>Class</source>
        <translation>Clase</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Export class...</source>
        <translation>Exportar clase...</translation>
    </message>
    <message>
        <source>Choose a class folder in the list first.</source>
        <translation>Elige primero una carpeta de clase en la lista.</translation>
    </message>
    <message>
        <source>Class exported: %1</source>
        <translation>Clase exportada: %1</translation>
    </message>
    <message>
        <source>Hand out data sets...</source>
        <translation>Repartir conjuntos de datos...</translation>
    </message>
    <message>
        <source>Projector view</source>
        <translation>Vista para el proyector</translation>
    </message>
    <message>
        <source>Esc: back to the window</source>
        <translation>Esc: volver a la ventana</translation>
    </message>
    <message>
        <source>Count every file (also a combination analysed twice)</source>
        <translation>Contar todos los archivos (también una combinación analizada dos veces)</translation>
    </message>
    <message>
        <source>Rule: a combination analysed by two students counts once (the first saved).</source>
        <translation>Regla: una combinación analizada por dos alumnos cuenta una sola vez (la primera guardada).</translation>
    </message>
    <message>
        <source>Rule: every file counts, also a combination analysed twice.</source>
        <translation>Regla: cuentan todos los archivos, también una combinación analizada dos veces.</translation>
    </message>
    <message>
        <source>Class lifetime: the mean of the students&apos; values, their spread (standard deviation, lowest and highest) and the statistical error of one analysis. All students analyse the same candidates, so no error of the mean is given.</source>
        <translation>Tiempo de vida de la clase: la media de los valores de los alumnos, su dispersión (desviación típica, el menor y el mayor) y el error estadístico de un análisis. Todos los alumnos analizan los mismos candidatos, por eso no se da un error de la media.</translation>
    </message>
    <message>
        <source>Classes</source>
        <translation>Clases</translation>
    </message>
    <message>
        <source>Class|Students|Entries|Mass (MeV/c²)|Width σ (MeV/c²)|Lifetime at each cut (ps)</source>
        <extracomment>Column titles of the classes table, separated by |.</extracomment>
        <translation>Clase|Alumnos|Entradas|Masa (MeV/c²)|Anchura σ (MeV/c²)|Tiempo de vida en cada corte (ps)</translation>
    </message>
    <message>
        <source>Class|Trend|Cut|Mean (ps)|Spread: standard deviation (ps)|Lowest ... highest (ps)|Error of one analysis (ps)|Students</source>
        <extracomment>Column titles of the class lifetime table, separated by |.</extracomment>
        <translation>Clase|Tendencia|Corte|Media (ps)|Dispersión: desviación típica (ps)|Menor ... mayor (ps)|Error de un análisis (ps)|Alumnos</translation>
    </message>
    <message>
        <source>Class</source>
        <comment>column of the students&apos; table</comment>
        <translation>Clase</translation>
    </message>
    <message>
        <source>Same combination as another</source>
        <translation>Misma combinación que otro</translation>
    </message>
    <message>
        <source>yes, counted</source>
        <translation>sí, contada</translation>
    </message>
    <message>
        <source>yes, not counted</source>
        <translation>sí, no contada</translation>
    </message>
    <message>
        <source>All classes</source>
        <translation>Todas las clases</translation>
    </message>
    <message>
        <source>Analysed more than once: %1</source>
        <translation>Analizadas más de una vez: %1</translation>
    </message>
    <message>
        <source>All classes: mass %1 ± %2 MeV/c², σ %3 ± %4 MeV/c²</source>
        <extracomment>%1 the mass, %2 its error, %3 the width, %4 its error.</extracomment>
        <translation>Todas las clases: masa %1 ± %2 MeV/c², σ %3 ± %4 MeV/c²</translation>
    </message>
    <message>
        <source>%1: %2 ± %3 MeV/c²</source>
        <extracomment>%1 the class, %2 its mass, %3 the error.</extracomment>
        <translation>%1: %2 ± %3 MeV/c²</translation>
    </message>
    <message>
        <source>Bars: spread of the students&apos; values (standard deviation)</source>
        <translation>Barras: dispersión de los valores de los alumnos (desviación típica)</translation>
    </message>
    <message>
        <source>%1: %2 (spread %3)</source>
        <extracomment>%1 the cut, %2 the class mean, %3 the spread.</extracomment>
        <translation>%1: %2 (dispersión %3)</translation>
    </message>
    <message>
        <source>written by a newer version of the program</source>
        <translation>escrito por una versión más reciente del programa</translation>
    </message>
    <message>
        <source>Fit (Gaussian and straight line)</source>
        <translation>Ajuste (gaussiana y recta)</translation>
    </message>
    <message>
        <source>Hand out data sets</source>
        <translation>Repartir conjuntos de datos</translation>
    </message>
    <message>
        <source>Students&apos; names, one a line:</source>
        <translation>Nombres de los alumnos, uno por línea:</translation>
    </message>
    <message>
        <source>Or a number of groups:</source>
        <translation>O un número de grupos:</translation>
    </message>
    <message>
        <source>Assign to the names</source>
        <translation>Asignar a los nombres</translation>
    </message>
    <message>
        <source>Assign to the groups</source>
        <translation>Asignar a los grupos</translation>
    </message>
    <message>
        <source>Group</source>
        <translation>Grupo</translation>
    </message>
    <message>
        <source>Save sheet (PDF)...</source>
        <translation>Guardar hoja (PDF)...</translation>
    </message>
    <message>
        <source>Save list (CSV)...</source>
        <translation>Guardar lista (CSV)...</translation>
    </message>
    <message>
        <source>Data sets: %1</source>
        <extracomment>%1 the class.</extracomment>
        <translation>Conjuntos de datos: %1</translation>
    </message>
    <message>
        <source>Open the data set with your combination number in the event exercise.</source>
        <translation>Abre en el ejercicio de eventos el conjunto de datos con tu número de combinación.</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Combination</source>
        <translation>Combinación</translation>
    </message>
    <message>
        <source>There are no names: type one name a line.</source>
        <translation>No hay nombres: escribe un nombre por línea.</translation>
    </message>
    <message>
        <source>These names appear more than once: %1. Make each name unique, for example with an initial.</source>
        <translation>Estos nombres aparecen más de una vez: %1. Haz que cada nombre sea único, por ejemplo con una inicial.</translation>
    </message>
    <message>
        <source>%1 names, but there are only %2 data sets: let students work in groups.</source>
        <extracomment>%1 the names, %2 the data sets.</extracomment>
        <translation>%1 nombres, pero solo hay %2 conjuntos de datos: deja que los alumnos trabajen en grupos.</translation>
    </message>
    <message>
        <source>The number of groups must be from 1 to %1.</source>
        <translation>El número de grupos debe estar entre 1 y %1.</translation>
    </message>
    <message>
        <source>%1 blank lines skipped.</source>
        <translation>Se han saltado %1 líneas en blanco.</translation>
    </message>
    <message>
        <source>Only %1 data sets were not analysed yet today: %2 are handed out again.</source>
        <extracomment>%1 the data sets not analysed yet, %2 those handed out again.</extracomment>
        <translation>Solo %1 conjuntos de datos no se han analizado todavía hoy: %2 se reparten de nuevo.</translation>
    </message>
    <message>
        <source>%1 data sets handed out.</source>
        <translation>%1 conjuntos de datos repartidos.</translation>
    </message>
    <message>
        <source>Teacher&apos;s guide</source>
        <extracomment>Button that opens the teacher&apos;s guide (HTML) in the web browser.</extracomment>
        <translation>Guía del profesorado</translation>
    </message>
    <message>
        <source>The teacher&apos;s guide is not installed on this computer. It belongs in the folder %1. The program works without it.</source>
        <extracomment>%1 is a folder.</extracomment>
        <translation>La guía del profesorado no está instalada en este ordenador. Su sitio es la carpeta %1. El programa funciona sin ella.</translation>
    </message>
    <message>
        <source>No program on this computer opens web pages. The teacher&apos;s guide is the file %1: open it with a web browser, or copy it to another computer.</source>
        <extracomment>%1 is the guide&apos;s HTML file.</extracomment>
        <translation>Ningún programa de este ordenador abre páginas web. La guía del profesorado es el archivo %1: ábrala con un navegador web o cópiela a otro ordenador.</translation>
    </message>
</context>
<context>
    <name>SaveCanvas</name>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>The file name is too long: %1 bytes, at most %2 fit. Nothing was saved; please type a shorter name.</source>
        <extracomment>%1 the bytes of the typed name, %2 the most that fit.</extracomment>
        <translation>El nombre del archivo es demasiado largo: %1 bytes, caben como máximo %2. No se ha guardado nada; escribe un nombre más corto.</translation>
    </message>
    <message>
        <source>The directory %1 does not exist. Nothing was saved.</source>
        <translation>La carpeta %1 no existe. No se ha guardado nada.</translation>
    </message>
    <message>
        <source>The directory %1 is not writable. Nothing was saved.</source>
        <translation>No se puede escribir en la carpeta %1. No se ha guardado nada.</translation>
    </message>
    <message>
        <source>Saved:</source>
        <extracomment>Heading of the list of files saved, one a line below it.</extracomment>
        <translation>Guardados:</translation>
    </message>
    <message>
        <source>Not saved (an earlier file of the same name is kept):</source>
        <extracomment>Heading of the list of files not saved, one a line below it.</extracomment>
        <translation>No guardados (se conserva un archivo anterior con el mismo nombre):</translation>
    </message>
</context>
<context>
    <name>StudentFiles</name>
    <message>
        <source>The current folder cannot be written to. Your files are saved in %1</source>
        <translation>No se puede escribir en la carpeta actual. Tus archivos se guardan en %1</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Información</translation>
    </message>
    <message>
        <source>Dismiss</source>
        <translation>Cerrar</translation>
    </message>
</context>
</TS>
