<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>AboutBox</name>
    <message>
        <source>&lt;p&gt;&lt;b&gt;%1&lt;/b&gt;&lt;br&gt;File version %2&lt;/p&gt;&lt;p&gt;A speech timer for public-speaking clubs: its light turns green, yellow and red as the speaker passes each threshold.&lt;/p&gt;&lt;p&gt;Copyright the LecternWorks Timer developers.&lt;br&gt;Released under the MIT licence.&lt;/p&gt;</source>
        <translation>&lt;p&gt;&lt;b&gt;%1&lt;/b&gt;&lt;br&gt;Version du fichier %2&lt;/p&gt;&lt;p&gt;Un chronomètre de discours pour les clubs d’art oratoire : son feu passe au vert, au jaune puis au rouge à mesure que l’orateur atteint chaque seuil.&lt;/p&gt;&lt;p&gt;Copyright les développeurs de LecternWorks Timer.&lt;br&gt;Publié sous la licence MIT.&lt;/p&gt;</translation>
    </message>
</context>
<context>
    <name>AgendaColumns</name>
    <message>
        <source>name</source>
        <translation>nom</translation>
    </message>
    <message>
        <source>category</source>
        <translation>catégorie</translation>
    </message>
    <message>
        <source>green</source>
        <translation>vert</translation>
    </message>
    <message>
        <source>yellow</source>
        <translation>jaune</translation>
    </message>
    <message>
        <source>red</source>
        <translation>rouge</translation>
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
        <translation>Impossible de lire le fichier : %1</translation>
    </message>
    <message>
        <source>Not text: it holds NUL bytes or control characters</source>
        <translation>Ce n’est pas du texte : il contient des octets NUL ou des caractères de contrôle</translation>
    </message>
    <message>
        <source>Not UTF-8 text</source>
        <translation>Ce n’est pas du texte UTF-8</translation>
    </message>
    <message>
        <source>Over %1 MB: too large for an agenda</source>
        <translation>Plus de %1 Mo : trop grand pour un ordre du jour</translation>
    </message>
    <message>
        <source>The first line names the column &quot;%1&quot; twice</source>
        <translation>La première ligne nomme deux fois la colonne « %1 »</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could be %2</source>
        <translation>« %1 » pourrait être %2</translation>
    </message>
    <message>
        <source> or </source>
        <translation> ou </translation>
    </message>
    <message>
        <source>none, the test speed sets them</source>
        <translation>aucun, la vitesse de test les fixe</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source>The %1 threshold &quot;%2&quot; is not a time (M:SS)</source>
        <translation>Le seuil %1 « %2 » n’est pas une durée (M:SS)</translation>
    </message>
    <message>
        <source>%1 has thresholds of its own (%2); only a CUSTOM speech takes others</source>
        <translation>%1 a ses propres seuils (%2) ; seul un discours CUSTOM en accepte d’autres</translation>
    </message>
    <message>
        <source>A CUSTOM speech needs its green, yellow and red thresholds</source>
        <translation>Un discours CUSTOM a besoin de ses seuils vert, jaune et rouge</translation>
    </message>
    <message>
        <source>The thresholds are out of order: green, yellow and red must rise</source>
        <translation>Les seuils sont dans le désordre : vert, jaune et rouge doivent croître</translation>
    </message>
    <message>
        <source>A quoted field does not end where it should</source>
        <translation>Un champ entre guillemets ne se termine pas où il le devrait</translation>
    </message>
    <message>
        <source>Too few columns: a name and a category needed</source>
        <translation>Trop peu de colonnes : un nom et une catégorie sont nécessaires</translation>
    </message>
    <message>
        <source>The name is longer than %1 characters</source>
        <translation>Le nom dépasse %1 caractères</translation>
    </message>
    <message>
        <source>The first line does not name the columns: %1, %2, and %3, %4, %5 for CUSTOM</source>
        <translation>La première ligne ne nomme pas les colonnes : %1, %2 et, pour CUSTOM, %3, %4, %5</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>Unknown category &quot;%1&quot;: give a row&apos;s number or the start of its name: %2</source>
        <translation>Catégorie inconnue « %1 » : indiquez le numéro d’une ligne ou le début de son nom : %2</translation>
    </message>
    <message>
        <source>; </source>
        <translation> ; </translation>
    </message>
    <message>
        <source>Not UTF-8 text; it reads as Western European (Windows-1252)</source>
        <translation>Ce n’est pas du texte UTF-8 ; il se lit en Europe occidentale (Windows-1252)</translation>
    </message>
    <message>
        <source>Over %1 speeches: too many for an agenda</source>
        <translation>Plus de %1 discours : trop pour un ordre du jour</translation>
    </message>
    <message>
        <source>A rehearsal (the TEST row) is not planned</source>
        <translation>Une répétition (la ligne TEST) ne se planifie pas</translation>
    </message>
</context>
<context>
    <name>AgendaRejects</name>
    <message>
        <source>Lines Not Read</source>
        <translation>Lignes non lues</translation>
    </message>
    <message>
        <source>No speech could be read. The lines below were left out, with the reason for each.</source>
        <translation>Aucun discours n’a pu être lu. Les lignes ci-dessous ont été écartées, chacune avec sa raison.</translation>
    </message>
    <message>
        <source>Speeches read: %1. The lines below could not be read; you can add the speeches that were read, or nothing.</source>
        <translation>Discours lus : %1. Les lignes ci-dessous n’ont pas pu être lues ; vous pouvez ajouter les discours lus, ou rien.</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>Ligne</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Texte</translation>
    </message>
    <message>
        <source>Reason</source>
        <translation>Raison</translation>
    </message>
    <message>
        <source>Add the &amp;Good Ones</source>
        <translation>Ajouter les &amp;bons</translation>
    </message>
    <message>
        <source>Add &amp;Nothing</source>
        <translation>N’ajouter &amp;rien</translation>
    </message>
