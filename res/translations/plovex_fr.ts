<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>ColourDialogService</name>
    <message>
        <source>Colour</source>
        <translation>Couleur</translation>
    </message>
</context>
<context>
    <name>DataExchange</name>
    <message>
        <source>Please enter a number.</source>
        <translation>Veuillez saisir un nombre.</translation>
    </message>
    <message>
        <source>Please enter a whole number from %1 to %2.</source>
        <translation>Veuillez saisir un nombre entier de %1 à %2.</translation>
    </message>
</context>
<context>
    <name>DialogTemplate</name>
    <message>
        <source>X Scale:</source>
        <translation>Éch. X&#xa0;:</translation>
    </message>
    <message>
        <source>Y Scale:</source>
        <translation>Éch. Y&#xa0;:</translation>
    </message>
    <message>
        <source>Quality:</source>
        <translation>Qualité&#xa0;:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>A function plotter for the desktop,
by the Plovex authors.</source>
        <translation>Traceur de fonctions pour le bureau,
par les auteurs de Plovex.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>About Plovex</source>
        <translation>À propos de Plovex</translation>
    </message>
    <message>
        <source>%1 Help</source>
        <translation>Aide de %1</translation>
    </message>
    <message>
        <source>&amp;Plot</source>
        <translation>&amp;Tracer</translation>
    </message>
    <message>
        <source>Plot &amp;dy/dx</source>
        <translation>Tracer d&amp;y/dx</translation>
    </message>
    <message>
        <source>Eva&amp;l dy/dx</source>
        <translation>É&amp;val. dy/dx</translation>
    </message>
    <message>
        <source>Ev&amp;aluate</source>
        <translation>Éva&amp;luer</translation>
    </message>
    <message>
        <source>&amp;Integrate</source>
        <translation>&amp;Intégrer</translation>
    </message>
    <message>
        <source>Do &amp;not clear previous graph</source>
        <translation>&amp;Garder le graphe précédent</translation>
    </message>
    <message>
        <source>I&amp;mplicit function</source>
        <translation>I&amp;mplicite</translation>
    </message>
    <message>
        <source>&amp;From:</source>
        <translation>&amp;De&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;To:</source>
        <translation>&amp;Jusqu’à&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Step:</source>
        <translation>&amp;Pas&#xa0;:</translation>
    </message>
    <message>
        <source>Table of Values</source>
        <translation>Tableau de valeurs</translation>
    </message>
    <message>
        <source>&amp;Width:</source>
        <translation>&amp;Largeur&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Height:</source>
        <translation>&amp;Hauteur&#xa0;:</translation>
    </message>
    <message>
        <source>Keep the visible &amp;region</source>
        <translation>Garder la &amp;région visible</translation>
    </message>
    <message>
        <source>Keep the &amp;scales</source>
        <translation>Garder les é&amp;chelles</translation>
    </message>
    <message>
        <source>Export Graph</source>
        <translation>Exporter le graphe</translation>
    </message>
</context>
<context>
    <name>DocumentFile</name>
    <message numerus="yes">
        <source>The expression is too long: a graph document holds at most %n bytes.</source>
        <translation>
            <numerusform>L’expression est trop longue&#xa0;: un document de graphe contient au plus %n octet.</numerusform>
            <numerusform>L’expression est trop longue&#xa0;: un document de graphe contient au plus %n octets.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>EngineTexts</name>
    <message>
        <source>Parse Error: Unrecognised symbol &apos;%1&apos;.</source>
        <translation>Erreur de syntaxe&#xa0;: symbole «&#xa0;%1&#xa0;» non reconnu.</translation>
    </message>
    <message>
        <source>Parse Error: Unmatched parentheses.</source>
        <translation>Erreur de syntaxe&#xa0;: parenthèses non appariées.</translation>
    </message>
    <message>
        <source>Parse Error: Variable &apos;y&apos; allowed only in implicit functions.</source>
        <translation>Erreur de syntaxe&#xa0;: la variable «&#xa0;y&#xa0;» n’est permise que dans les fonctions implicites.</translation>
    </message>
    <message>
        <source>Parse Error: Unrecognised function &apos;%1&apos;.</source>
        <translation>Erreur de syntaxe&#xa0;: fonction «&#xa0;%1&#xa0;» non reconnue.</translation>
    </message>
    <message>
        <source>WORKING</source>
        <translation>EN COURS</translation>
    </message>
    <message>
        <source>DONE</source>
        <translation>TERMINÉ</translation>
    </message>
    <message>
        <source>Maximum: %1</source>
        <translation>Maximum&#xa0;: %1</translation>
    </message>
    <message>
        <source>Minimum: %1</source>
        <translation>Minimum&#xa0;: %1</translation>
    </message>
    <message>
        <source>Mean: %1</source>
        <translation>Moyenne&#xa0;: %1</translation>
    </message>
    <message>
        <source>Fewer samples were drawn than the quality asks: at quality %1 the step between samples no longer moves the sampling position from pixel %2 (from the centre) on, so the graph stops there.</source>
        <translation>Moins d’échantillons ont été tracés que la qualité n’en demande&#xa0;: à la qualité %1, le pas entre deux échantillons ne fait plus avancer la position d’échantillonnage à partir du pixel %2 (compté depuis le centre), le graphe s’arrête donc là.</translation>
    </message>
    <message>
        <source>The integral stopped at x = %1, short of the upper limit %2: from there on adding the step 0.01 no longer changes x. The result is the integral up to that point.</source>
        <translation>L’intégration s’est arrêtée en x = %1, avant la borne supérieure %2&#xa0;: à partir de là, ajouter le pas 0.01 ne change plus x. Le résultat est l’intégrale jusqu’à ce point.</translation>
    </message>
    <message>
        <source>The file is empty.</source>
        <translation>Le fichier est vide.</translation>
    </message>
    <message>
        <source>The file ends inside the length of the expression.</source>
        <translation>Le fichier se termine au milieu de la longueur de l’expression.</translation>
    </message>
    <message numerus="yes">
        <source>The file claims an expression of %1 characters but holds only %2.</source>
        <translation>
            <numerusform>Le fichier annonce une expression de %1 caractère mais n’en contient que %2.</numerusform>
            <numerusform>Le fichier annonce une expression de %1 caractères mais n’en contient que %2.</numerusform>
        </translation>
    </message>
    <message>
        <source>blue</source>
        <translation>bleu</translation>
    </message>
    <message>
        <source>vermillion</source>
        <translation>vermillon</translation>
    </message>
    <message>
        <source>bluish green</source>
        <translation>vert bleuté</translation>
    </message>
    <message>
        <source>reddish purple</source>
        <translation>pourpre rougeâtre</translation>
    </message>
    <message>
        <source>orange</source>
        <translation>orange</translation>
    </message>
    <message>
        <source>sky blue</source>
        <translation>bleu ciel</translation>
    </message>
    <message>
        <source>black</source>
        <translation>noir</translation>
    </message>
    <message>
        <source>The step must be a number other than 0.</source>
        <translation>Le pas doit être un nombre différent de 0.</translation>
    </message>
    <message>
        <source>From and To must be numbers.</source>
        <translation>«&#xa0;De&#xa0;» et «&#xa0;Jusqu’à&#xa0;» doivent être des nombres.</translation>
    </message>
    <message>
        <source>The step leads away from To: give it the sign of To - From.</source>
        <translation>Le pas s’éloigne de «&#xa0;Jusqu’à&#xa0;»&#xa0;: donnez-lui le signe de la différence «&#xa0;Jusqu’à&#xa0;» moins «&#xa0;De&#xa0;».</translation>
    </message>
    <message>
        <source>Rendering stopped:
no statistics.</source>
        <translation>Tracé interrompu&#xa0;:
pas de statistiques.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Parse Error: Function &apos;%1&apos; has no argument.</source>
        <translation>Erreur de syntaxe&#xa0;: la fonction «&#xa0;%1&#xa0;» n’a pas d’argument.</translation>
    </message>
    <message>
        <source>Parse Error: Variable &apos;%1&apos; not allowed in parametric and polar functions, which use t.</source>
        <translation>Erreur de syntaxe&#xa0;: la variable «&#xa0;%1&#xa0;» n’est pas permise dans les fonctions paramétriques et polaires, qui utilisent t.</translation>
    </message>
    <message numerus="yes">
        <source>The table would have more than %n rows: choose a larger step or a shorter range.</source>
        <translation>
            <numerusform>Le tableau aurait plus de %n ligne&#xa0;: choisissez un pas plus grand ou un intervalle plus court.</numerusform>
            <numerusform>Le tableau aurait plus de %n lignes&#xa0;: choisissez un pas plus grand ou un intervalle plus court.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>More than %n points were found; the first %n in order of x are listed.</source>
        <translation>
            <numerusform>Plus de %n point a été trouvé&#xa0;; le premier dans l’ordre des x est listé.</numerusform>
            <numerusform>Plus de %n points ont été trouvés&#xa0;; les %n premiers dans l’ordre des x sont listés.</numerusform>
        </translation>
    </message>
    <message>
        <source>A parameter needs a name.</source>
        <translation>Un paramètre doit avoir un nom.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; cannot name a parameter: a name starts with a lower-case letter.</source>
        <translation>«&#xa0;%1&#xa0;» ne peut pas nommer un paramètre&#xa0;: un nom commence par une lettre minuscule.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; cannot name a parameter: a name holds only lower-case letters and digits.</source>
        <translation>«&#xa0;%1&#xa0;» ne peut pas nommer un paramètre&#xa0;: un nom ne contient que des lettres minuscules et des chiffres.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; cannot name a parameter: x, y and t are variables.</source>
        <translation>«&#xa0;%1&#xa0;» ne peut pas nommer un paramètre&#xa0;: x, y et t sont des variables.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; cannot name a parameter: it is the number pi.</source>
        <translation>«&#xa0;%1&#xa0;» ne peut pas nommer un paramètre&#xa0;: c’est le nombre pi.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; cannot name a parameter: it is a built-in function.</source>
        <translation>«&#xa0;%1&#xa0;» ne peut pas nommer un paramètre&#xa0;: c’est une fonction intégrée.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; cannot name a parameter: x and y in a name are always the variables (&apos;ax&apos; reads as a*x).</source>
        <translation>«&#xa0;%1&#xa0;» ne peut pas nommer un paramètre&#xa0;: x et y dans un nom sont toujours les variables («&#xa0;ax&#xa0;» se lit a*x).</translation>
    </message>
    <message>
        <source>There is already a parameter &apos;%1&apos;.</source>
        <translation>Il existe déjà un paramètre «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>The value of a parameter must be a finite number.</source>
        <translation>La valeur d’un paramètre doit être un nombre fini.</translation>
    </message>
    <message>
        <source>The minimum, the maximum and the step must be finite numbers.</source>
        <translation>Le minimum, le maximum et le pas doivent être des nombres finis.</translation>
    </message>
    <message>
        <source>The minimum must be less than the maximum.</source>
        <translation>Le minimum doit être inférieur au maximum.</translation>
    </message>
    <message>
        <source>The step must be more than 0.</source>
        <translation>Le pas doit être supérieur à 0.</translation>
    </message>
    <message>
        <source>A slider has at most %1 steps: choose a larger step or a smaller range.</source>
        <translation>Un curseur a au plus %1 pas&#xa0;: choisissez un pas plus grand ou un intervalle plus petit.</translation>
    </message>
    <message>
        <source>Plot</source>
        <translation>Tracé</translation>
    </message>
    <message>
        <source>Change Scale</source>
        <translation>Changement d’échelle</translation>
    </message>
    <message>
        <source>Change Kind</source>
        <translation>Changement de type</translation>
    </message>
    <message>
        <source>Typing</source>
        <translation>Saisie</translation>
    </message>
    <message>
        <source>New Function</source>
        <translation>Nouvelle fonction</translation>
    </message>
    <message>
        <source>Delete Function</source>
        <translation>Suppression de la fonction</translation>
    </message>
    <message>
        <source>Move Function</source>
        <translation>Déplacement de la fonction</translation>
    </message>
    <message>
        <source>Change Colour</source>
        <translation>Changement de couleur</translation>
    </message>
    <message>
        <source>Show Function</source>
        <translation>Affichage de la fonction</translation>
    </message>
    <message>
        <source>Hide Function</source>
        <translation>Masquage de la fonction</translation>
    </message>
    <message>
        <source>New Parameter</source>
        <translation>Nouveau paramètre</translation>
    </message>
    <message>
        <source>Delete Parameter</source>
        <translation>Suppression du paramètre</translation>
    </message>
    <message>
        <source>Rename Parameter</source>
        <translation>Renommage du paramètre</translation>
    </message>
    <message>
        <source>Change Range</source>
        <translation>Changement d’intervalle</translation>
    </message>
    <message>
        <source>Change Value</source>
        <translation>Changement de valeur</translation>
    </message>
    <message>
        <source>STOPPED</source>
        <translation>ARRÊTÉ</translation>
    </message>
</context>
<context>
    <name>FileDialogService</name>
    <message>
        <source>Open</source>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>Save changes to %1?</source>
        <translation>Enregistrer les modifications de %1&#xa0;?</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <source>&amp;Discard</source>
        <translation>&amp;Ne pas enregistrer</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuler</translation>
    </message>
</context>
<context>
    <name>FileStore</name>
    <message>
        <source>It is a folder, not a file.</source>
        <translation>C’est un dossier, pas un fichier.</translation>
    </message>
    <message>
        <source>It is a block device: a disk is never written to directly.</source>
        <translation>C’est un périphérique bloc&#xa0;: on n’écrit jamais directement sur un disque.</translation>
    </message>
    <message>
        <source>It is neither a file nor a device that can be written to.</source>
        <translation>Ce n’est ni un fichier ni un périphérique où l’on peut écrire.</translation>
    </message>
    <message>
        <source>It is a named pipe (FIFO), not a file.</source>
        <translation>C’est un tube nommé (FIFO), pas un fichier.</translation>
    </message>
    <message>
        <source>It is a socket, not a file.</source>
        <translation>C’est un socket, pas un fichier.</translation>
    </message>
    <message>
        <source>It is a character device, not a file.</source>
        <translation>C’est un périphérique caractère, pas un fichier.</translation>
    </message>
    <message>
        <source>It is a block device, not a file.</source>
        <translation>C’est un périphérique bloc, pas un fichier.</translation>
    </message>
    <message>
        <source>It is a special file, not a regular file.</source>
        <translation>C’est un fichier spécial, pas un fichier ordinaire.</translation>
    </message>
    <message numerus="yes">
        <source>The file holds more than %n bytes, the most that is read.</source>
        <translation>
            <numerusform>Le fichier contient plus de %n octet, le maximum qui soit lu.</numerusform>
            <numerusform>Le fichier contient plus de %n octets, le maximum qui soit lu.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>GraphDescription</name>
    <message>
        <source>Derivative of no expression</source>
        <translation>Dérivée d’aucune expression</translation>
    </message>
    <message>
        <source>No expression</source>
        <translation>Aucune expression</translation>
    </message>
    <message>
        <source>Derivative of %1</source>
        <translation>Dérivée de %1</translation>
    </message>
    <message>
        <source>%1, implicit</source>
        <translation>%1, implicite</translation>
    </message>
    <message>
        <source>%1, explicit</source>
        <translation>%1, explicite</translation>
    </message>
    <message>
        <source>no expression</source>
        <translation>aucune expression</translation>
    </message>
    <message>
        <source>Polar curve r = %1 for t from %2 to %3</source>
        <translation>Courbe polaire r = %1 pour t de %2 à %3</translation>
    </message>
    <message>
        <source>polar curve r = %1 for t from %2 to %3</source>
        <translation>courbe polaire r = %1 pour t de %2 à %3</translation>
    </message>
    <message>
        <source>Parametric curve (%1, %2) for t from %3 to %4</source>
        <translation>Courbe paramétrée (%1, %2) pour t de %3 à %4</translation>
    </message>
    <message>
        <source>parametric curve (%1, %2) for t from %3 to %4</source>
        <translation>courbe paramétrée (%1, %2) pour t de %3 à %4</translation>
    </message>
    <message>
        <source>%1, drawn over the previous graph</source>
        <translation>%1, tracée par-dessus le graphe précédent</translation>
    </message>
    <message>
        <source>%1. X scale %2, Y scale %3. %4.</source>
        <translation>%1. Échelle X %2, échelle Y %3. %4.</translation>
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
        <translation>Rien n’est affiché. Sélection&#xa0;: %1</translation>
    </message>
    <message>
        <source>Shown: %1. Selected: %2</source>
        <translation>Affichées&#xa0;: %1. Sélection&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>ImageExport</name>
    <message>
        <source>Cannot export the graph to &quot;%1&quot;.