</context>
<context>
    <name>CaptureWindow</name>
    <message>
        <source>Light for Screen Capture</source>
        <translation>Le feu pour la capture d’écran</translation>
    </message>
    <message>
        <source>&amp;Background</source>
        <translation>&amp;Arrière-plan</translation>
    </message>
    <message>
        <source>B&amp;adge</source>
        <translation>&amp;Badge</translation>
    </message>
    <message>
        <source>Bo&amp;rder</source>
        <translation>Bo&amp;rdure</translation>
    </message>
    <message>
        <source>Badge &amp;Corner</source>
        <translation>&amp;Coin du badge</translation>
    </message>
    <message>
        <source>Top &amp;Left</source>
        <translation>En haut à &amp;gauche</translation>
    </message>
    <message>
        <source>&amp;Top Right</source>
        <translation>En haut à &amp;droite</translation>
    </message>
    <message>
        <source>Bottom L&amp;eft</source>
        <translation>En &amp;bas à gauche</translation>
    </message>
    <message>
        <source>Bottom &amp;Right</source>
        <translation>En bas à dr&amp;oite</translation>
    </message>
    <message>
        <source>Show the &amp;Elapsed Time</source>
        <translation>Afficher le &amp;temps écoulé</translation>
    </message>
    <message>
        <source>&amp;Flash When Over Time</source>
        <translation>C&amp;lignoter en cas de dépassement</translation>
    </message>
    <message>
        <source>Chroma &amp;Key Color...</source>
        <translation>Couleur d’&amp;incrustation...</translation>
    </message>
    <message>
        <source>Cl&amp;ose</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>Chroma Key Color</source>
        <translation>Couleur d’incrustation</translation>
    </message>
</context>
<context>
    <name>GracePeriod</name>
    <message>
        <source>&amp;None</source>
        <translation>&amp;Aucun</translation>
    </message>
    <message>
        <source>&amp;15 Seconds</source>
        <translation>&amp;15 secondes</translation>
    </message>
    <message>
        <source>&amp;30 Seconds</source>
        <translation>&amp;30 secondes</translation>
    </message>
</context>
<context>
    <name>HorizontalTimer</name>
    <message>
        <source>green</source>
        <translation>vert</translation>
    </message>
    <message>
        <source>green lamp</source>
        <translation>lampe verte</translation>
    </message>
    <message>
        <source>Green lamp</source>
        <translation>Lampe verte</translation>
    </message>
    <message>
        <source>G</source>
        <translation>V</translation>
    </message>
    <message>
        <source>yellow</source>
        <translation>jaune</translation>
    </message>
    <message>
        <source>yellow lamp</source>
        <translation>lampe jaune</translation>
    </message>
    <message>
        <source>Yellow lamp</source>
        <translation>Lampe jaune</translation>
    </message>
    <message>
        <source>Y</source>
        <translation>J</translation>
    </message>
    <message>
        <source>red</source>
        <translation>rouge</translation>
    </message>
    <message>
        <source>red lamp</source>
        <translation>lampe rouge</translation>
    </message>
    <message>
        <source>Red lamp</source>
        <translation>Lampe rouge</translation>
    </message>
    <message>
        <source>R</source>
        <translation>R</translation>
    </message>
    <message>
        <source>Signal light: %1</source>
        <translation>Feu : %1</translation>
    </message>
    <message>
        <source>dark</source>
        <translation>éteint</translation>
    </message>
    <message>
        <source>All lamps dark</source>
        <translation>Toutes les lampes éteintes</translation>
    </message>
    <message>
        <source>Lit: %1</source>
        <translation>Allumé : %1</translation>
    </message>
</context>
<context>
    <name>LecternWorksTimer</name>
    <message>
        <source>Time elapsed</source>
        <translation>Temps écoulé</translation>
    </message>
    <message>
        <source>How long the last speech ran, in minutes and seconds</source>
        <translation>Durée du dernier discours, en minutes et secondes</translation>
    </message>
    <message>
        <source>Stops the timing and shows the time spoken</source>
        <translation>Arrête le chronométrage et affiche le temps de parole</translation>
    </message>
    <message>
        <source>Starts timing a speech by the chosen category&apos;s thresholds</source>
        <translation>Lance le chronométrage d’un discours selon les seuils de la catégorie choisie</translation>
    </message>
    <message>
        <source> (record not saved)</source>
        <translation> (registre non enregistré)</translation>
    </message>
</context>
<context>
    <name>LightServer</name>
    <message>
        <source>Port %1 is taken on %2 by another program; choose another port.</source>
        <translation>Le port %1 est occupé sur %2 par un autre programme ; choisissez un autre port.</translation>
    </message>
    <message>
        <source>Cannot listen on %1 port %2: %3</source>
        <translation>Impossible d’écouter sur %1, port %2 : %3</translation>
    </message>
</context>
<context>
    <name>MaskedTimeBox</name>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rétablir</translation>
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
        <translation>Co&amp;ller</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>Tout &amp;sélectionner</translation>
    </message>
</context>
<context>
    <name>MeetingEditor</name>
    <message>
        <source>Done: %1. Ctrl+Z undoes it.</source>
        <translation>Fait : %1. Ctrl+Z l’annule.</translation>
    </message>
    <message>
        <source>Undone: %1.</source>
        <translation>Annulé : %1.</translation>
    </message>
    <message>
        <source>Nothing was added to the plan.</source>
        <translation>Rien n’a été ajouté au plan.</translation>
    </message>
    <message>
        <source>Add a Speaker to the Plan</source>
        <translation>Ajouter un orateur au plan</translation>
    </message>
    <message>
        <source>Saved the plan in %1.</source>
        <translation>Plan enregistré dans %1.</translation>
    </message>
    <message>
        <source>Could not save the plan in %1: %2</source>
        <translation>Impossible d’enregistrer le plan dans %1 : %2</translation>
    </message>
    <message>
        <source>Set the Speech Right</source>
        <translation>Corriger le discours</translation>
    </message>
    <message>
        <source>Change the Planned Speech</source>
        <translation>Modifier le discours prévu</translation>
    </message>
    <message>
        <source>Add a Speech by Hand</source>
        <translation>Ajouter un discours à la main</translation>
    </message>
    <message>
        <source>Could not change the record: %1</source>
        <translation>Impossible de modifier le registre : %1</translation>
    </message>
    <message numerus="yes">
        <source>%n speech(es) added to the plan</source>
        <translation>
            <numerusform>%n discours ajouté au plan</numerusform>
            <numerusform>%n discours ajoutés au plan</numerusform>
        </translation>
    </message>
    <message>
        <source>Import Plan</source>
        <translation>Importer un plan</translation>
    </message>
    <message>
        <source>%1 is not UTF-8 text. Read it as Western European (Windows-1252)?</source>
        <translation>%1 n’est pas du texte UTF-8. Le lire en Europe occidentale (Windows-1252) ?</translation>
    </message>
    <message>
        <source>moved in the plan</source>
        <translation>déplacé dans le plan</translation>
    </message>
    <message>
        <source>%1 taken off the plan</source>
        <translation>retrait de %1 du plan</translation>
    </message>
    <message>
        <source>the speech started at %1 deleted</source>
        <translation>discours commencé à %1 supprimé</translation>
    </message>
    <message>
        <source>the planned speech changed</source>
        <translation>discours prévu modifié</translation>
    </message>
    <message>
        <source>the speech set right</source>
        <translation>discours corrigé</translation>
    </message>
    <message>
        <source>a speech added by hand</source>
        <translation>discours ajouté à la main</translation>
    </message>
    <message>
        <source>Nothing was added: the plan would hold over %1 speeches.</source>
        <translation>Rien n’a été ajouté : le plan compterait plus de %1 discours.</translation>
    </message>
    <message>
        <source>the speech marked as not the planned speaker&apos;s</source>
        <translation>discours marqué comme n’étant pas celui de l’orateur prévu</translation>
    </message>
</context>
<context>
    <name>MeetingStore</name>
    <message>
        <source>cannot change</source>
        <translation>modification impossible</translation>
    </message>
    <message>
        <source>cannot write</source>
        <translation>écriture impossible</translation>
    </message>
    <message>
        <source>no meeting for the speech</source>
        <translation>aucune réunion pour ce discours</translation>
    </message>
    <message>
        <source>cannot read</source>
        <translation>lecture impossible</translation>
    </message>
</context>
<context>
    <name>PairedDevice</name>
    <message>
        <source>(unnamed device)</source>
        <translation>(appareil sans nom)</translation>
    </message>
</context>
<context>
    <name>PairingWindow</name>
    <message>
        <source>Light on Other Devices</source>
        <translation>Le feu sur d’autres appareils</translation>
    </message>
    <message>
        <source>&amp;Show the light on other devices</source>
        <translation>&amp;Afficher le feu sur d’autres appareils</translation>
    </message>
    <message>
        <source>Choose an address</source>
        <translation>Choisissez une adresse</translation>
    </message>
    <message>
        <source>switch on at start</source>
        <translation>activer au démarrage</translation>
    </message>
    <message>
        <source>C&amp;opy Address</source>
        <translation>C&amp;opier l’adresse</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Appareil</translation>
    </message>
    <message>
        <source>Paired</source>
        <translation>Associé le</translation>
    </message>
    <message>
        <source>Role</source>
        <translation>Rôle</translation>
    </message>
    <message>
        <source>Make &amp;Controller</source>
        <translation>Rendre &amp;contrôleur</translation>
    </message>
    <message>
        <source>Make &amp;Viewer</source>
        <translation>Rendre &amp;spectateur</translation>
    </message>
    <message>
        <source>&amp;Revoke</source>
        <translation>&amp;Révoquer</translation>
    </message>
    <message>
        <source>&amp;Address:</source>
        <translation>A&amp;dresse :</translation>
    </message>
    <message>
        <source>&amp;Port:</source>
        <translation>&amp;Port :</translation>
    </message>
    <message>
        <source>Paired devices:</source>
        <translation>Appareils associés :</translation>
    </message>
    <message>
        <source>Choose the address to offer the light on; nothing listens until one is chosen.</source>
        <translation>Choisissez l’adresse sur laquelle proposer le feu ; rien n’écoute tant qu’aucune n’est choisie.</translation>
    </message>
    <message>
        <source>Off: nothing listens on the network.</source>
        <translation>Désactivé : rien n’écoute sur le réseau.</translation>
    </message>
    <message>
        <source>On: scan the code with a phone or tablet to pair it. A code pairs one device and is good for two minutes.</source>
        <translation>Activé : scannez le code avec un téléphone ou une tablette pour l’associer. Un code associe un appareil et reste valable deux minutes.</translation>
    </message>
    <message>
        <source>controller</source>
        <translation>contrôleur</translation>
    </message>
    <message>
        <source>viewer</source>
        <translation>spectateur</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Adresse</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Heure</translation>
    </message>
    <message>
        <source>What failed</source>
        <translation>Ce qui a échoué</translation>
    </message>
    <message>
        <source>Failed attempts:</source>
        <translation>Tentatives échouées :</translation>
    </message>
    <message>
        <source>a wrong pairing code</source>
        <translation>un code d’association erroné</translation>
    </message>
    <message>
        <source>a wrong key</source>
        <translation>une clé erronée</translation>
    </message>
    <message>
        <source>refused: too many failures</source>
        <translation>refusée : trop d’échecs</translation>
    </message>
    <message>
        <source>%1 on %2</source>
        <extracomment>A paired device: a browser on a system, &quot;Chrome on Android&quot;.</extracomment>
        <translation>%1 sur %2</translation>
    </message>
    <message>
        <source>Copy &amp;Link for Video...</source>
        <translation>Copier le &amp;lien pour la vidéo...</translation>
    </message>