%2</source>
        <translation>Impossible d’exporter le graphe vers «&#xa0;%1&#xa0;».

%2</translation>
    </message>
    <message>
        <source>Images (*.%1)</source>
        <translation>Images (*.%1)</translation>
    </message>
    <message>
        <source>The name&apos;s extension does not say which image format to write. Use one of: %1.</source>
        <translation>L’extension du nom n’indique pas quel format d’image écrire. Utilisez l’une de celles-ci&#xa0;: %1.</translation>
    </message>
    <message>
        <source>Vector pictures (*.pdf *.svg)</source>
        <translation>Images vectorielles (*.pdf *.svg)</translation>
    </message>
    <message>
        <source>The picture could not be drawn.</source>
        <translation>L’image n’a pas pu être dessinée.</translation>
    </message>
</context>
<context>
    <name>ParameterQuestion</name>
    <message>
        <source>The expression uses &apos;%1&apos;, which is not defined. Create a parameter %1 = %2 (from %3 to %4)?</source>
        <translation>L’expression utilise «&#xa0;%1&#xa0;», qui n’est pas défini. Créer un paramètre %1 = %2 (de %3 à %4)&#xa0;?</translation>
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
Graphe
Graphe
Graphe Plovex (*.pxg)
.pxg
Plovex.Graph
Graphe Plovex</translation>
    </message>
    <message>
        <source>Expression</source>
        <translation>Expression</translation>
    </message>
    <message>
        <source>Postfix form</source>
        <translation>Forme postfixée</translation>
    </message>
    <message>
        <source>Graph</source>
        <translation>Graphe</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Statistiques</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Progression</translation>
    </message>
    <message>
        <source>Increase X scale</source>
        <translation>Agrandir l’échelle X</translation>
    </message>
    <message>
        <source>Decrease X scale</source>
        <translation>Réduire l’échelle X</translation>
    </message>
    <message>
        <source>Increase Y scale</source>
        <translation>Agrandir l’échelle Y</translation>
    </message>
    <message>
        <source>Decrease Y scale</source>
        <translation>Réduire l’échelle Y</translation>
    </message>
    <message>
        <source>Help topics</source>
        <translation>Rubriques d’aide</translation>
    </message>
    <message>
        <source>Topic text</source>
        <translation>Texte de la rubrique</translation>
    </message>
    <message>
        <source>Plovex 2</source>
        <translation>Plovex 2</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Prêt</translation>
    </message>
    <message>
        <source>Create a new document
New</source>
        <translation>Créer un nouveau document
Nouveau</translation>
    </message>
    <message>
        <source>Open an existing document
Open</source>
        <translation>Ouvrir un document existant
Ouvrir</translation>
    </message>
    <message>
        <source>Close the active document
Close</source>
        <translation>Fermer le document actif
Fermer</translation>
    </message>
    <message>
        <source>Save the active document
Save</source>
        <translation>Enregistrer le document actif
Enregistrer</translation>
    </message>
    <message>
        <source>Save the active document with a new name
Save As</source>
        <translation>Enregistrer le document actif sous un nouveau nom
Enregistrer sous</translation>
    </message>
    <message>
        <source>Open this document</source>
        <translation>Ouvrir ce document</translation>
    </message>
    <message>
        <source>Copy the selection and put it on the Clipboard
Copy</source>
        <translation>Copier la sélection et la placer dans le presse-papiers
Copier</translation>
    </message>
    <message>
        <source>Cut the selection and put it on the Clipboard
Cut</source>
        <translation>Couper la sélection et la placer dans le presse-papiers
Couper</translation>
    </message>
    <message>
        <source>Insert Clipboard contents
Paste</source>
        <translation>Insérer le contenu du presse-papiers
Coller</translation>
    </message>
    <message>
        <source>Undo the last action
Undo</source>
        <translation>Annuler la dernière action
Annuler</translation>
    </message>
    <message>
        <source>Open another window for the active document
New Window</source>
        <translation>Ouvrir une autre fenêtre pour le document actif
Nouvelle fenêtre</translation>
    </message>
    <message>
        <source>Arrange icons at the bottom of the window
Arrange Icons</source>
        <translation>Réorganiser les icônes en bas de la fenêtre
Réorganiser les icônes</translation>
    </message>
    <message>
        <source>Arrange windows so they overlap
Cascade Windows</source>
        <translation>Disposer les fenêtres en cascade
Cascade</translation>
    </message>
    <message>
        <source>Arrange windows as non-overlapping tiles
Tile Windows</source>
        <translation>Disposer les fenêtres en mosaïque, sans chevauchement
Mosaïque</translation>
    </message>
    <message>
        <source>Display program information, version number and copyright
About</source>
        <translation>Afficher les informations sur le programme, le numéro de version et le copyright
À propos</translation>
    </message>
    <message>
        <source>Quit the application; prompts to save documents
Exit</source>
        <translation>Quitter l’application&#xa0;; propose d’enregistrer les documents
Quitter</translation>
    </message>
    <message>
        <source>Switch to the next window pane
Next Pane</source>
        <translation>Passer au volet suivant de la fenêtre
Volet suivant</translation>
    </message>
    <message>
        <source>Switch back to the previous window pane
Previous Pane</source>
        <translation>Revenir au volet précédent de la fenêtre
Volet précédent</translation>
    </message>
    <message>
        <source>CAP</source>
        <translation>MAJ</translation>
    </message>
    <message>
        <source>NUM</source>
        <translation>NUM</translation>
    </message>
    <message>
        <source>SCRL</source>
        <translation>DEF</translation>
    </message>
    <message>
        <source>Copy the graph&apos;s picture to the Clipboard
Copy Graph</source>
        <translation>Copier l’image du graphe dans le presse-papiers
Copier le graphe</translation>
    </message>
    <message>
        <source>Print the active graph
Print</source>
        <translation>Imprimer le graphe actif