</context>
<context>
    <name>RecordCommands</name>
    <message numerus="yes">
        <source>%n speech(es)</source>
        <translation>
            <numerusform>%n discours</numerusform>
            <numerusform>%n discours</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n change(s) made in the report</source>
        <translation>
            <numerusform>%n modification faite dans le rapport</numerusform>
            <numerusform>%n modifications faites dans le rapport</numerusform>
        </translation>
    </message>
    <message>
        <source> and </source>
        <translation> et </translation>
    </message>
    <message>
        <source>Back Up Meetings</source>
        <translation>Sauvegarder les réunions</translation>
    </message>
    <message>
        <source>Meeting records (*.sqlite)</source>
        <translation>Registres de réunions (*.sqlite)</translation>
    </message>
    <message>
        <source>Every meeting is saved in %1.</source>
        <translation>Toutes les réunions sont sauvegardées dans %1.</translation>
    </message>
    <message>
        <source>Could not back up to %1: %2</source>
        <translation>Impossible de sauvegarder dans %1 : %2</translation>
    </message>
    <message>
        <source>Meeting Record Not Saved</source>
        <translation>Registre de réunion non enregistré</translation>
    </message>
    <message>
        <source>%1 could not be saved in the meeting record.</source>
        <translation>Non enregistré dans le registre de réunion : %1.</translation>
    </message>
    <message>
        <source>%1

Save them to a CSV file, try the record again, or quit and lose them.</source>
        <translation>%1

Enregistrez-les dans un fichier CSV, réessayez le registre, ou quittez en les perdant.</translation>
    </message>
    <message>
        <source>&amp;Save to a File...</source>
        <translation>&amp;Enregistrer dans un fichier...</translation>
    </message>
    <message>
        <source>&amp;Try Again</source>
        <translation>&amp;Réessayer</translation>
    </message>
    <message numerus="yes">
        <source>&amp;Quit and Lose %n</source>
        <translation>
            <numerusform>&amp;Quitter et perdre %n</numerusform>
            <numerusform>&amp;Quitter et perdre %n</numerusform>
        </translation>
    </message>
    <message>
        <source>Save the Unsaved Speeches</source>
        <translation>Enregistrer les discours non enregistrés</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Fichiers CSV (*.csv)</translation>
    </message>
    <message>
        <source>Could not save %1: %2</source>
        <translation>Impossible d’enregistrer %1 : %2</translation>
    </message>
    <message>
        <source>Unsaved Speeches Kept</source>
        <translation>Discours non enregistrés conservés</translation>
    </message>
    <message>
        <source>When the program last ended, %1 could not be saved in the meeting record; they were kept in %2.</source>
        <translation>À la dernière fermeture du programme, ceci n’a pas pu être enregistré dans le registre : %1. Conservé dans %2.</translation>
    </message>
    <message>
        <source>Take them into the meeting record now?</source>
        <translation>L’intégrer au registre de réunion maintenant ?</translation>
    </message>
    <message>
        <source>&amp;Take Them In</source>
        <translation>&amp;Intégrer</translation>
    </message>
    <message>
        <source>&amp;Later</source>
        <translation>&amp;Plus tard</translation>
    </message>
    <message>
        <source>%1 was left by an earlier run to hold unsaved speeches, but it cannot be read: %2.</source>
        <translation>%1 a été laissé par une exécution précédente pour garder des discours non enregistrés, mais il est illisible : %2.</translation>
    </message>
    <message>
        <source>It is left where it is, so that nothing in it is lost.</source>
        <translation>Il est laissé à sa place, afin que rien de ce qu’il contient ne soit perdu.</translation>
    </message>
</context>
<context>
    <name>RecordFile</name>
    <message>
        <source>cannot create the folder</source>
        <translation>impossible de créer le dossier</translation>
    </message>
    <message>
        <source>cannot open</source>
        <translation>ouverture impossible</translation>
    </message>
    <message>
        <source>cannot read</source>
        <translation>lecture impossible</translation>
    </message>
    <message>
        <source>written by a newer version (schema %1)</source>
        <translation>écrit par une version plus récente (schéma %1)</translation>
    </message>
    <message>
        <source>cannot set up</source>
        <translation>préparation impossible</translation>
    </message>
    <message>
        <source>cannot create</source>
        <translation>création impossible</translation>
    </message>
    <message>
        <source>cannot update</source>
        <translation>mise à jour impossible</translation>
    </message>
    <message>
        <source>cannot move the unreadable file aside to %1</source>
        <translation>impossible de mettre de côté le fichier illisible vers %1</translation>
    </message>
</context>
<context>
    <name>RecordLink</name>
    <message>
        <source> - new meeting started</source>
        <translation> - nouvelle réunion commencée</translation>
    </message>
    <message>
        <source> - Next: %1</source>
        <translation> - Suivant : %1</translation>
    </message>
</context>
<context>
    <name>ReportFiles</name>
    <message>
        <source>Export CSV</source>
        <translation>Exporter en CSV</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Fichiers CSV (*.csv)</translation>
    </message>
    <message>
        <source>Save as PDF</source>
        <translation>Enregistrer en PDF</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>Fichiers PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Sent to %1.</source>
        <translation>Envoyé à %1.</translation>
    </message>
    <message>
        <source>Saved %1.</source>
        <translation>%1 enregistré.</translation>
    </message>
    <message>
        <source>Could not save %1: %2</source>
        <translation>Impossible d’enregistrer %1 : %2</translation>
    </message>
    <message>
        <source>Import Plan</source>
        <translation>Importer un plan</translation>
    </message>
    <message>
        <source>CSV files (*.csv);;All files (*)</source>
        <translation>Fichiers CSV (*.csv);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Save Plan</source>
        <translation>Enregistrer le plan</translation>
    </message>