Imprimer</translation>
    </message>
    <message>
        <source>Display the page as it will be printed
Print Preview</source>
        <translation>Afficher la page telle qu’elle sera imprimée
Aperçu avant impression</translation>
    </message>
    <message>
        <source>Show or hide the toolbar
Toggle ToolBar</source>
        <translation>Afficher ou masquer la barre d’outils
Barre d’outils</translation>
    </message>
    <message>
        <source>Show or hide the status bar
Toggle StatusBar</source>
        <translation>Afficher ou masquer la barre d’état
Barre d’état</translation>
    </message>
    <message>
        <source>Show or hide the grid and tick labels
Toggle Grid</source>
        <translation>Afficher ou masquer la grille et les graduations
Grille</translation>
    </message>
    <message>
        <source>Plovex draws graphs of mathematical functions.

Type a function of x and Plovex plots it. You can stretch or squeeze the picture along either axis, trade speed for detail with the quality setting, draw the graph of the derivative dy/dx, integrate the function between two limits, and draw implicit functions of x and y.

Choose a topic on the left to read more.</source>
        <translation>Plovex trace les graphes de fonctions mathématiques.

Saisissez une fonction de x et Plovex la trace. Vous pouvez étirer ou comprimer l’image le long de chaque axe, choisir entre vitesse et précision avec le réglage de qualité, tracer le graphe de la dérivée dy/dx, intégrer la fonction entre deux bornes et tracer des fonctions implicites de x et y.

Choisissez une rubrique à gauche pour en savoir plus.</translation>
    </message>
    <message>
        <source>Functions</source>
        <translation>Fonctions</translation>
    </message>
    <message>
        <source>Show or hide the list of the graph&apos;s functions (Ctrl+Shift+L goes to it)
Toggle Function List</source>
        <translation>Afficher ou masquer la liste des fonctions du graphe (Ctrl+Maj+L y mène)
Liste des fonctions</translation>
    </message>
    <message>
        <source>Add an empty function after the selected one
New Function</source>
        <translation>Ajouter une fonction vide après la fonction sélectionnée
Nouvelle fonction</translation>
    </message>
    <message>
        <source>Delete the selected function
Delete Function</source>
        <translation>Supprimer la fonction sélectionnée
Supprimer la fonction</translation>
    </message>
    <message>
        <source>Choose the colour of the selected function
Colour</source>
        <translation>Choisir la couleur de la fonction sélectionnée
Couleur</translation>
    </message>
    <message>
        <source>Move the selected function up the list
Move Up</source>
        <translation>Monter la fonction sélectionnée dans la liste
Monter</translation>
    </message>
    <message>
        <source>Move the selected function down the list
Move Down</source>
        <translation>Descendre la fonction sélectionnée dans la liste
Descendre</translation>
    </message>
    <message>
        <source>Find where the function crosses zero in the visible x range
Find Roots</source>
        <translation>Chercher où la fonction s’annule dans l’intervalle de x visible
Chercher les racines</translation>
    </message>
    <message>
        <source>Find the function&apos;s minima and maxima in the visible x range
Find Extrema</source>
        <translation>Chercher les minimums et maximums de la fonction dans l’intervalle de x visible
Chercher les extremums</translation>
    </message>
    <message>
        <source>Find where the function meets the graph&apos;s other functions in the visible x range
Find Intersections</source>
        <translation>Chercher où la fonction rencontre les autres fonctions du graphe dans l’intervalle de x visible
Chercher les intersections</translation>
    </message>
    <message>
        <source>List x, f(x) and dy/dx from one x to another in steps
Table of Values</source>
        <translation>Lister x, f(x) et dy/dx d’un x à un autre, pas à pas
Tableau de valeurs</translation>
    </message>
    <message>
        <source>Calculator: enter an arithmetic expression without x, such as 2^10/3, click Plot and read the result in the information box: the maximum, minimum and mean all show the value.

Solving equations: tick Implicit function and enter a function of x alone. The graph drawn is the set where f(x) = 0: upright lines whose positions along the x-axis are the values of x at which the function vanishes.

Example: x*sin x

From a terminal: plovex --expression=EXPR --roots (or --extrema, or both) prints one line per point in order of x: root, minimum or maximum, then x and y. The options --size=WxH (the graph area, 610x238 unless given), --xscale and --dydx choose the columns and the function as the window would; --intersections prints where the expression meets each other explicit function (--function=EXPR, once for each), the other&apos;s number last. plovex --expression=EXPR --table=FROM,TO,STEP prints x, f(x) and dy/dx on each line. --exact prints every number in full.</source>
        <translation>Calculatrice&#xa0;: saisissez une expression arithmétique sans x, par exemple 2^10/3, cliquez sur «&#xa0;Tracer&#xa0;» et lisez le résultat dans la zone d’information&#xa0;: le maximum, le minimum et la moyenne affichent tous cette valeur.

Résolution d’équations&#xa0;: cochez «&#xa0;Implicite&#xa0;» et saisissez une fonction de x seul. Le graphe tracé est l’ensemble où f(x) = 0&#xa0;: des droites verticales dont les positions sur l’axe des x sont les valeurs de x où la fonction s’annule.

Exemple&#xa0;: x*sin x

Depuis un terminal&#xa0;: plovex --expression=EXPR --roots (ou --extrema, ou les deux) affiche une ligne par point dans l’ordre des x&#xa0;: root, minimum ou maximum, puis x et y. Les options --size=WxH (la zone du graphe, 610x238 par défaut), --xscale et --dydx choisissent les colonnes et la fonction comme le ferait la fenêtre&#xa0;; --intersections affiche où l’expression rencontre chaque autre fonction explicite (--function=EXPR, une fois pour chacune), le numéro de l’autre en dernier. plovex --expression=EXPR --table=FROM,TO,STEP affiche x, f(x) et dy/dx sur chaque ligne. --exact affiche chaque nombre en entier.</translation>
    </message>
    <message>
        <source>Zoom in on the centre of the graph
Zoom In</source>
        <translation>Zoomer vers le centre du graphe
Zoom avant</translation>
    </message>
    <message>
        <source>Zoom out from the centre of the graph
Zoom Out</source>
        <translation>Dézoomer depuis le centre du graphe
Zoom arrière</translation>
    </message>
    <message>
        <source>Show the graph at scales 10 with the origin at the centre
Reset View</source>
        <translation>Afficher le graphe aux échelles 10 avec l’origine au centre
Réinitialiser la vue</translation>
    </message>
    <message>
        <source>Give the y axis the scale of the x axis, so that circles look round
Equal Scales</source>
        <translation>Donner à l’axe des y l’échelle de l’axe des x, pour que les cercles paraissent ronds
Échelles égales</translation>
    </message>
    <message>
        <source>Go back to the previous view of the graph
Back</source>
        <translation>Revenir à la vue précédente du graphe
Précédent</translation>
    </message>
    <message>
        <source>Go forward to the next view of the graph
Forward</source>
        <translation>Aller à la vue suivante du graphe
Suivant</translation>
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
        <translation>Quelques saisies à essayer, avec des réglages conseillés&#xa0;:

x*sin(x)  avec une qualité de 50
x+sin(x)  avec les échelles X et Y à 2
(cos x)^2  avec l’échelle X à 30 et l’échelle Y à 125
1/((x^2+1)^1.5)  avec l’échelle X à 25 et l’échelle Y à 90

Fonctions implicites (cochez d’abord «&#xa0;Implicite&#xa0;»)&#xa0;:

tan(x*y)
tan(x/y)
sin(x*y/(x+y))

Courbes paramétriques et polaires&#xa0;: dans la liste des fonctions, ouvrez le menu de «&#xa0;Nouvelle fonction&#xa0;» (la flèche à côté de «&#xa0;Nouvelle&#xa0;», ou Alt+Inser dans la liste) et choisissez «&#xa0;Paramétrique&#xa0;» ou «&#xa0;Polaire&#xa0;». Saisissez x(t) et y(t), ou r(t), et l’intervalle de t sous la liste, puis appuyez sur Entrée ou sur «&#xa0;Tracer&#xa0;». Chaque courbe est tracée point par point, avec d’autant plus de points que la qualité est élevée. «&#xa0;Évaluer&#xa0;», «&#xa0;Éval. dy/dx&#xa0;», «&#xa0;Intégrer&#xa0;», «&#xa0;Tracer dy/dx&#xa0;» et le menu «&#xa0;Outils&#xa0;» s’appliquent aux fonctions explicites&#xa0;; les statistiques d’une courbe sélectionnée portent sur les y de ses points.

x(t) = t - sin t, y(t) = 1 - cos t, t de 0 à 18.85&#xa0;: une cycloïde
x(t) = sin(3*t), y(t) = sin(2*t) avec les échelles X et Y à 100&#xa0;: une courbe de Lissajous
r(t) = cos(5*t) avec les échelles X et Y à 100&#xa0;: une rosace
r(t) = t/2, t de 0 à 31.4&#xa0;: une spirale</translation>
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
        <translation>Les fonctions intégrées&#xa0;:

Trigonométriques&#xa0;: sin, cos, tan, cosec, sec, cot
Trigonométriques réciproques&#xa0;: asin, acos, atan
Exponentielle et logarithmes&#xa0;: e, ln, log (e(x) est e puissance x, e(1) le nombre e&#xa0;; log est le logarithme décimal)
abs&#xa0;: le module (valeur absolue)
sqrt&#xa0;: la racine carrée, comme l’élévation à la puissance 1/2
floor&#xa0;: la partie entière, le plus grand entier inférieur ou égal à l’argument

La constante pi&#xa0;: le nombre 3.1415927.

Les angles sont en radians. Chaque fonction s’applique à l’opérande qui la suit immédiatement, avec ou sans parenthèses, et doit en avoir un&#xa0;: e^x est une erreur, e(x) est correct.</translation>
    </message>
    <message>
        <source>Open the help</source>
        <translation>Ouvrir l’aide</translation>
    </message>
    <message>
        <source>Save the active graph as an image, SVG or PDF file of the size you choose
Export Graph</source>
        <translation>Enregistrer le graphe actif dans un fichier image, SVG ou PDF de la taille choisie
Exporter le graphe</translation>
    </message>
    <message>
        <source>Show the active graph on the whole screen; F11 or Esc goes back
Full Screen Graph</source>
        <translation>Afficher le graphe actif sur tout l’écran&#xa0;; F11 ou Échap pour revenir
Graphe en plein écran</translation>
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
        <translation>Échelles X et Y (Éch. X, Éch. Y)&#xa0;: le nombre de pixels par unité le long de chaque axe. Saisissez une valeur ou utilisez les boutons + et -, qui retracent aussitôt le graphe.

Qualité&#xa0;: le nombre d’échantillons pris dans chaque colonne de pixels. Une qualité basse est plus rapide mais la courbe peut être pointillée&#xa0;; une qualité élevée est plus lente mais trace une ligne continue.

Tracer dy/dx&#xa0;: trace la dérivée f&apos;(x) de la fonction.

Intégrer&#xa0;: calcule l’intégrale définie de la fonction entre deux bornes que vous saisissez.

Évaluer et Éval. dy/dx&#xa0;: donnent la valeur de la fonction, ou de sa dérivée, en un x de votre choix.

La zone d’information affiche le maximum, le minimum et la moyenne des valeurs tracées après chaque tracé.

Déplacez la souris sur le graphe pour voir les coordonnées sous le pointeur. Un * à leur suite signifie que le point est sur la courbe. La barre d’état de la fenêtre principale affiche le même point avec autant de décimales que l’échelle le justifie, par exemple x = 1.25, y = -0.375 à l’échelle 80.

Grille&#xa0;: Affichage &gt; Grille (Ctrl+G) trace sous chaque graphe une grille aux graduations étiquetées, pour lire des valeurs sur l’image. Les lignes sont espacées de 1, 2 ou 5 fois une puissance de dix unités, d’au moins 40 pixels, et suivent donc les échelles. Le choix vaut pour tous les graphes et est mémorisé&#xa0;; quand «&#xa0;Garder le graphe précédent&#xa0;» est coché, aucune grille n’est tracée.

Clavier&#xa0;: Entrée dans la zone de l’expression trace le graphe. Alt avec la lettre soulignée d’un bouton l’actionne (Alt+T trace)&#xa0;; Alt+Maj avec une flèche change une échelle comme ses boutons + et -. Tab atteint aussi le graphe, dont la bordure prend alors la couleur de sélection&#xa0;: là, les flèches déplacent la vue d’un dixième du graphe à la fois, d’un pixel avec Maj.

Menu Outils&#xa0;: «&#xa0;Chercher les racines&#xa0;», «&#xa0;Chercher les extremums&#xa0;» et «&#xa0;Chercher les intersections&#xa0;» (avec chaque autre fonction explicite affichée) examinent la fonction sélectionnée telle que le graphe la montre, sur l’intervalle de x du graphe&#xa0;: un échantillon par colonne de pixels, au x avec lequel le graphe est tracé. Les points trouvés sont listés dans la fenêtre «&#xa0;Points&#xa0;» (fonction, type, x et y, dans l’ordre des x) et entourés sur le graphe jusqu’à ce qu’il soit retracé. Choisissez une ligne pour voir son point dans la barre d’état&#xa0;; «&#xa0;Copier&#xa0;» (Ctrl+C) copie les lignes avec une ligne d’en-tête et une tabulation entre les colonnes, et «&#xa0;Exporter en CSV&#xa0;» les enregistre dans un fichier. Une commande liste au plus 1000 points.

Une racine est trouvée entre deux échantillons voisins de signes opposés, et en tout échantillon exactement nul. Son x est un nombre où f vaut 0, ou bien où f change de signe vers le nombre suivant (aussi près que vont les nombres du programme) sans y être plus grande en valeur absolue. Là où la valeur absolue de f ne cesse de croître des deux côtés à mesure que la recherche se resserre (un pôle, comme tan x en pi/2, ou un saut, comme x - floor(x) - 0.5 en 1), aucune racine n’est listée. Un minimum ou un maximum de valeur 0 est aussi une racine&#xa0;: la courbe y touche zéro.

Un maximum (minimum) est trouvé en tout échantillon supérieur (inférieur) à ses deux voisins&#xa0;; une suite d’échantillons égaux compte une fois. Son x donne une valeur qui n’est pas plus petite (plus grande) que les échantillons autour de lui ni que les nombres juste à côté. Les pôles et les valeurs infinies ne sont pas listés comme maximums ou minimums. Une intersection de deux fonctions est une racine de leur différence&#xa0;; son y est la valeur de la première.

«&#xa0;Tableau de valeurs&#xa0;» demande «&#xa0;De&#xa0;», «&#xa0;Jusqu’à&#xa0;» et «&#xa0;Pas&#xa0;» et liste x, f(x) et dy/dx (tel que le donne «&#xa0;Éval. dy/dx&#xa0;») pour x = De, De + Pas, ... jusqu’à la valeur «&#xa0;Jusqu’à&#xa0;». Un pas nul, un pas qui s’éloigne de «&#xa0;Jusqu’à&#xa0;», ou plus de 100000 lignes sont refusés. «&#xa0;Copier&#xa0;» et «&#xa0;Exporter en CSV&#xa0;» fonctionnent comme dans la fenêtre «&#xa0;Points&#xa0;».

Le graphe à toute taille&#xa0;: Affichage &gt; Graphe en plein écran (F11) affiche le graphe sur tout l’écran, où la molette, le glisser et les commandes du menu Affichage agissent comme sur le formulaire&#xa0;; F11, ou Échap quand rien n’est en cours de tracé, ramène à la fenêtre. Fichier &gt; Exporter le graphe demande la taille de l’image et s’il faut garder la région visible (les échelles grandissent avec l’image) ou les échelles (une image plus grande en montre davantage), puis écrit une image, ou un fichier SVG ou PDF qui contient le graphe sous forme de lignes et de texte.</translation>
    </message>
    <message>
        <source>Show or hide the sliders of the graph&apos;s parameters (Ctrl+Shift+P goes to them)
Toggle Parameter List</source>
        <translation>Afficher ou masquer les curseurs des paramètres du graphe (Ctrl+Maj+P y mène)
Liste des paramètres</translation>
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
        <translation>Saisissez une fonction de x dans la zone en haut de la fenêtre du graphe et cliquez sur «&#xa0;Tracer&#xa0;». Plovex trace y = f(x) sur toute la largeur du graphe, dont les axes se croisent en son centre.

Exemple&#xa0;: x^2 + 5*x + 6

Les fonctions intégrées s’écrivent avec ou sans parenthèses&#xa0;: sin x et sin(x) signifient la même chose. Une fonction s’applique à l’opérande qui la suit immédiatement&#xa0;: sin x^2 vaut (sin x)^2, et sin 2x vaut (sin 2)*x&#xa0;; écrivez donc sin(2x).

Le signe de multiplication peut être omis entre deux opérandes, avec la même priorité que *&#xa0;: 2x vaut 2*x, 2(x+1) vaut 2*(x+1), et (x+1)(x-1), x sin x et, dans les fonctions implicites, x y se multiplient aussi&#xa0;; 2x^2 vaut 2*x^2 et 1/2x vaut (1/2)*x. La forme postfixée affiche le *.

Les nombres peuvent avoir un exposant&#xa0;: 1e5 vaut 100000, 2.5e-3 vaut 0.0025, et x^2-1e-2 vaut x^2 - 0.01. pi est le nombre 3.1415927&#xa0;: x*pi, 2pi.

Un nom se compose de lettres et des chiffres qui les suivent immédiatement&#xa0;: log10(x) et sin2x sont des noms inconnus, et non log(10)*x ou sin(2)*x. Un nom inconnu est signalé, de même qu’une fonction sans argument après elle&#xa0;: pour e^x, Plovex signale que la fonction «&#xa0;e&#xa0;» n’a pas d’argument&#xa0;; écrivez e(x) ou e x pour e puissance x.

Fonctions implicites&#xa0;: cochez «&#xa0;Implicite&#xa0;» et saisissez f(x, y) sans signe égal. Plovex trace tous les points où f(x, y) = 0.

Exemple&#xa0;: x^2 + y^2 - 25 trace un cercle de rayon 5.

Plusieurs fonctions&#xa0;: la liste «&#xa0;Fonctions&#xa0;» à côté des graphes (Affichage &gt; Liste des fonctions, Ctrl+Maj+L) contient chaque fonction du graphe, chacune dans sa couleur. «&#xa0;Nouvelle fonction&#xa0;» (Inser) en ajoute une&#xa0;; choisissez une ligne pour modifier sa fonction dans le formulaire. La case d’une ligne affiche ou masque sa fonction (Espace), «&#xa0;Couleur...&#xa0;» (F2) change sa couleur, et «&#xa0;Supprimer la fonction&#xa0;», «&#xa0;Monter&#xa0;» et «&#xa0;Descendre&#xa0;» (Alt+Haut, Alt+Bas) font ce qu’ils disent. «&#xa0;Tracer&#xa0;» trace chaque fonction affichée&#xa0;; les statistiques, l’affichage du pointeur, «&#xa0;Évaluer&#xa0;», «&#xa0;Éval. dy/dx&#xa0;», «&#xa0;Intégrer&#xa0;» et «&#xa0;Tracer dy/dx&#xa0;» agissent sur la fonction sélectionnée.

Paramètres&#xa0;: un nom de votre choix, comme a et b dans a*sin(b*x), est un paramètre du graphe. «&#xa0;Tracer&#xa0;» propose de créer chacun de ceux qui ne sont pas encore définis, avec la valeur 1, de -5 à 5 par pas de 0.1. La liste «&#xa0;Paramètres&#xa0;» sous les fonctions (Affichage &gt; Liste des paramètres, Ctrl+Maj+P) a un curseur pour chacun, avec sa valeur, son intervalle et son pas&#xa0;; déplacer un curseur (d’un pas avec les flèches, de dix avec Pg préc. et Pg suiv.) retrace aussitôt chaque fenêtre du graphe. Son bouton ▶ l’anime&#xa0;: le curseur va du minimum au maximum et revient, jusqu’à ce que vous appuyiez sur ■ ou Échap. «&#xa0;Ajouter&#xa0;» (Inser) crée un nouveau paramètre et ✕ en supprime un&#xa0;; tapez un nouveau nom dans sa case de nom pour le renommer.</translation>
    </message>
    <message>
        <source>Redo the previously undone action
Redo</source>
        <translation>Rétablir la dernière action annulée
Rétablir</translation>
    </message>
</context>
<context>
    <name>plovex::CCurveEditor</name>
    <message>
        <source>to</source>
        <translation>à</translation>
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
        <translation>«&#xa0;%1&#xa0;» n’est pas un nombre fini. L’intervalle de t reste de %2 à %3.</translation>
    </message>
    <message>
        <source>y(t) =</source>
        <translation>y(t) =</translation>
    </message>
    <message>
        <source>t from</source>
        <translation>t de</translation>
    </message>
    <message>
        <source>Start of the range of t</source>
        <translation>Début de l’intervalle de t</translation>
    </message>
    <message>
        <source>End of the range of t</source>
        <translation>Fin de l’intervalle de t</translation>
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
        <translation>&amp;Annuler : %1</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>&amp;Rétablir : %1</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rétablir</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nouveau</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Ouvrir...</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Enregistrer &amp;sous...</translation>
    </message>
    <message>
        <source>&amp;Export Graph...</source>
        <translation>E&amp;xporter le graphe...</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Imprimer...</translation>
    </message>
    <message>
        <source>Print Pre&amp;view...</source>
        <translation>&amp;Aperçu avant impression...</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>Co&amp;uper</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copier</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>C&amp;oller</translation>
    </message>
    <message>
        <source>Recent File</source>
        <translation>Fichier récent</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation>&amp;Barre d’outils</translation>
    </message>
    <message>
        <source>&amp;Status Bar</source>
        <translation>Barre d’é&amp;tat</translation>
    </message>
    <message>
        <source>&amp;Grid</source>
        <translation>&amp;Grille</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>&amp;Zoom avant</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>Zoom a&amp;rrière</translation>
    </message>
    <message>
        <source>&amp;Reset View</source>
        <translation>Réi&amp;nitialiser la vue</translation>
    </message>
    <message>
        <source>&amp;Equal Scales</source>
        <translation>Éc&amp;helles égales</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Précédent</translation>
    </message>
    <message>
        <source>For&amp;ward</source>
        <translation>&amp;Suivant</translation>
    </message>
    <message>
        <source>F&amp;ull Screen Graph</source>
        <translation>Graphe en plein é&amp;cran</translation>
    </message>
    <message>
        <source>&amp;Function List</source>
        <translation>&amp;Liste des fonctions</translation>
    </message>
    <message>
        <source>&amp;New Function</source>
        <translation>&amp;Nouvelle fonction</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nouvelle</translation>
    </message>
    <message>
        <source>&amp;Delete Function</source>
        <translation>&amp;Supprimer la fonction</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>&amp;Colour...</source>
        <translation>&amp;Couleur...</translation>
    </message>
    <message>
        <source>Colour</source>
        <translation>Couleur</translation>
    </message>
    <message>
        <source>Move &amp;Up</source>
        <translation>&amp;Monter</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Monter</translation>
    </message>
    <message>
        <source>Move Do&amp;wn</source>
        <translation>&amp;Descendre</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Descendre</translation>
    </message>
    <message>
        <source>Find &amp;Roots</source>
        <translation>Chercher les &amp;racines</translation>
    </message>
    <message>
        <source>Find &amp;Extrema</source>
        <translation>Chercher les &amp;extremums</translation>
    </message>
    <message>
        <source>Find &amp;Intersections</source>
        <translation>Chercher les &amp;intersections</translation>
    </message>
    <message>
        <source>&amp;Table of Values...</source>
        <translation>&amp;Tableau de valeurs...</translation>
    </message>
    <message>
        <source>&amp;New Window</source>
        <translation>&amp;Nouvelle fenêtre</translation>
    </message>
    <message>
        <source>&amp;Cascade</source>
        <translation>&amp;Cascade</translation>
    </message>
    <message>
        <source>&amp;Tile</source>
        <translation>&amp;Mosaïque</translation>
    </message>
    <message>
        <source>&amp;Arrange Icons</source>
        <translation>&amp;Réorganiser les icônes</translation>
    </message>
    <message>
        <source>&amp;Using Plovex</source>
        <translation>&amp;Utiliser Plovex</translation>
    </message>
    <message>
        <source>&amp;About Plovex...</source>
        <translation>À &amp;propos de Plovex...</translation>
    </message>
    <message>
        <source>Ne&amp;xt Pane</source>
        <translation>Volet &amp;suivant</translation>
    </message>
    <message>
        <source>Pre&amp;vious Pane</source>
        <translation>Volet &amp;précédent</translation>
    </message>
</context>
<context>
    <name>plovex::CFrameMenus</name>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Édition</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Affichage</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>&amp;Outils</translation>
    </message>
    <message>
        <source>&amp;Window</source>
        <translation>Fe&amp;nêtre</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Ai&amp;de</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
</context>
<context>
    <name>plovex::CFrameToolBar</name>
    <message>
        <source>Standard</source>
        <translation>Standard</translation>
    </message>
</context>
<context>
    <name>plovex::CFullScreenGraph</name>
    <message>
        <source>Graph</source>
        <translation>Graphe</translation>
    </message>
    <message>
        <source>Pointer position</source>
        <translation>Position du pointeur</translation>
    </message>
    <message>
        <source>F11 or Esc: back to the window</source>
        <translation>F11 ou Échap&#xa0;: retour à la fenêtre</translation>
    </message>
</context>
<context>
    <name>plovex::CFunctionBar</name>
    <message>
        <source>(empty)</source>
        <translation>(vide)</translation>
    </message>
    <message>
        <source>shown</source>
        <translation>affichée</translation>
    </message>
    <message>
        <source>hidden</source>
        <translation>masquée</translation>
    </message>
    <message>
        <source>Parametric: x = %1, y = %2</source>
        <translation>Paramétrique&#xa0;: x = %1, y = %2</translation>
    </message>
    <message>
        <source>Polar: r = %1</source>
        <translation>Polaire&#xa0;: r = %1</translation>
    </message>
</context>
<context>
    <name>plovex::CHelpDlg</name>
    <message>
        <source>Introduction</source>
        <translation>Introduction</translation>
    </message>
    <message>
        <source>Plotting Graphs</source>
        <translation>Tracer des graphes</translation>
    </message>
    <message>
        <source>Function List</source>
        <translation>Liste des fonctions</translation>
    </message>
    <message>
        <source>Additional Features</source>
        <translation>Autres fonctionnalités</translation>
    </message>
    <message>
        <source>Other Uses of Plovex</source>
        <translation>Autres usages de Plovex</translation>
    </message>
    <message>
        <source>Examples</source>
        <translation>Exemples</translation>
    </message>
</context>
<context>
    <name>plovex::CNewFunctionMenu</name>
    <message>
        <source>&amp;Explicit y = f(x)</source>
        <translation>&amp;Explicite y = f(x)</translation>
    </message>
    <message>
        <source>&amp;Implicit f(x, y) = 0</source>
        <translation>&amp;Implicite f(x, y) = 0</translation>
    </message>
    <message>
        <source>&amp;Parametric x(t), y(t)</source>
        <translation>&amp;Paramétrique x(t), y(t)</translation>
    </message>
    <message>
        <source>P&amp;olar r(t)</source>
        <translation>P&amp;olaire r(t)</translation>
    </message>
</context>
<context>
    <name>plovex::CParameterBar</name>
    <message>
        <source>Parameters</source>
        <translation>Paramètres</translation>
    </message>
    <message>
        <source>&amp;Parameter List</source>
        <translation>Liste des para&amp;mètres</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Ajouter</translation>
    </message>
    <message>
        <source>Add parameter</source>
        <translation>Ajouter un paramètre</translation>
    </message>
    <message>
        <source>Add a parameter (Insert)</source>
        <translation>Ajouter un paramètre (Inser)</translation>
    </message>
</context>
<context>
    <name>plovex::CParameterRow</name>
    <message>
        <source>from</source>
        <translation>de</translation>
    </message>
    <message>
        <source>to</source>
        <translation>à</translation>
    </message>
    <message>
        <source>step</source>
        <translation>pas</translation>
    </message>
    <message>
        <source>Name of parameter %1</source>
        <translation>Nom du paramètre %1</translation>
    </message>
    <message>
        <source>Slider of %1</source>
        <translation>Curseur de %1</translation>
    </message>
    <message>
        <source>Value of %1</source>
        <translation>Valeur de %1</translation>
    </message>
    <message>
        <source>Minimum of %1</source>
        <translation>Minimum de %1</translation>
    </message>
    <message>
        <source>Maximum of %1</source>
        <translation>Maximum de %1</translation>
    </message>
    <message>
        <source>Step of %1</source>
        <translation>Pas de %1</translation>
    </message>
    <message>
        <source>Delete %1</source>
        <translation>Supprimer %1</translation>
    </message>
    <message>
        <source>Stop %1</source>
        <translation>Arrêter %1</translation>
    </message>
    <message>
        <source>Play %1</source>
        <translation>Animer %1</translation>
    </message>
</context>
<context>
    <name>plovex::CPlovexApp</name>
    <message>
        <source>All Files (*)</source>
        <translation>Tous les fichiers (*)</translation>
    </message>
</context>
<context>
    <name>plovex::CPlovexDoc</name>
    <message>
        <source>Cannot open the document &quot;%1&quot;.

%2</source>
        <translation>Impossible d’ouvrir le document «&#xa0;%1&#xa0;».

%2</translation>
    </message>
    <message>
        <source>Cannot save the document &quot;%1&quot;.

%2</source>
        <translation>Impossible d’enregistrer le document «&#xa0;%1&#xa0;».

%2</translation>
    </message>
    <message>
        <source>It is not a Plovex graph: %1</source>
        <translation>Ce n’est pas un graphe Plovex&#xa0;: %1</translation>
    </message>
    <message>
        <source>The graph settings stored in &quot;%1&quot; are damaged. The expression opens with the default scales and quality.</source>
        <translation>Les réglages du graphe enregistrés dans «&#xa0;%1&#xa0;» sont endommagés. L’expression s’ouvre avec les échelles et la qualité par défaut.</translation>
    </message>
    <message>
        <source>The parameters stored in &quot;%1&quot; are damaged. The functions open without parameters.</source>
        <translation>Les paramètres enregistrés dans «&#xa0;%1&#xa0;» sont endommagés. Les fonctions s’ouvrent sans paramètres.</translation>
    </message>
</context>
<context>
    <name>plovex::CPlovexView</name>
    <message>
        <source>Evaluate function for what value of x?</source>
        <translation>Évaluer la fonction pour quelle valeur de x&#xa0;?</translation>
    </message>
    <message>
        <source>Evaluate dy/dx for what value of x?</source>
        <translation>Évaluer dy/dx pour quelle valeur de x&#xa0;?</translation>
    </message>
    <message>
        <source>Enter lower limit for integration:</source>
        <translation>Saisissez la borne inférieure d’intégration&#xa0;:</translation>
    </message>
    <message>
        <source>Enter upper limit for integration:</source>
        <translation>Saisissez la borne supérieure d’intégration&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Copy Graph</source>
        <translation>&amp;Copier le graphe</translation>
    </message>
    <message>
        <source>&amp;Export Graph...</source>
        <translation>E&amp;xporter le graphe...</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Imprimer...</translation>
    </message>
    <message>
        <source>Cannot print the graph: the printer did not accept the page.</source>
        <translation>Impossible d’imprimer le graphe&#xa0;: l’imprimante n’a pas accepté la page.</translation>
    </message>
    <message>
        <source>Export Graph</source>
        <translation>Exporter le graphe</translation>
    </message>
    <message>
        <source>Cannot print the graph to &quot;%1&quot;.

%2</source>
        <translation>Impossible d’imprimer le graphe dans «&#xa0;%1&#xa0;».

%2</translation>
    </message>
    <message>
        <source>Roots, extrema and tables of values are found for explicit functions: clear Implicit function and plot.</source>
        <translation>Les racines, les extremums et les tableaux de valeurs ne se calculent que pour les fonctions explicites&#xa0;: décochez «&#xa0;Implicite&#xa0;» et tracez.</translation>
    </message>
    <message>
        <source>Cannot zoom in further: the scale would become infinite.</source>
        <translation>Impossible de zoomer davantage&#xa0;: l’échelle deviendrait infinie.</translation>
    </message>
    <message>
        <source>Cannot zoom out further: the scale would become zero.</source>
        <translation>Impossible de dézoomer davantage&#xa0;: l’échelle deviendrait nulle.</translation>
    </message>
    <message>
        <source>Cannot zoom in further: neighbouring pixels would show the same value.</source>
        <translation>Impossible de zoomer davantage&#xa0;: des pixels voisins montreraient la même valeur.</translation>
    </message>
    <message>
        <source>Cannot zoom out further: neighbouring pixels would show the same value.</source>
        <translation>Impossible de dézoomer davantage&#xa0;: des pixels voisins montreraient la même valeur.</translation>
    </message>
    <message>
        <source>Cannot make the scales equal: the x scale cannot be used for y.</source>
        <translation>Impossible d’égaliser les échelles&#xa0;: l’échelle des x n’est pas utilisable pour y.</translation>
    </message>
    <message>
        <source>Roots, extrema and tables of values are found for explicit functions y = f(x), not for parametric or polar curves.</source>
        <translation>Les racines, les extremums et les tables de valeurs ne se calculent que pour les fonctions explicites y = f(x), pas pour les courbes paramétriques ou polaires.</translation>
    </message>
</context>
<context>
    <name>plovex::CPointsDlg</name>
    <message>
        <source>Function</source>
        <translation>Fonction</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copier</translation>
    </message>
    <message>
        <source>&amp;Export CSV...</source>
        <translation>&amp;Exporter en CSV...</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>Points</translation>
    </message>
    <message>
        <source>root</source>
        <translation>racine</translation>
    </message>
    <message>
        <source>minimum</source>
        <translation>minimum</translation>
    </message>
    <message>
        <source>maximum</source>
        <translation>maximum</translation>
    </message>
    <message>
        <source>intersection with function %1</source>
        <translation>intersection avec la fonction %1</translation>
    </message>
    <message>
        <source>%1 of %2: x = %3, y = %4</source>
        <translation>%1 de %2&#xa0;: x = %3, y = %4</translation>
    </message>
</context>
<context>
    <name>plovex::CToolWindows</name>
    <message>
        <source>There is no other shown explicit function in this graph to meet: add one with New Function, or show one in the function list.</source>
        <translation>Ce graphe n’affiche aucune autre fonction explicite à croiser&#xa0;: ajoutez-en une avec «&#xa0;Nouvelle fonction&#xa0;», ou affichez-en une dans la liste des fonctions.</translation>
    </message>
    <message>
        <source>Roots of %1</source>
        <translation>Racines de %1</translation>
    </message>
    <message>
        <source>Minima and maxima of %1</source>
        <translation>Minimums et maximums de %1</translation>
    </message>
    <message>
        <source>Intersections of %1</source>
        <translation>Intersections de %1</translation>
    </message>
    <message>
        <source>%1 for x from %2 to %3</source>
        <translation>%1 pour x de %2 à %3</translation>
    </message>
    <message>
        <source>%1: none found.</source>
        <comment>roots</comment>
        <translation>%1&#xa0;: aucune trouvée.</translation>
    </message>
    <message numerus="yes">
        <source>%1: %n found.</source>
        <comment>roots</comment>
        <translation>
            <numerusform>%1&#xa0;: %n trouvée.</numerusform>
            <numerusform>%1&#xa0;: %n trouvées.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: none found.</source>
        <comment>minima and maxima</comment>
        <translation>%1&#xa0;: aucun trouvé.</translation>
    </message>
    <message numerus="yes">
        <source>%1: %n found.</source>
        <comment>minima and maxima</comment>
        <translation>
            <numerusform>%1&#xa0;: %n trouvé.</numerusform>
            <numerusform>%1&#xa0;: %n trouvés.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: none found.</source>
        <comment>intersections</comment>
        <translation>%1&#xa0;: aucune trouvée.</translation>
    </message>
    <message numerus="yes">
        <source>%1: %n found.</source>
        <comment>intersections</comment>
        <translation>
            <numerusform>%1&#xa0;: %n trouvée.</numerusform>
            <numerusform>%1&#xa0;: %n trouvées.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>plovex::CValueTableDlg</name>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copier</translation>
    </message>
    <message>
        <source>&amp;Export CSV...</source>
        <translation>&amp;Exporter en CSV...</translation>
    </message>
    <message>
        <source>%1 - Table of Values</source>
        <translation>%1 - Tableau de valeurs</translation>
    </message>
</context>
<context>
    <name>plovex::DataTable</name>
    <message>
        <source>Export CSV</source>
        <translation>Exporter en CSV</translation>
    </message>
    <message>
        <source>CSV files (*.csv);;All files (*)</source>
        <translation>Fichiers CSV (*.csv);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>Impossible d’écrire %1&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>plovex::DocumentTemplate</name>
    <message>
        <source>Save As</source>
        <translation>Enregistrer sous</translation>
    </message>
</context>
</TS>