</context>
<context>
    <name>ReportModel</name>
    <message>
        <source>Not saved in the meeting record yet: it is tried again every few seconds</source>
        <translation>Pas encore enregistré dans le registre de réunion : nouvel essai toutes les quelques secondes</translation>
    </message>
    <message>
        <source>Press Enter or F2 to type the speaker&apos;s name</source>
        <translation>Appuyez sur Entrée ou F2 pour saisir le nom de l’orateur</translation>
    </message>
    <message>
        <source>being timed</source>
        <translation>en cours</translation>
    </message>
    <message>
        <source>next</source>
        <translation>suivant</translation>
    </message>
    <message>
        <source>%1 (set by hand)</source>
        <translation>%1 (fixé à la main)</translation>
    </message>
    <message>
        <source>Speaks next: START times this speech</source>
        <translation>Parle ensuite : START chronomètre ce discours</translation>
    </message>
    <message>
        <source>Added by hand</source>
        <translation>Ajouté à la main</translation>
    </message>
    <message>
        <source>Set by hand; timed as %1, %2</source>
        <translation>Fixé à la main ; chronométré comme %1, %2</translation>
    </message>
    <message>
        <source>the planned speaker renamed</source>
        <translation>orateur prévu renommé</translation>
    </message>
    <message>
        <source>Started from the device %1</source>
        <translation>Démarré depuis l’appareil %1</translation>
    </message>
    <message>
        <source>Stopped from the device %1</source>
        <translation>Arrêté depuis l’appareil %1</translation>
    </message>
</context>
<context>
    <name>ReportPage</name>
    <message>
        <source>Page %1 of %2</source>
        <translation>Page %1 sur %2</translation>
    </message>
</context>
<context>
    <name>ReportText</name>
    <message>
        <source>rehearsal</source>
        <translation>répétition</translation>
    </message>
    <message>
        <source>mistaken start</source>
        <translation>faux départ</translation>
    </message>
    <message>
        <source>ddd d MMM yyyy, HH:mm</source>
        <extracomment>The meeting&apos;s day and time in QDateTime&apos;s format: &quot;Mon 7 Dec 2026, 19:30&quot;</extracomment>
        <translation>ddd d MMM yyyy, HH:mm</translation>
    </message>
    <message>
        <source>No speeches</source>
        <translation>Aucun discours</translation>
    </message>
    <message>
        <source>1 speech</source>
        <translation>1 discours</translation>
    </message>
    <message>
        <source>%1 speeches</source>
        <translation>%1 discours</translation>
    </message>
    <message>
        <source>%1: %2 qualified, %3 under time, %4 over time</source>
        <translation>%1 : %2 qualifiés, %3 trop courts, %4 trop longs</translation>
    </message>
    <message>
        <source>Timer&apos;s Report</source>
        <translation>Rapport du chronométreur</translation>
    </message>
    <message>
        <source>Meeting of %1</source>
        <translation>Réunion du %1</translation>
    </message>
    <message>
        <source>timer: %1</source>
        <translation>chronométreur : %1</translation>
    </message>
    <message>
        <source>; grace: %1</source>
        <translation> ; tolérance : %1</translation>
    </message>
    <message>
        <source> (grace: %1)</source>
        <translation> (tolérance : %1)</translation>
    </message>
    <message>
        <source>Did not qualify: %1.</source>
        <translation>Non qualifiés : %1.</translation>
    </message>
    <message>
        <source>Everyone qualified.</source>
        <translation>Tout le monde est qualifié.</translation>
    </message>
    <message>
        <source>set by hand</source>
        <translation>fixé à la main</translation>
    </message>
    <message>
        <source>%1 (%2 to %3)</source>
        <translation>%1 (%2 à %3)</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>Set by hand after timing: %1.</source>
        <translation>Fixé à la main après le chronométrage : %1.</translation>
    </message>
</context>
<context>
    <name>ReportWindow</name>
    <message>
        <source>type a name</source>
        <translation>saisir un nom</translation>
    </message>
    <message>
        <source>&amp;Meeting:</source>
        <translation>Ré&amp;union :</translation>
    </message>
    <message>
        <source>Show &amp;rehearsals</source>
        <translation>Afficher les ré&amp;pétitions</translation>
    </message>
    <message>
        <source>the club&apos;s or the meeting&apos;s name</source>
        <translation>le nom du club ou de la réunion</translation>
    </message>
    <message>
        <source>Tit&amp;le:</source>
        <translation>&amp;Titre :</translation>
    </message>
    <message>
        <source>who timed the meeting</source>
        <translation>qui a chronométré la réunion</translation>
    </message>
    <message>
        <source>Timer&apos;s &amp;name:</source>
        <translation>&amp;Nom du chronométreur :</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copier</translation>
    </message>
    <message>
        <source>&amp;Delete Speech</source>
        <translation>&amp;Supprimer le discours</translation>
    </message>
    <message>
        <source>&amp;Export CSV...</source>
        <translation>&amp;Exporter en CSV...</translation>
    </message>
    <message>
        <source>Save as P&amp;DF...</source>
        <translation>Enregistrer en PD&amp;F...</translation>
    </message>
    <message>
        <source>Print Pre&amp;view...</source>
        <translation>&amp;Aperçu avant impression...</translation>
    </message>
    <message>
        <source>Pr&amp;int...</source>
        <translation>&amp;Imprimer...</translation>
    </message>
    <message>
        <source>Copies the report as text to the clipboard</source>
        <translation>Copie le rapport sous forme de texte dans le presse-papiers</translation>
    </message>
    <message>
        <source>Saves the report&apos;s table as a CSV file</source>
        <translation>Enregistre le tableau du rapport dans un fichier CSV</translation>
    </message>
    <message>
        <source>Saves the report as a PDF file</source>
        <translation>Enregistre le rapport dans un fichier PDF</translation>
    </message>
    <message>
        <source>Shows the printed pages before they are printed</source>
        <translation>Montre les pages avant leur impression</translation>
    </message>
    <message>
        <source>Prints the report</source>
        <translation>Imprime le rapport</translation>
    </message>
    <message>
        <source>Could not save the name: %1</source>
        <translation>Impossible d’enregistrer le nom : %1</translation>
    </message>
    <message>
        <source>A new meeting has begun: the next speech timed is its first.</source>
        <translation>Une nouvelle réunion a commencé : le prochain discours chronométré en sera le premier.</translation>
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
        <translation>1 discours</translation>
    </message>
    <message>
        <source>%1 speeches</source>
        <translation>%1 discours</translation>
    </message>
    <message>
        <source>, 1 rehearsal</source>
        <translation>, 1 répétition</translation>
    </message>
    <message>
        <source>, %1 rehearsals</source>
        <translation>, %1 répétitions</translation>
    </message>
    <message>
        <source>Timer&apos;s Report</source>
        <translation>Rapport du chronométreur</translation>
    </message>
    <message>
        <source>Timer&apos;s Report - %1</source>
        <translation>Rapport du chronométreur - %1</translation>
    </message>
    <message>
        <source>Could not save the meeting&apos;s details: %1</source>
        <translation>Impossible d’enregistrer les détails de la réunion : %1</translation>
    </message>
    <message>
        <source>The report is on the clipboard, ready to read aloud.</source>
        <translation>Le rapport est dans le presse-papiers, prêt à être lu à voix haute.</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>Paste &amp;into the Plan</source>
        <translation>Co&amp;ller dans le plan</translation>
    </message>
    <message>
        <source>Speaks Ne&amp;xt</source>
        <translation>Parle ensui&amp;te</translation>
    </message>
    <message>
        <source>Move U&amp;p</source>
        <translation>&amp;Monter</translation>
    </message>
    <message>
        <source>Move Dow&amp;n</source>
        <translation>&amp;Descendre</translation>
    </message>
    <message>
        <source>Chan&amp;ge...</source>
        <translation>M&amp;odifier...</translation>
    </message>
    <message>
        <source>Add Speech by &amp;Hand...</source>
        <translation>Ajouter un discours &amp;à la main...</translation>
    </message>
    <message>
        <source>&amp;Add Speaker...</source>
        <translation>Ajouter un &amp;orateur...</translation>
    </message>
    <message>
        <source>Imp&amp;ort Plan...</source>
        <translation>Im&amp;porter un plan...</translation>
    </message>
    <message>
        <source>Save Plan to a &amp;File...</source>
        <translation>Enregistrer le plan dans un &amp;fichier...</translation>
    </message>
    <message>
        <source>&amp;Agenda</source>
        <translation>Ordre du &amp;jour</translation>
    </message>
    <message>
        <source>&amp;Window</source>
        <translation>Fenêtre&amp;s</translation>
    </message>
    <message>
        <source>&amp;Arrange Side by Side</source>
        <translation>&amp;Disposer côte à côte</translation>
    </message>
    <message>
        <source>Recorded without the plan: another copy of the program recorded %1&apos;s planned speech first.</source>
        <translation>Enregistré sans le plan : une autre copie du programme a enregistré d’abord le discours prévu de %1.</translation>
    </message>
    <message>
        <source>, %1 not saved yet</source>
        <translation>, %1 en attente d’enregistrement</translation>
    </message>
    <message>
        <source>Not the Planned Spea&amp;ker</source>
        <translation>Pas l’orateur pré&amp;vu</translation>
    </message>
    <message>
        <source>planned for the next meeting</source>
        <translation>prévu pour la prochaine réunion</translation>
    </message>
    <message>
        <source>Recorded as %1&apos;s speech. Someone else spoke? %2 (%3) sets it right.</source>
        <translation>Enregistré comme discours de %1. Quelqu’un d’autre a parlé ? %2 (%3) le corrige.</translation>
    </message>
</context>
<context>
    <name>ShapeCircle</name>
    <message>
        <source>%1, lit</source>
        <translation>%1, allumée</translation>
    </message>
    <message>
        <source>%1, dark</source>
        <translation>%1, éteinte</translation>
    </message>
</context>
<context>
    <name>SpeakerKeys</name>
    <message>
        <source>Speaker&apos;s view</source>
        <translation>Vue de l’orateur</translation>
    </message>
    <message>
        <source>Leave the speaker&apos;s view</source>
        <translation>Quitter la vue de l’orateur</translation>
    </message>
</context>
<context>
    <name>SpeakerWindow</name>
    <message>
        <source>Speaker&apos;s view</source>
        <translation>Vue de l’orateur</translation>
    </message>
</context>
<context>
    <name>SpeechCategories</name>
    <message>
        <source>Ice Breaker Speech   (4 to 6 Minutes)</source>
        <translation>Brise-glace               (4 à 6 minutes)</translation>
    </message>
    <message>
        <source>Standard Speech      (5 to 7 Minutes)</source>
        <translation>Discours standard      (5 à 7 minutes)</translation>
    </message>
    <message>
        <source>Advanced Seech     (8 to 10 Minutes)</source>
        <translation>Discours avancé       (8 à 10 minutes)</translation>
    </message>
    <message>
        <source>Speech Evaluation    (2 to 3 Minutes)</source>
        <translation>Évaluation                 (2 à 3 minutes)</translation>
    </message>
    <message>
        <source>Table Topics            (1 to 2 Minutes)</source>
        <translation>Improvisation            (1 à 2 minutes)</translation>
    </message>
    <message>
        <source>CUSTOM Events</source>
        <translation>Événements PERSONNALISÉS</translation>
    </message>
    <message>
        <source>Timer TEST</source>
        <translation>TEST du chronomètre</translation>
    </message>
    <message>
        <source>&amp;FAST: 1 - 2 - 3</source>
        <translation>&amp;RAPIDE : 1 - 2 - 3</translation>
    </message>
    <message>
        <source>&amp;MED: 2 - 4 - 6</source>
        <translation>&amp;MOYEN : 2 - 4 - 6</translation>
    </message>
    <message>
        <source>&amp;SLOW: 3 - 6 - 9</source>
        <translation>&amp;LENT : 3 - 6 - 9</translation>
    </message>
</context>
<context>
    <name>SpeechForm</name>
    <message>
        <source>Spea&amp;ker:</source>
        <translation>&amp;Orateur :</translation>
    </message>
    <message>
        <source>Cate&amp;gory:</source>
        <translation>&amp;Catégorie :</translation>
    </message>
    <message>
        <source>green threshold</source>
        <translation>seuil vert</translation>
    </message>
    <message>
        <source>yellow threshold</source>
        <translation>seuil jaune</translation>
    </message>
    <message>
        <source>red threshold</source>
        <translation>seuil rouge</translation>
    </message>
    <message>
        <source>Green, yellow, red:</source>
        <translation>Vert, jaune, rouge :</translation>
    </message>
    <message>
        <source>M:SS</source>
        <translation>M:SS</translation>
    </message>
    <message>
        <source>&amp;Time spoken:</source>
        <translation>&amp;Temps de parole :</translation>
    </message>
    <message>
        <source>Type the red threshold at least.</source>
        <translation>Saisissez au moins le seuil rouge.</translation>
    </message>
    <message>
        <source>The thresholds are out of order: green, then yellow, then red.</source>
        <translation>Les seuils sont dans le désordre : vert, puis jaune, puis rouge.</translation>
    </message>
    <message>
        <source>Type the time spoken as minutes and seconds, 5:42 say.</source>
        <translation>Saisissez le temps de parole en minutes et secondes, par exemple 5:42.</translation>
    </message>
    <message>
        <source>Starte&amp;d at:</source>
        <translation>Heure de &amp;début :</translation>
    </message>
    <message>
        <source>A rehearsal is not planned: choose the speech&apos;s category.</source>
        <translation>Une répétition ne se planifie pas : choisissez la catégorie du discours.</translation>
    </message>
</context>
<context>
    <name>SpeechLabels</name>
    <message>
        <source>Time</source>
        <translation>Heure</translation>
    </message>
    <message>
        <source>Speaker</source>
        <translation>Orateur</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Catégorie</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Vert</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Jaune</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rouge</translation>
    </message>
    <message>
        <source>Elapsed</source>
        <translation>Durée</translation>
    </message>
    <message>
        <source>Lamp</source>
        <translation>Lampe</translation>
    </message>
    <message>
        <source>Verdict</source>
        <translation>Verdict</translation>
    </message>
    <message>
        <source>Grace</source>
        <translation>Tolérance</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Aucune</translation>
    </message>
    <message>
        <source>Rehearsal</source>
        <translation>Répétition</translation>
    </message>
    <message>
        <source>Mistaken start</source>
        <translation>Faux départ</translation>
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
        <translation>Feu horizontal</translation>
    </message>
    <message>
        <source>Brindlewick&apos;s Lecternworks Timer - Version 1.1</source>
        <translation>Brindlewick&apos;s Lecternworks Timer - Version 1.1</translation>
    </message>
    <message>
        <source>Time Elapsed</source>
        <translation>Temps écoulé</translation>
    </message>
    <message>
        <source>STO&amp;P</source>
        <translation>A&amp;RRÊT</translation>
    </message>
    <message>
        <source>&amp;START</source>
        <translation>&amp;DÉPART</translation>
    </message>
    <message>
        <source>&amp;Cycle Color</source>
        <translation>&amp;Changer de couleur</translation>
    </message>
    <message>
        <source>Selection Panel</source>
        <translation>Panneau de sélection</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;New Meeting</source>
        <translation>&amp;Nouvelle réunion</translation>
    </message>
    <message>
        <source>&amp;Timer&apos;s Report...</source>
        <translation>&amp;Rapport du chronométreur...</translation>
    </message>
    <message>
        <source>&amp;Back Up Meetings...</source>
        <translation>&amp;Sauvegarder les réunions...</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Options</translation>
    </message>
    <message>
        <source>&amp;Timer Test Speed</source>
        <translation>&amp;Vitesse de test</translation>
    </message>
    <message>
        <source>&amp;Grace Period</source>
        <translation>&amp;Délai de tolérance</translation>
    </message>
    <message>
        <source>&amp;Leave Colors On</source>
        <translation>&amp;Laisser les couleurs allumées</translation>
    </message>
    <message>
        <source>&amp;Flash When Over Time</source>
        <translation>&amp;Clignoter en cas de dépassement</translation>
    </message>
    <message>
        <source>&amp;Mark the Lamps</source>
        <translation>&amp;Marquer les lampes</translation>
    </message>
    <message>
        <source>So&amp;unds</source>
        <translation>&amp;Sons</translation>
    </message>
    <message>
        <source>&amp;Play Sounds</source>
        <translation>&amp;Jouer les sons</translation>
    </message>
    <message>
        <source>Overtime Bell &amp;Once</source>
        <translation>Cloche de dépassement &amp;une fois</translation>
    </message>
    <message>
        <source>Overtime Bell &amp;Every 30 Seconds</source>
        <translation>Cloche de dépassement &amp;toutes les 30 secondes</translation>
    </message>
    <message>
        <source>&amp;Soft</source>
        <translation>&amp;Doux</translation>
    </message>
    <message>
        <source>&amp;Medium</source>
        <translation>&amp;Moyen</translation>
    </message>
    <message>
        <source>&amp;Loud</source>
        <translation>&amp;Fort</translation>
    </message>
    <message>
        <source>&amp;Test Sounds</source>
        <translation>Te&amp;ster les sons</translation>
    </message>
    <message>
        <source>&amp;Reset Elapsed Time</source>
        <translation>&amp;Remettre le temps écoulé à zéro</translation>
    </message>
    <message>
        <source>&amp;Speaker&apos;s Screen</source>
        <translation>Écran de l’&amp;orateur</translation>
    </message>
    <message>
        <source>Light on &amp;Other Devices...</source>
        <translation>Le feu sur d’&amp;autres appareils...</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;ide</translation>
    </message>
    <message>
        <source>&amp;About Brindlewick Lecternworks Timer</source>
        <translation>À &amp;propos de Brindlewick Lecternworks Timer</translation>
    </message>
    <message>
        <source>Light for Screen &amp;Capture</source>
        <translation>Le feu pour la ca&amp;pture d’écran</translation>
    </message>
</context>
<context>
    <name>TimerEventDATA</name>
    <message>
        <source>Chooses this speech category: the next speech is timed by its thresholds</source>
        <translation>Choisit cette catégorie : le prochain discours est chronométré selon ses seuils</translation>
    </message>
    <message>
        <source>green threshold</source>
        <translation>seuil vert</translation>
    </message>
    <message>
        <source>yellow threshold</source>
        <translation>seuil jaune</translation>
    </message>
    <message>
        <source>red threshold</source>
        <translation>seuil rouge</translation>
    </message>
    <message>
        <source>Minutes and seconds at which the green lamp lights</source>
        <translation>Minutes et secondes auxquelles la lampe verte s’allume</translation>
    </message>
    <message>
        <source>Minutes and seconds at which the yellow lamp lights</source>
        <translation>Minutes et secondes auxquelles la lampe jaune s’allume</translation>
    </message>
    <message>
        <source>Minutes and seconds at which the red lamp lights</source>
        <translation>Minutes et secondes auxquelles la lampe rouge s’allume</translation>
    </message>
</context>
<context>
    <name>TimingChart</name>
    <message>
        <source>Timing of each speech</source>
        <translation>Chronométrage de chaque discours</translation>
    </message>
    <message>
        <source>No speeches recorded in this meeting yet.</source>
        <translation>Aucun discours enregistré dans cette réunion pour l’instant.</translation>
    </message>
</context>
<context>
    <name>Verdict</name>
    <message>
        <source>No limits</source>
        <translation>Sans limites</translation>
    </message>
    <message>
        <source>no limits</source>
        <translation>sans limites</translation>
    </message>
    <message>
        <source>Qualified</source>
        <translation>Qualifié</translation>
    </message>
    <message>
        <source>qualified</source>
        <translation>qualifié</translation>
    </message>
    <message>
        <source>Under by %1</source>
        <translation>Court de %1</translation>
    </message>
    <message>
        <source>under time by %1</source>
        <translation>trop court de %1</translation>
    </message>
    <message>
        <source>Over by %1</source>
        <translation>Long de %1</translation>
    </message>
    <message>
        <source>over time by %1</source>
        <translation>trop long de %1</translation>
    </message>
</context>
<context>
    <name>VideoLinkDialog</name>
    <message>
        <source>Link for Video</source>
        <translation>Lien pour la vidéo</translation>
    </message>
    <message>
        <source>Background: the whole picture in the lamp&apos;s color</source>
        <translation>Arrière-plan : toute l’image de la couleur de la lampe</translation>
    </message>
    <message>
        <source>Badge: three lamps in a corner</source>
        <translation>Badge : trois lampes dans un coin</translation>
    </message>
    <message>
        <source>Border: a colored frame</source>
        <translation>Bordure : un cadre coloré</translation>
    </message>
    <message>
        <source>Top left</source>
        <translation>En haut à gauche</translation>
    </message>
    <message>
        <source>Top right</source>
        <translation>En haut à droite</translation>
    </message>
    <message>
        <source>Bottom left</source>
        <translation>En bas à gauche</translation>
    </message>
    <message>
        <source>Bottom right</source>
        <translation>En bas à droite</translation>
    </message>
    <message>
        <source> % of the height</source>
        <translation> % de la hauteur</translation>
    </message>
    <message>
        <source> % of the shorter side</source>
        <translation> % du côté le plus court</translation>
    </message>
    <message>
        <source>Show the &amp;elapsed time</source>
        <translation>&amp;Afficher le temps écoulé</translation>
    </message>
    <message>
        <source>&amp;Flash when over time</source>
        <translation>Cli&amp;gnoter en cas de dépassement</translation>
    </message>
    <message>
        <source>Paste the link into a video program&apos;s browser source (in OBS Studio: Sources, +, Browser). It pairs one video source as a viewer and is good for two minutes; the source keeps its pairing afterwards. Its options open with a click on it.</source>
        <translation>Collez le lien dans la source navigateur d’un logiciel vidéo (dans OBS Studio : Sources, +, Navigateur). Il appaire une source vidéo comme spectateur et reste valable deux minutes ; la source reste appairée ensuite. Ses options s’ouvrent d’un clic sur elle.</translation>
    </message>
    <message>
        <source>&amp;Copy Link</source>
        <translation>Co&amp;pier le lien</translation>
    </message>
    <message>
        <source>&amp;Layout:</source>
        <translation>&amp;Disposition :</translation>
    </message>
    <message>
        <source>C&amp;orner:</source>
        <translation>&amp;Coin :</translation>
    </message>
    <message>
        <source>Badge &amp;size:</source>
        <translation>&amp;Taille du badge :</translation>
    </message>
    <message>
        <source>Border &amp;width:</source>
        <translation>&amp;Largeur de la bordure :</translation>
    </message>
</context>
</TS>
