<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>Backup</name>
    <message>
        <source>Couldn&apos;t copy the history</source>
        <translation>Impossible de copier l’historique</translation>
    </message>
    <message>
        <source>Choose a backup folder first</source>
        <translation>Choisissez d’abord un dossier</translation>
    </message>
    <message>
        <source>The backup folder isn&apos;t there. Is it mounted?</source>
        <translation>Dossier introuvable. Est-il monté&#x202f;?</translation>
    </message>
    <message>
        <source>Couldn&apos;t write to the backup folder</source>
        <translation>Impossible d’écrire dans le dossier</translation>
    </message>
</context>
<context>
    <name>BackupComputers</name>
    <message>
        <source>Skipped the copy of %1 from %2: it is still arriving.</source>
        <extracomment>%1: a computer&apos;s name; %2: the copy&apos;s day, such as &quot;2025-03-05&quot;</extracomment>
        <translation>Copie de %1 du %2 ignorée&#xa0;: elle est encore en cours de transfert.</translation>
    </message>
    <message>
        <source>Skipped the copy of %1 from %2: it is damaged.</source>
        <extracomment>%1: a computer&apos;s name; %2: the copy&apos;s day, such as &quot;2025-03-05&quot;</extracomment>
        <translation>Copie de %1 du %2 ignorée&#xa0;: elle est endommagée.</translation>
    </message>
    <message>
        <source>Skipped the copy of %1 from %2: it is not a Horavane history.</source>
        <extracomment>%1: a computer&apos;s name; %2: the copy&apos;s day, such as &quot;2025-03-05&quot;</extracomment>
        <translation>Copie de %1 du %2 ignorée&#xa0;: ce n’est pas un historique Horavane.</translation>
    </message>
</context>
<context>
    <name>BarChart</name>
    <message>
        <source>Time per day</source>
        <translation>Temps par jour</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>A day&apos;s bar as a screen reader names it: the full date, then the day&apos;s time spoken in words</extracomment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>avg</source>
        <extracomment>Labels the chart&apos;s dashed line at the daily average, in small print: keep it as short as this</extracomment>
        <translation>moy.</translation>
    </message>
</context>
<context>
    <name>BreakReminder</name>
    <message>
        <source>Time for a break</source>
        <extracomment>The title of a notification.</extracomment>
        <translation>Il est temps de faire une pause</translation>
    </message>
    <message numerus="yes">
        <source>You have been at the computer for %n minute(s) without a pause.</source>
        <translation>
            <numerusform>Vous êtes devant l’ordinateur depuis %n minute sans interruption.</numerusform>
            <numerusform>Vous êtes devant l’ordinateur depuis %n minutes sans interruption.</numerusform>
        </translation>
    </message>
    <message>
        <source>Show Today</source>
        <extracomment>The action of a notification: opens the small window with today&apos;s time.</extracomment>
        <translation>Afficher aujourd’hui</translation>
    </message>
</context>
<context>
    <name>BrowserAccess</name>
    <message>
        <source>Browsers show Horavane the address of the page in front through the desktop&apos;s accessibility, which is switched off. Switch it on for your session? Screen readers and other assistive tools use the same switch.</source>
        <translation>Les navigateurs indiquent à Horavane l’adresse de la page au premier plan grâce à l’accessibilité du bureau, qui est désactivée. L’activer pour votre session&#x202f;? Les lecteurs d’écran et les autres technologies d’assistance utilisent ce même réglage.</translation>
    </message>
    <message>
        <source>Chromium-family browsers show Horavane their pages when they start with --force-renderer-accessibility. Bring the browser to the front once, then choose “%1” in Horavane&apos;s window to add it for that browser.</source>
        <extracomment>%1 is the name of the button in Horavane&apos;s window.</extracomment>
        <translation>Les navigateurs de la famille Chromium indiquent leurs pages à Horavane lorsqu’ils démarrent avec --force-renderer-accessibility. Mettez une fois le navigateur au premier plan, puis choisissez «&#xa0;%1&#xa0;» dans la fenêtre de Horavane pour l’ajouter à ce navigateur.</translation>
    </message>
    <message>
        <source>Quit %1 and start it again: it lets Horavane see its websites from its next start.</source>
        <extracomment>%1 is the browser&apos;s name.</extracomment>
        <translation>Quittez %1 et relancez-le&#xa0;: Horavane pourra voir ses sites web dès son prochain démarrage.</translation>
    </message>
    <message>
        <source>Your browser</source>
        <translation>Votre navigateur</translation>
    </message>
    <message>
        <source>%1 shows Horavane the address of the page in front through the desktop&apos;s accessibility, which is switched off. Switch it on for your session? Screen readers and other assistive tools use the same switch. Horavane also adds renderer accessibility to how %1 starts for your account; to undo that, remove the copy of its launcher in ~/.local/share/applications.</source>
        <extracomment>%1 is the browser&apos;s name.</extracomment>
        <translation>%1 indique à Horavane l’adresse de la page au premier plan grâce à l’accessibilité du bureau, qui est désactivée. L’activer pour votre session&#x202f;? Les lecteurs d’écran et les autres technologies d’assistance utilisent ce même réglage. Horavane ajoute aussi l’accessibilité du rendu au lancement de %1 pour votre compte&#x202f;; pour l’annuler, supprimez la copie de son lanceur dans ~/.local/share/applications.</translation>
    </message>
    <message>
        <source>%1 shows Horavane the address of the page in front through the desktop&apos;s accessibility, which is switched off. Switch it on for your session? Screen readers and other assistive tools use the same switch.</source>
        <extracomment>%1 is the browser&apos;s name, or &quot;Your browser&quot;.</extracomment>
        <translation>%1 indique à Horavane l’adresse de la page au premier plan grâce à l’accessibilité du bureau, qui est désactivée. L’activer pour votre session&#x202f;? Les lecteurs d’écran et les autres technologies d’assistance utilisent ce même réglage.</translation>
    </message>
    <message>
        <source>%1 lets Horavane see the page in front only when it starts with renderer accessibility. Horavane can add that to how %1 starts for your account; to undo it, remove the copy of its launcher in ~/.local/share/applications.</source>
        <extracomment>%1 is the browser&apos;s name, or &quot;Your browser&quot;.</extracomment>
        <translation>%1 ne laisse Horavane voir la page au premier plan que s’il démarre avec l’accessibilité du rendu. Horavane peut l’ajouter au lancement de %1 pour votre compte&#x202f;; pour l’annuler, supprimez la copie de son lanceur dans ~/.local/share/applications.</translation>
    </message>
    <message>
        <source>Chromium-family browsers also need --force-renderer-accessibility. Bring the browser to the front once, then choose “%1” in Horavane&apos;s window to add it for that browser.</source>
        <extracomment>%1 is the name of the button in Horavane&apos;s window.</extracomment>
        <translation>Les navigateurs de la famille Chromium ont aussi besoin de --force-renderer-accessibility. Mettez une fois le navigateur au premier plan, puis choisissez «&#xa0;%1&#xa0;» dans la fenêtre de Horavane pour l’ajouter à ce navigateur.</translation>
    </message>
    <message>
        <source>Quit %1 and start it again to let Horavane see which websites you visit in it.</source>
        <extracomment>%1 is the browser&apos;s name.</extracomment>
        <translation>Quittez %1 et relancez-le pour que Horavane voie les sites web que vous y visitez.</translation>
    </message>
    <message>
        <source>Horavane could not change how %1 starts. Start it with --force-renderer-accessibility to let Horavane see its websites.</source>
        <extracomment>%1 is the browser&apos;s name.</extracomment>
        <translation>Horavane n’a pas pu modifier le lancement de %1. Démarrez-le avec --force-renderer-accessibility pour que Horavane voie ses sites web.</translation>
    </message>
</context>
<context>
    <name>BrowserRow</name>
    <message>
        <source>Open Settings for %1…</source>
        <extracomment>%1: a browser&apos;s name</extracomment>
        <translation>Ouvrir les paramètres de %1…</translation>
    </message>
    <message>
        <source>Allow %1…</source>
        <extracomment>%1: a browser&apos;s name</extracomment>
        <translation>Autoriser %1…</translation>
    </message>
    <message>
        <source>Browser</source>
        <translation>Navigateur</translation>
    </message>
    <message>
        <source>Allow…</source>
        <extracomment>Button beside a browser that asks it for the page&apos;s address</extracomment>
        <translation>Autoriser…</translation>
    </message>
    <message>
        <source>Waiting for your answer…</source>
        <translation>En attente de votre réponse…</translation>
    </message>
    <message>
        <source>Allowed</source>
        <extracomment>A browser&apos;s state: it lets Horavane read the page&apos;s address</extracomment>
        <translation>Autorisé</translation>
    </message>
    <message>
        <source>Open Settings…</source>
        <extracomment>Button beside a browser that refused; opens where its permission is given</extracomment>
        <translation>Ouvrir les paramètres…</translation>
    </message>
</context>
<context>
    <name>ChartColorsPreview</name>
    <message numerus="yes">
        <source>Chart with %Ln colours</source>
        <translation>
            <numerusform>Graphique à %Ln couleur</numerusform>
            <numerusform>Graphique à %Ln couleurs</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Menu bar icon with %Ln colours</source>
        <translation>
            <numerusform>Icône de la barre à %Ln couleur</numerusform>
            <numerusform>Icône de la barre à %Ln couleurs</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>&quot;%1&quot; cannot be combined with another option</source>
        <extracomment>%1 is an option as the user typed it.</extracomment>
        <translation>«&#xa0;%1&#xa0;» ne peut pas être combiné avec une autre option</translation>
    </message>
    <message>
        <source>--export-csv needs a file name (or - for standard output)</source>
        <extracomment>Options and their values stay as they are.</extracomment>
        <translation>--export-csv demande un nom de fichier (ou - pour la sortie standard)</translation>
    </message>
    <message>
        <source>--gnome-extension takes &quot;install&quot;</source>
        <extracomment>Options and their values stay as they are.</extracomment>
        <translation>--gnome-extension n’accepte que «&#xa0;install&#xa0;»</translation>
    </message>
    <message>
        <source>unknown period &quot;%1&quot; (today, yesterday, week or month)</source>
        <extracomment>&quot;today&quot;, &quot;yesterday&quot;, &quot;week&quot; and &quot;month&quot; are what --report takes: they stay as they are.</extracomment>
        <translation>période inconnue «&#xa0;%1&#xa0;» (today, yesterday, week ou month)</translation>
    </message>
    <message>
        <source>unknown option &quot;%1&quot;</source>
        <translation>option inconnue «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>--all-computers only goes with --report</source>
        <extracomment>Options and their values stay as they are.</extracomment>
        <translation>--all-computers ne s’utilise qu’avec --report</translation>
    </message>
    <message>
        <source>--history only goes with recording</source>
        <extracomment>Options and their values stay as they are.</extracomment>
        <translation>--history ne s’utilise qu’en mode enregistrement</translation>
    </message>
    <message>
        <source>(no option)</source>
        <translation>(aucune option)</translation>
    </message>
    <message>
        <source>Usage: horavane [option]</source>
        <translation>Utilisation&#xa0;: horavane [option]</translation>
    </message>
    <message>
        <source>Preview options:</source>
        <translation>Options de l’aperçu&#xa0;:</translation>
    </message>
    <message>
        <source>Records where your time goes, application by application and site by site.</source>
        <translation>Enregistre où passe votre temps, application par application et site par site.</translation>
    </message>
    <message>
        <source>record in the background until quit</source>
        <translation>enregistrer en arrière-plan jusqu’à ce que Horavane soit quitté</translation>
    </message>
    <message>
        <source>also open the history window</source>
        <translation>ouvrir aussi la fenêtre de l’historique</translation>
    </message>
    <message>
        <source>open at login, or not; prints the resulting state</source>
        <translation>ouvrir à la connexion, ou non&#x202f;; affiche l’état qui en résulte</translation>
    </message>
    <message>
        <source>show one view on sample data (options below)</source>
        <translation>afficher une vue avec des données d’exemple (options ci-dessous)</translation>
    </message>
    <message>
        <source>print the time of today, yesterday, week or month</source>
        <translation>afficher le temps d’aujourd’hui, d’hier, de la semaine ou du mois</translation>
    </message>
    <message>
        <source>with --report: add the other computers&apos; backups</source>
        <translation>avec --report&#xa0;: ajouter les sauvegardes des autres ordinateurs</translation>
    </message>
    <message>
        <source>copy the history to the backup folder now; prints the copy</source>
        <translation>copier maintenant l’historique dans le dossier de sauvegarde&#x202f;; affiche la copie</translation>
    </message>
    <message>
        <source>write all history as CSV to PATH (- for standard output)</source>
        <translation>écrire tout l’historique en CSV dans PATH (- pour la sortie standard)</translation>
    </message>
    <message>
        <source>put the GNOME Shell extension in your extensions folder</source>
        <translation>placer l’extension GNOME Shell dans votre dossier d’extensions</translation>
    </message>
    <message>
        <source>show this help</source>
        <translation>afficher cette aide</translation>
    </message>
    <message>
        <source>show the version</source>
        <translation>afficher la version</translation>
    </message>
    <message>
        <source>the history window</source>
        <translation>la fenêtre de l’historique</translation>
    </message>
    <message>
        <source>the settings window</source>
        <translation>la fenêtre des paramètres</translation>
    </message>
    <message>
        <source>the welcome window</source>
        <translation>la fenêtre d’accueil</translation>
    </message>
    <message>
        <source>the tray ring at each setting</source>
        <translation>l’anneau de la zone de notification dans chaque réglage</translation>
    </message>
    <message>
        <source>in light colours instead of the desktop&apos;s</source>
        <translation>en couleurs claires au lieu de celles du bureau</translation>
    </message>
    <message>
        <source>in dark colours instead of the desktop&apos;s</source>
        <translation>en couleurs sombres au lieu de celles du bureau</translation>
    </message>
    <message>
        <source>the history window&apos;s period (week unless given)</source>
        <translation>la période de la fenêtre de l’historique (week par défaut)</translation>
    </message>
    <message>
        <source>the history window with a bar under the pointer</source>
        <translation>la fenêtre de l’historique avec une barre sous le pointeur</translation>
    </message>
    <message>
        <source>the sample&apos;s minutes today (265 unless given)</source>
        <translation>les minutes d’aujourd’hui des données d’exemple (265 par défaut)</translation>
    </message>
    <message>
        <source>no sample data</source>
        <translation>aucune donnée d’exemple</translation>
    </message>
    <message>
        <source>your own history instead of sample data</source>
        <translation>votre propre historique au lieu des données d’exemple</translation>
    </message>
    <message>
        <source>the number of chart colours</source>
        <translation>le nombre de couleurs du graphique</translation>
    </message>
    <message>
        <source>move the pointer to X,Y in the window</source>
        <translation>placer le pointeur en X,Y dans la fenêtre</translation>
    </message>
    <message>
        <source>save a picture of the window to PATH and quit</source>
        <translation>enregistrer une image de la fenêtre dans PATH et quitter</translation>
    </message>
    <message>
        <source>quit after S seconds (6 unless given)</source>
        <translation>quitter après S secondes (6 par défaut)</translation>
    </message>
</context>
<context>
    <name>CommandTitles</name>
    <message>
        <source>Show History</source>
        <translation>Afficher l’historique</translation>
    </message>
    <message>
        <source>Settings…</source>
        <translation>Paramètres…</translation>
    </message>
    <message>
        <source>Quit Horavane</source>
        <translation>Quitter Horavane</translation>
    </message>
    <message>
        <source>Set Daily Limit…</source>
        <extracomment>Opens a small window to choose how long an app or website may be used a day</extracomment>
        <translation>Définir une limite quotidienne…</translation>
    </message>
    <message>
        <source>Change Daily Limit…</source>
        <translation>Modifier la limite quotidienne…</translation>
    </message>
    <message>
        <source>Remove Daily Limit</source>
        <translation>Supprimer la limite quotidienne</translation>
    </message>
</context>
<context>
    <name>Commands</name>
    <message>
        <source>cannot read the history in %1: %2</source>
        <extracomment>%1 is the history file, %2 what is wrong with it.</extracomment>
        <translation>impossible de lire l’historique dans %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>the file is damaged</source>
        <translation>le fichier est endommagé</translation>
    </message>
    <message>
        <source>it cannot be opened (locked or unreadable)</source>
        <translation>il ne peut pas être ouvert (verrouillé ou illisible)</translation>
    </message>
    <message>
        <source>Total</source>
        <comment>the last line of a report, below the items</comment>
        <translation>Total</translation>
    </message>
    <message>
        <source>cannot write to standard output</source>
        <translation>impossible d’écrire sur la sortie standard</translation>
    </message>
    <message>
        <source>cannot write %1</source>
        <comment>a file</comment>
        <translation>impossible d’écrire %1</translation>
    </message>
    <message>
        <source>there is no history to back up yet</source>
        <translation>il n’y a pas encore d’historique à sauvegarder</translation>
    </message>
    <message>
        <source>(daily limit %1, over by %2)</source>
        <extracomment>Beside an item&apos;s time in a report; %1 is its daily limit, %2 how much it went over, such as &quot;12m&quot;.</extracomment>
        <translation>(limite quotidienne de %1 dépassée de %2)</translation>
    </message>
    <message numerus="yes">
        <source>(daily limit %1, over on %n day(s))</source>
        <extracomment>Beside an item&apos;s time in a report of several days; %1 is its daily limit.</extracomment>
        <translation>
            <numerusform>(limite quotidienne de %1 dépassée sur %n jour)</numerusform>
            <numerusform>(limite quotidienne de %1 dépassée sur %n jours)</numerusform>
        </translation>
    </message>
    <message>
        <source>(daily limit %1)</source>
        <extracomment>Beside an item&apos;s time in a report; %1 is its daily limit.</extracomment>
        <translation>(limite quotidienne de %1)</translation>
    </message>
</context>
<context>
    <name>ComputerSwitch</name>
    <message>
        <source>Computers</source>
        <translation>Ordinateurs</translation>
    </message>
</context>
<context>
    <name>DailyLimitDialog</name>
    <message>
        <source>Daily Limit</source>
        <extracomment>Title of the small window that sets how long an app or website may be used a day</extracomment>
        <translation>Limite quotidienne</translation>
    </message>
    <message>
        <source>How long may you use “%1” each day?</source>
        <extracomment>%1: an app&apos;s or website&apos;s name</extracomment>
        <translation>Combien de temps vous accordez-vous chaque jour pour «&#xa0;%1&#xa0;»&#x202f;?</translation>
    </message>
    <message>
        <source>Hours</source>
        <extracomment>Label of a number box; a count of hours</extracomment>
        <translation>Heures</translation>
    </message>
    <message>
        <source>Minutes</source>
        <extracomment>Label of a number box; a count of minutes</extracomment>
        <translation>Minutes</translation>
    </message>
    <message>
        <source>Horavane tells you when the time is up. Nothing is blocked.</source>
        <translation>Horavane vous prévient quand le temps est écoulé. Rien n’est bloqué.</translation>
    </message>
</context>
<context>
    <name>DataTab</name>
    <message>
        <source>Save as CSV</source>
        <translation>Enregistrer en CSV</translation>
    </message>
    <message>
        <source>Comma-separated values (*.csv)</source>
        <extracomment>File type in the save dialog; &quot;(*.csv)&quot; stays as it is</extracomment>
        <translation>Valeurs séparées par des virgules (*.csv)</translation>
    </message>
    <message>
        <source>Backup</source>
        <translation>Sauvegarde</translation>
    </message>
    <message>
        <source>Last backup</source>
        <translation>Dernière sauvegarde</translation>
    </message>
    <message>
        <source>Restore</source>
        <extracomment>Row label; its button lists the backups to restore from</extracomment>
        <translation>Restaurer</translation>
    </message>
    <message>
        <source>Your Data</source>
        <translation>Vos données</translation>
    </message>
    <message>
        <source>Save as CSV…</source>
        <translation>Enregistrer en CSV…</translation>
    </message>
    <message>
        <source>Export</source>
        <extracomment>Row label</extracomment>
        <translation>Exporter</translation>
    </message>
    <message>
        <source>Delete All…</source>
        <translation>Tout supprimer…</translation>
    </message>
    <message>
        <source>History</source>
        <extracomment>Row label; the row&apos;s button deletes all of the recorded history</extracomment>
        <translation>Historique</translation>
    </message>
    <message>
        <source>Privacy</source>
        <translation>Confidentialité</translation>
    </message>
    <message>
        <source>Show Welcome Screen</source>
        <translation>Afficher l’écran d’accueil</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <extracomment>A backup of another computer. %1: the backup&apos;s date; %2: the computer&apos;s name</extracomment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>No Backups Yet</source>
        <translation>Aucune sauvegarde</translation>
    </message>
    <message>
        <source>Choose a Backup</source>
        <translation>Choisir une sauvegarde</translation>
    </message>
    <message>
        <source>The file couldn&apos;t be saved there.</source>
        <translation>Le fichier n’a pas pu être enregistré à cet emplacement.</translation>
    </message>
    <message>
        <source>The history couldn&apos;t be read, so nothing was saved.</source>
        <translation>L’historique n’a pas pu être lu, rien n’a donc été enregistré.</translation>
    </message>
    <message>
        <source>History restored from %1.</source>
        <extracomment>%1: the backup&apos;s date, and its computer when it is another</extracomment>
        <translation>Historique restauré depuis la sauvegarde du %1.</translation>
    </message>
    <message>
        <source>That backup couldn&apos;t be used. Your history was left as it was.</source>
        <translation>Cette sauvegarde n’a pas pu être utilisée. Votre historique n’a pas été modifié.</translation>
    </message>
    <message>
        <source>Replace your history?</source>
        <translation>Remplacer votre historique&#x202f;?</translation>
    </message>
    <message>
        <source>Everything recorded so far will be replaced with the backup from %1. This can&apos;t be undone.</source>
        <extracomment>%1: the backup&apos;s date, and its computer when it is another</extracomment>
        <translation>Tout ce qui a été enregistré jusqu’ici sera remplacé par la sauvegarde du %1. Cette action est irréversible.</translation>
    </message>
    <message>
        <source>Replace</source>
        <extracomment>Button that replaces the history with a backup</extracomment>
        <translation>Remplacer</translation>
    </message>
    <message>
        <source>Delete all history?</source>
        <translation>Supprimer tout l’historique&#x202f;?</translation>
    </message>
    <message>
        <source>Delete</source>
        <extracomment>Button that deletes all of the history</extracomment>
        <translation>Supprimer</translation>
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
        <source>The history couldn&apos;t be deleted: the file is in use by another program or can&apos;t be written.</source>
        <translation>L’historique n’a pas pu être supprimé&#xa0;: le fichier est utilisé par un autre programme ou n’est pas accessible en écriture.</translation>
    </message>
</context>
<context>
    <name>DateLabels</name>
    <message>
        <source>Today</source>
        <comment>a day&apos;s name</comment>
        <translation>Aujourd’hui</translation>
    </message>
    <message>
        <source>Yesterday</source>
        <comment>a day&apos;s name</comment>
        <translation>Hier</translation>
    </message>
</context>
<context>
    <name>DesktopMain</name>
    <message>
        <source>cannot open a Wayland or X display; Horavane needs a desktop session (is WAYLAND_DISPLAY or DISPLAY set?)</source>
        <translation>impossible d’ouvrir un affichage Wayland ou X&#x202f;; Horavane a besoin d’une session de bureau (WAYLAND_DISPLAY ou DISPLAY est-il défini&#x202f;?)</translation>
    </message>
    <message>
        <source>the display went away during start</source>
        <translation>l’affichage a disparu pendant le démarrage</translation>
    </message>
    <message>
        <source>Horavane is already running.</source>
        <translation>Horavane est déjà en cours d’exécution.</translation>
    </message>
    <message>
        <source>Installed the extension in %1 and enabled it. GNOME Shell starts it when you log in: log out and back in.</source>
        <extracomment>%1 is a folder.</extracomment>
        <translation>Extension installée dans %1 et activée. GNOME Shell la démarre à l’ouverture de session&#xa0;: déconnectez-vous puis reconnectez-vous.</translation>
    </message>
    <message>
        <source>Installed the extension in %1 and enabled it: it runs now.</source>
        <extracomment>%1 is a folder.</extracomment>
        <translation>Extension installée dans %1 et activée&#xa0;: elle fonctionne dès maintenant.</translation>
    </message>
</context>
<context>
    <name>DesktopModule</name>
    <message>
        <source>%1 has no entry</source>
        <extracomment>%1 is a file that lacks the function that starts it.</extracomment>
        <translation>%1 n’a pas de point d’entrée</translation>
    </message>
    <message>
        <source>%1 is missing</source>
        <extracomment>%1 is a file name.</extracomment>
        <translation>%1 est introuvable</translation>
    </message>
    <message>
        <source>cannot load the desktop part: %1</source>
        <extracomment>%1 says what went wrong.</extracomment>
        <translation>impossible de charger la partie bureau&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>DurationText</name>
    <message>
        <source>&lt;1m</source>
        <comment>less than a minute, kept as short</comment>
        <translation>&lt;1&#x202f;min</translation>
    </message>
    <message>
        <source>0m</source>
        <comment>no time, kept as short</comment>
        <translation>0&#x202f;min</translation>
    </message>
    <message>
        <source>%1h %2m</source>
        <comment>hours and minutes, kept as short</comment>
        <translation>%1&#x202f;h %2&#x202f;min</translation>
    </message>
    <message>
        <source>%1h</source>
        <comment>hours, kept as short</comment>
        <translation>%1&#x202f;h</translation>
    </message>
    <message>
        <source>%1m</source>
        <comment>minutes, kept as short</comment>
        <translation>%1&#x202f;min</translation>
    </message>
    <message>
        <source>less than a minute</source>
        <translation>moins d’une minute</translation>
    </message>
    <message numerus="yes">
        <source>%Ln minutes</source>
        <translation>
            <numerusform>%Ln minute</numerusform>
            <numerusform>%Ln minutes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln hours</source>
        <translation>
            <numerusform>%Ln heure</numerusform>
            <numerusform>%Ln heures</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>hours, then minutes</comment>
        <extracomment>%1 is a number of hours (&quot;2 hours&quot;), %2 of minutes (&quot;5 minutes&quot;).</extracomment>
        <translation>%1 %2</translation>
    </message>
</context>
<context>
    <name>Entry</name>
    <message>
        <source>failed: %1</source>
        <comment>opening at login</comment>
        <translation>échec&#xa0;: %1</translation>
    </message>
    <message>
        <source>%1; showing this computer only</source>
        <extracomment>%1 says why the other computers&apos; backups cannot be read.</extracomment>
        <translation>%1&#x202f;; seul cet ordinateur est affiché</translation>
    </message>
</context>
<context>
    <name>ExcludedList</name>
    <message>
        <source>Nothing is excluded.</source>
        <translation>Rien n’est exclu.</translation>
    </message>
    <message>
        <source>Track Again</source>
        <translation>Suivre à nouveau</translation>
    </message>
    <message>
        <source>Track %1 again</source>
        <extracomment>%1: an app&apos;s or website&apos;s name</extracomment>
        <translation>Suivre à nouveau %1</translation>
    </message>
</context>
<context>
    <name>GeneralTab</name>
    <message>
        <source>Not Tracked</source>
        <translation>Non suivis</translation>
    </message>
    <message>
        <source>To stop tracking an app or website, right-click it in the list or press the Menu key on it and choose Don’t Track, or choose it under Don’t Track in the options menu. Its time is hidden, and comes back if you track it again.</source>
        <translation>Pour ne plus suivre une application ou un site web, faites un clic droit dessus dans la liste ou sélectionnez-le et appuyez sur la touche Menu, puis choisissez Ne pas suivre. Vous pouvez aussi le choisir dans le sous-menu Ne pas suivre du menu des options. Son temps est masqué, et réapparaît si vous le suivez à nouveau.</translation>
    </message>
    <message>
        <source>Open at Login</source>
        <translation>Ouvrir à la connexion</translation>
    </message>
    <message>
        <source>Show Time in Menu Bar</source>
        <extracomment>The panel&apos;s tray area, where Horavane&apos;s ring sits</extracomment>
        <translation>Afficher le temps dans la barre</translation>
    </message>
    <message>
        <source>Stop counting after</source>
        <extracomment>Followed by a choice such as &quot;5 minutes idle&quot;</extracomment>
        <translation>Arrêter le décompte après</translation>
    </message>
    <message>
        <source>Coloured Slices</source>
        <extracomment>How many slices of the ring get a colour of their own</extracomment>
        <translation>Segments colorés</translation>
    </message>
    <message>
        <source>Preview</source>
        <extracomment>Label of a picture of the ring and the menu bar icon in the chosen colours</extracomment>
        <translation>Aperçu</translation>
    </message>
    <message>
        <source>How many apps and websites get a slice and colour of their own. The rest share grey. The ring in the menu bar follows the same number, as far as it has room. This is also in the ••• menu.</source>
        <extracomment>&quot;•••&quot; is the options menu&apos;s button in the today window</extracomment>
        <translation>Le nombre d’applications et de sites web qui ont leur propre segment et leur propre couleur. Les autres se partagent le gris. L’anneau de la barre suit le même nombre, dans la limite de la place disponible. Ce réglage se trouve aussi dans le menu •••.</translation>
    </message>
    <message>
        <source>Updates</source>
        <translation>Mises à jour</translation>
    </message>
    <message>
        <source>Check for Updates…</source>
        <translation>Rechercher des mises à jour…</translation>
    </message>
    <message>
        <source>Open Download Page…</source>
        <translation>Ouvrir la page de téléchargement…</translation>
    </message>
    <message>
        <source>Get the new version</source>
        <translation>Obtenir la nouvelle version</translation>
    </message>
    <message>
        <source>This is the only time Horavane goes online, and only when you click the button. It asks %1 for the latest version number. Nothing about you or what you use is sent.</source>
        <extracomment>%1: the web site asked, such as &quot;horavane.app&quot;</extracomment>
        <translation>C’est le seul moment où Horavane se connecte à Internet, et uniquement quand vous cliquez sur le bouton. Il demande à %1 le numéro de la dernière version. Aucune information sur vous ou sur ce que vous utilisez n’est envoyée.</translation>
    </message>
    <message>
        <source>Idle means no keyboard or mouse activity. Time keeps counting while the app in front is playing video.</source>
        <translation>L’inactivité correspond à l’absence d’activité au clavier et à la souris. Le temps continue d’être compté tant que l’application au premier plan lit une vidéo.</translation>
    </message>
    <message>
        <source>Your panel shows no text beside its items, so today&apos;s time is in the tooltip of Horavane&apos;s item. Idle means no keyboard or mouse activity. Time keeps counting while the app in front is playing video.</source>
        <translation>Votre barre n’affiche pas de texte à côté de ses icônes&#xa0;: le temps d’aujourd’hui se trouve donc dans l’infobulle de l’icône de Horavane. L’inactivité correspond à l’absence d’activité au clavier et à la souris. Le temps continue d’être compté tant que l’application au premier plan lit une vidéo.</translation>
    </message>
</context>
<context>
    <name>GnomeExtension</name>
    <message>
        <source>cannot tell which version of GNOME Shell runs here</source>
        <translation>impossible de déterminer la version de GNOME Shell utilisée ici</translation>
    </message>
    <message>
        <source>the extension runs on GNOME Shell %1 to %2, and this is GNOME Shell %3</source>
        <extracomment>%1 to %2 are the GNOME Shell versions the extension runs on, %3 the one running.</extracomment>
        <translation>l’extension fonctionne avec GNOME Shell %1 à %2, et la version utilisée ici est GNOME Shell %3</translation>
    </message>
    <message>
        <source>cannot create %1</source>
        <comment>a folder</comment>
        <translation>impossible de créer %1</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <extracomment>%1 is a file, %2 what went wrong.</extracomment>
        <translation>impossible d’écrire %1&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>GnomeGuide</name>
    <message>
        <source>Horavane&apos;s GNOME Shell extension runs on GNOME %1 to %2, and this is GNOME %3, so Horavane records nothing here. A newer version of Horavane may support it.</source>
        <extracomment>%1 to %2 are the GNOME versions the extension runs on, %3 the one running.</extracomment>
        <translation>L’extension GNOME Shell de Horavane fonctionne avec GNOME %1 à %2, mais ce système utilise GNOME %3&#xa0;: Horavane n’enregistre donc rien ici. Une version plus récente de Horavane le prendra peut-être en charge.</translation>
    </message>
    <message>
        <source>Horavane needs its GNOME Shell extension to see which application is in front, and records nothing until the extension runs. Enable it, then log out and back in.</source>
        <translation>Horavane a besoin de son extension GNOME Shell pour savoir quelle application est au premier plan, et n’enregistre rien tant que l’extension ne fonctionne pas. Activez-la, puis déconnectez-vous et reconnectez-vous.</translation>
    </message>
    <message>
        <source>Enable Extension…</source>
        <extracomment>A button below the notice.</extracomment>
        <translation>Activer l’extension…</translation>
    </message>
    <message>
        <source>Horavane&apos;s GNOME Shell extension is enabled. GNOME Shell starts it when you log in: log out and back in, and recording starts.</source>
        <translation>L’extension GNOME Shell de Horavane est activée. GNOME Shell la démarre à l’ouverture de session&#xa0;: déconnectez-vous et reconnectez-vous, et l’enregistrement commencera.</translation>
    </message>
    <message>
        <source>Horavane&apos;s GNOME Shell extension is turned off, so Horavane records nothing. Turn it on to start recording.</source>
        <translation>L’extension GNOME Shell de Horavane est désactivée, Horavane n’enregistre donc rien. Activez-la pour commencer l’enregistrement.</translation>
    </message>
    <message>
        <source>Turn On Extension</source>
        <extracomment>A button below the notice.</extracomment>
        <translation>Activer l’extension</translation>
    </message>
    <message>
        <source>GNOME Shell finds the installed copy of Horavane&apos;s extension out of date, so Horavane records nothing. Update it, then log out and back in.</source>
        <translation>Pour GNOME Shell, l’extension de Horavane installée est obsolète, Horavane n’enregistre donc rien. Mettez-la à jour, puis déconnectez-vous et reconnectez-vous.</translation>
    </message>
    <message>
        <source>Update Extension</source>
        <extracomment>A button below the notice.</extracomment>
        <translation>Mettre à jour l’extension</translation>
    </message>
    <message>
        <source>GNOME Shell could not start Horavane&apos;s extension (%1), so Horavane records nothing. Log out and back in to try again.</source>
        <extracomment>%1 is GNOME Shell&apos;s own reason, or &quot;no reason given&quot;.</extracomment>
        <translation>GNOME Shell n’a pas pu démarrer l’extension de Horavane (%1), Horavane n’enregistre donc rien. Déconnectez-vous et reconnectez-vous pour réessayer.</translation>
    </message>
    <message>
        <source>no reason given</source>
        <translation>aucune raison indiquée</translation>
    </message>
    <message>
        <source>Enable Horavane&apos;s GNOME Shell extension?

It tells Horavane which application is in front (never a window&apos;s title). GNOME Shell starts it when you log in, so log out and back in afterwards.</source>
        <translation>Activer l’extension GNOME Shell de Horavane&#x202f;?

Elle indique à Horavane quelle application est au premier plan (jamais le titre d’une fenêtre). GNOME Shell la démarre à l’ouverture de session&#xa0;: déconnectez-vous puis reconnectez-vous ensuite.</translation>
    </message>
    <message>
        <source>Horavane could not enable its GNOME Shell extension: %1</source>
        <extracomment>%1 says what went wrong.</extracomment>
        <translation>Horavane n’a pas pu activer son extension GNOME Shell&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>Headline</name>
    <message>
        <source>Daily Average</source>
        <translation>Moyenne quotidienne</translation>
    </message>
    <message>
        <source>Show All Days</source>
        <translation>Afficher tous les jours</translation>
    </message>
</context>
<context>
    <name>HistoryFileNotice</name>
    <message>
        <source>Horavane can&apos;t open its history file right now, so the time it records is kept in memory. It is written to the file as soon as the file opens.</source>
        <translation>Horavane ne peut pas ouvrir son fichier d’historique pour le moment&#xa0;: le temps enregistré est donc conservé en mémoire. Il sera écrit dans le fichier dès que celui-ci pourra être ouvert.</translation>
    </message>
    <message>
        <source>The history file was damaged, so Horavane started a new one. The old file was kept as %1.</source>
        <extracomment>%1 is the path of the damaged file&apos;s copy</extracomment>
        <translation>Le fichier d’historique était endommagé, Horavane en a donc commencé un nouveau. L’ancien fichier a été conservé sous %1.</translation>
    </message>
</context>
<context>
    <name>HistoryView</name>
    <message>
        <source>Today</source>
        <comment>period</comment>
        <translation>Aujourd’hui</translation>
    </message>
    <message>
        <source>Yesterday</source>
        <comment>period</comment>
        <translation>Hier</translation>
    </message>
    <message numerus="yes">
        <source>Last %Ln Days</source>
        <translation>
            <numerusform>%Ln dernier jour</numerusform>
            <numerusform>%Ln derniers jours</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>HoravaneWindows</name>
    <message>
        <source>Horavane — Today</source>
        <extracomment>The title of the small window that opens from the tray, in task lists and for screen readers.</extracomment>
        <translation>Horavane — Aujourd’hui</translation>
    </message>
    <message>
        <source>Horavane — History</source>
        <translation>Horavane — Historique</translation>
    </message>
    <message>
        <source>Welcome to Horavane</source>
        <translation>Bienvenue dans Horavane</translation>
    </message>
    <message>
        <source>Horavane Settings</source>
        <translation>Paramètres de Horavane</translation>
    </message>
</context>
<context>
    <name>ItemList</name>
    <message>
        <source>Apps and websites</source>
        <translation>Applications et sites web</translation>
    </message>
    <message>
        <source>Don’t Track “%1”</source>
        <extracomment>A row&apos;s menu entry; %1 is the app&apos;s or website&apos;s name</extracomment>
        <translation>Ne pas suivre «&#xa0;%1&#xa0;»</translation>
    </message>
</context>
<context>
    <name>ItemRow</name>
    <message>
        <source>%1, %2</source>
        <extracomment>A row as a screen reader names it: the app&apos;s or website&apos;s name, then its time spoken in words</extracomment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <extracomment>A row&apos;s time against its daily limit, both kept as short: &quot;1h 32m of 1h&quot;</extracomment>
        <translation>%1 sur %2</translation>
    </message>
    <message numerus="yes">
        <source>%1, %n day(s) over</source>
        <extracomment>A row&apos;s time over several days, then on how many of them it passed the item&apos;s daily limit</extracomment>
        <translation>
            <numerusform>%1, %n jour hors limite</numerusform>
            <numerusform>%1, %n jours hors limite</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, %2, over its daily limit of %3</source>
        <extracomment>A row for a screen reader: name, time, then the daily limit the time has passed</extracomment>
        <translation>%1, %2, limite quotidienne de %3 dépassée</translation>
    </message>
    <message>
        <source>%1, %2 of its daily limit of %3</source>
        <extracomment>A row for a screen reader: name, time, then the item&apos;s daily limit</extracomment>
        <translation>%1, %2 sur une limite quotidienne de %3</translation>
    </message>
    <message numerus="yes">
        <source>%1, %2, over its daily limit of %3 on %n day(s)</source>
        <extracomment>A row for a screen reader: name, time over several days, the daily limit and on how many days it passed it</extracomment>
        <translation>
            <numerusform>%1, %2, limite quotidienne de %3 dépassée sur %n jour</numerusform>
            <numerusform>%1, %2, limite quotidienne de %3 dépassée sur %n jours</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, %2, within its daily limit of %3 every day</source>
        <extracomment>A row for a screen reader: name, time over several days, then the daily limit it kept to on each of them</extracomment>
        <translation>%1, %2, limite quotidienne de %3 respectée chaque jour</translation>
    </message>
</context>
<context>
    <name>LimitWatch</name>
    <message>
        <source>Daily limit reached for %1</source>
        <extracomment>The title of a notification; %1 is an application or website.</extracomment>
        <translation>Limite quotidienne atteinte pour %1</translation>
    </message>
    <message numerus="yes">
        <source>%n minute(s) left for %1</source>
        <extracomment>The title of a notification; %1 is an application or website.</extracomment>
        <translation>
            <numerusform>Plus que %n minute pour %1</numerusform>
            <numerusform>Plus que %n minutes pour %1</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 today on all your computers, of a daily limit of %2.</source>
        <extracomment>%1 is the time used today, such as &quot;55m&quot;; %2 the daily limit, such as &quot;1h&quot;.</extracomment>
        <translation>%1 aujourd’hui sur tous vos ordinateurs, pour une limite quotidienne de %2.</translation>
    </message>
    <message>
        <source>%1 today, of a daily limit of %2.</source>
        <extracomment>%1 is the time used today, such as &quot;55m&quot;; %2 the daily limit, such as &quot;1h&quot;.</extracomment>
        <translation>%1 aujourd’hui, pour une limite quotidienne de %2.</translation>
    </message>
    <message>
        <source>Show Today</source>
        <extracomment>The action of a notification: opens the small window with today&apos;s time.</extracomment>
        <translation>Afficher aujourd’hui</translation>
    </message>
</context>
<context>
    <name>LimitsSection</name>
    <message>
        <source>Limits</source>
        <translation>Limites</translation>
    </message>
    <message>
        <source>No app or website has a daily limit.</source>
        <translation>Aucune application ni aucun site web n’a de limite quotidienne.</translation>
    </message>
    <message>
        <source>Warn 5 minutes before</source>
        <extracomment>A choice: also tell the user 5 minutes before an app or website reaches its daily limit</extracomment>
        <translation>Prévenir 5 minutes avant</translation>
    </message>
    <message>
        <source>Count time on all my computers</source>
        <extracomment>A choice: limits add up the time on the user&apos;s other computers, read from the backup folder</extracomment>
        <translation>Compter le temps sur tous mes ordinateurs</translation>
    </message>
    <message>
        <source>Remind me to take breaks</source>
        <translation>Me rappeler de faire des pauses</translation>
    </message>
    <message>
        <source>Suggest a break after</source>
        <extracomment>Followed by a duration such as &quot;50 minutes&quot;: how long the user is present before a break is suggested</extracomment>
        <translation>Proposer une pause après</translation>
    </message>
    <message>
        <source>A break is a pause of</source>
        <extracomment>Followed by a duration such as &quot;5 minutes&quot;: how long away from the computer counts as a break</extracomment>
        <translation>Compter comme pause une absence de</translation>
    </message>
    <message>
        <source>To set a limit, right-click an app or website in the list or press the Menu key on it and choose Set Daily Limit. Horavane tells you when the time is up, and once more five minutes before if you like. Nothing is blocked. Time on your other computers is read from their copies in the backup folder.</source>
        <translation>Pour définir une limite, faites un clic droit sur une application ou un site web dans la liste, ou appuyez sur la touche Menu lorsqu’il est sélectionné, puis choisissez «&#xa0;Définir une limite quotidienne&#xa0;». Horavane vous prévient quand le temps est écoulé, et aussi cinq minutes avant si vous le souhaitez. Rien n’est bloqué. Le temps passé sur vos autres ordinateurs est lu dans leurs copies du dossier de sauvegarde.</translation>
    </message>
    <message>
        <source>Daily limit of %1: %2</source>
        <extracomment>A button showing an item&apos;s daily limit, which opens the window to change it; %1: name, %2: the limit in words</extracomment>
        <translation>Limite quotidienne de %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Remove</source>
        <extracomment>Takes an app&apos;s or website&apos;s daily limit away</extracomment>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Remove the daily limit of %1</source>
        <extracomment>%1: an app&apos;s or website&apos;s name</extracomment>
        <translation>Supprimer la limite quotidienne de %1</translation>
    </message>
</context>
<context>
    <name>LinuxPlatform</name>
    <message>
        <source>Horavane can&apos;t see which application is in front on this desktop, so it records nothing. It works on GNOME, on KDE Plasma, on wlroots desktops such as sway, and on X11.</source>
        <translation>Horavane ne peut pas voir quelle application est au premier plan sur ce bureau, il n’enregistre donc rien. Il fonctionne sous GNOME, KDE Plasma, les bureaux wlroots comme sway, et X11.</translation>
    </message>
</context>
<context>
    <name>LinuxSystemEvents</name>
    <message>
        <source>Saving recorded time</source>
        <extracomment>Why Horavane holds sleep back for a moment, as the system&apos;s tools list it.</extracomment>
        <translation>Enregistrement du temps comptabilisé</translation>
    </message>
</context>
<context>
    <name>OptionsMenu</name>
    <message>
        <source>Show Time in Menu Bar</source>
        <extracomment>Shows today&apos;s time beside the program&apos;s icon in the panel&apos;s tray</extracomment>
        <translation>Afficher le temps dans la barre</translation>
    </message>
    <message>
        <source>Open at Login</source>
        <translation>Ouvrir à la connexion</translation>
    </message>
    <message>
        <source>Coloured Slices</source>
        <extracomment>A submenu choosing how many items get a colour of their own in the ring and the chart</extracomment>
        <translation>Segments colorés</translation>
    </message>
    <message>
        <source>Don’t Track</source>
        <extracomment>A submenu listing today&apos;s apps and websites; choosing one stops recording its time</extracomment>
        <translation>Ne pas suivre</translation>
    </message>
    <message>
        <source>Check for Updates…</source>
        <translation>Rechercher des mises à jour…</translation>
    </message>
</context>
<context>
    <name>PeriodPicker</name>
    <message numerus="yes">
        <source>%Ln Days</source>
        <extracomment>One of two choices in a narrow segmented control</extracomment>
        <translation>
            <numerusform>%Ln jour</numerusform>
            <numerusform>%Ln jours</numerusform>
        </translation>
    </message>
    <message>
        <source>Period</source>
        <translation>Période</translation>
    </message>
</context>
<context>
    <name>PermissionNotice</name>
    <message>
        <source>Horavane can&apos;t see which websites you visit in %1 yet. %1 can only be asked through Accessibility, which Horavane uses just to read the address of the page in front.</source>
        <extracomment>%1 is a web browser&apos;s name, such as Firefox</extracomment>
        <translation>Horavane ne peut pas encore voir les sites web que vous visitez dans %1. %1 ne peut être interrogé que par l’accessibilité, que Horavane utilise uniquement pour lire l’adresse de la page au premier plan.</translation>
    </message>
    <message>
        <source>Horavane can&apos;t see which websites you visit in %1 yet.</source>
        <extracomment>%1 is a web browser&apos;s name, such as Firefox</extracomment>
        <translation>Horavane ne peut pas encore voir les sites web que vous visitez dans %1.</translation>
    </message>
</context>
<context>
    <name>PlatformTexts</name>
    <message>
        <source>Back Up to a Folder</source>
        <translation>Sauvegarder dans un dossier</translation>
    </message>
    <message>
        <source>Choose a backup folder to turn this on.</source>
        <translation>Choisissez d’abord un dossier.</translation>
    </message>
    <message>
        <source>Backup folder</source>
        <translation>Dossier de sauvegarde</translation>
    </message>
    <message>
        <source>Choose…</source>
        <extracomment>Button that opens a folder picker, shown while no backup folder is chosen</extracomment>
        <translation>Choisir…</translation>
    </message>
    <message>
        <source>Other Folder…</source>
        <translation>Autre dossier…</translation>
    </message>
    <message>
        <source>A copy of your history is saved once a day to a Horavane folder in the backup folder, and the last seven are kept for each computer. Your sync tool does the uploading; Horavane itself sends nothing.</source>
        <translation>Une copie de votre historique est enregistrée une fois par jour dans un dossier Horavane du dossier de sauvegarde, et les sept dernières sont conservées pour chaque ordinateur. Votre outil de synchronisation se charge de l’envoi&#x202f;; Horavane lui-même n’envoie rien.</translation>
    </message>
    <message>
        <source>That backup couldn&apos;t be read from the backup folder.</source>
        <translation>Cette sauvegarde n’a pas pu être lue dans le dossier de sauvegarde.</translation>
    </message>
    <message>
        <source>What Horavane records stays in a file on this computer, plus the backup folder if you turn that on. Horavane goes online for one thing only: when you click Check for Updates.</source>
        <translation>Ce que Horavane enregistre reste dans un fichier sur cet ordinateur, ainsi que dans le dossier de sauvegarde si vous l’activez. Horavane ne se connecte à Internet que dans un seul cas&#xa0;: quand vous cliquez sur Rechercher des mises à jour.</translation>
    </message>
    <message>
        <source>Every day Horavane has recorded on this computer will be removed. Backups in the backup folder are not touched. This can&apos;t be undone.</source>
        <translation>Toutes les journées enregistrées par Horavane sur cet ordinateur seront supprimées. Les sauvegardes du dossier de sauvegarde ne sont pas touchées. Cette action est irréversible.</translation>
    </message>
    <message>
        <source>See where your time on this computer goes, app by app and site by site.</source>
        <translation>Voyez à quoi vous passez votre temps sur cet ordinateur, application par application et site par site.</translation>
    </message>
    <message>
        <source>To know which site you&apos;re on, Horavane asks your browser for the address of the page in front. You allow that once per browser. Nothing else about the page is read.</source>
        <translation>Pour savoir sur quel site vous êtes, Horavane demande à votre navigateur l’adresse de la page au premier plan. Vous l’autorisez une fois par navigateur. Rien d’autre n’est lu sur la page.</translation>
    </message>
    <message>
        <source>Firefox and browsers built on it can only be asked through the desktop&apos;s accessibility switch, which you turn on for your session. Horavane uses it just to read that address.</source>
        <translation>Firefox et les navigateurs basés sur Firefox ne peuvent être interrogés que par le réglage d’accessibilité du bureau, que vous activez pour votre session. Horavane s’en sert uniquement pour lire cette adresse.</translation>
    </message>
    <message>
        <source>It stays on your computer</source>
        <translation>Tout reste sur votre ordinateur</translation>
    </message>
    <message>
        <source>Your history is a file on this computer, and you can export or delete it in Settings. Horavane never goes online unless you ask it to check for updates.</source>
        <translation>Votre historique est un fichier sur cet ordinateur, que vous pouvez exporter ou supprimer dans les paramètres. Horavane ne se connecte jamais à Internet, sauf si vous lui demandez de rechercher des mises à jour.</translation>
    </message>
    <message>
        <source>Open Accessibility Settings…</source>
        <translation>Ouvrir les paramètres d’accessibilité…</translation>
    </message>
    <message>
        <source>Set Up Browser Access…</source>
        <translation>Configurer l’accès aux navigateurs…</translation>
    </message>
    <message>
        <source>This Computer</source>
        <extracomment>The computer Horavane runs on, among the computers of a shared backup folder</extracomment>
        <translation>Cet ordinateur</translation>
    </message>
    <message>
        <source>All Computers</source>
        <extracomment>The history of every computer of a shared backup folder together</extracomment>
        <translation>Tous les ordinateurs</translation>
    </message>
</context>
<context>
    <name>PopoverView</name>
    <message>
        <source>Today</source>
        <comment>title of the today window</comment>
        <translation>Aujourd’hui</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Options</translation>
    </message>
</context>
<context>
    <name>Preview</name>
    <message>
        <source>Menu bar ring at each setting</source>
        <extracomment>The title of a sheet showing the tray ring with each number of colours.</extracomment>
        <translation>L’anneau de la barre pour chaque réglage</translation>
    </message>
    <message>
        <source>cannot save %1</source>
        <translation>impossible d’enregistrer %1</translation>
    </message>
</context>
<context>
    <name>RingView</name>
    <message>
        <source>Time by app and website</source>
        <translation>Temps par application et site web</translation>
    </message>
    <message>
        <source>Total</source>
        <extracomment>Under the time in the ring&apos;s centre, which is narrow</extracomment>
        <translation>Total</translation>
    </message>
    <message>
        <source>No activity</source>
        <translation>Aucune activité</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>A slice as a screen reader names it: the app&apos;s or website&apos;s name, then its time spoken in words</extracomment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <comment>ring centre</comment>
        <extracomment>What the ring&apos;s centre shows, for a screen reader: a name (&quot;Total&quot; or an item&apos;s), then a time (&quot;1h 32m&quot;)</extracomment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1, %2, over its daily limit</source>
        <extracomment>A slice as a screen reader names it: the app&apos;s or website&apos;s name, then its time spoken in words</extracomment>
        <translation>%1, %2, limite quotidienne dépassée</translation>
    </message>
</context>
<context>
    <name>SettingsTexts</name>
    <message numerus="yes">
        <source>%Ln minutes idle</source>
        <extracomment>A choice of &quot;Stop counting after&quot;</extracomment>
        <translation>
            <numerusform>%Ln minute d’inactivité</numerusform>
            <numerusform>%Ln minutes d’inactivité</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln Years Ago</source>
        <translation>
            <numerusform>Il y a %Ln an</numerusform>
            <numerusform>Il y a %Ln ans</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>In %Ln Years</source>
        <translation>
            <numerusform>Dans %Ln an</numerusform>
            <numerusform>Dans %Ln ans</numerusform>
        </translation>
    </message>
    <message>
        <source>Last Year</source>
        <translation>L’année dernière</translation>
    </message>
    <message>
        <source>Next Year</source>
        <translation>L’année prochaine</translation>
    </message>
    <message numerus="yes">
        <source>%Ln Months Ago</source>
        <translation>
            <numerusform>Il y a %Ln mois</numerusform>
            <numerusform>Il y a %Ln mois</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>In %Ln Months</source>
        <translation>
            <numerusform>Dans %Ln mois</numerusform>
            <numerusform>Dans %Ln mois</numerusform>
        </translation>
    </message>
    <message>
        <source>Last Month</source>
        <translation>Le mois dernier</translation>
    </message>
    <message>
        <source>Next Month</source>
        <translation>Le mois prochain</translation>
    </message>
    <message numerus="yes">
        <source>%Ln Weeks Ago</source>
        <translation>
            <numerusform>Il y a %Ln semaine</numerusform>
            <numerusform>Il y a %Ln semaines</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>In %Ln Weeks</source>
        <translation>
            <numerusform>Dans %Ln semaine</numerusform>
            <numerusform>Dans %Ln semaines</numerusform>
        </translation>
    </message>
    <message>
        <source>Last Week</source>
        <translation>La semaine dernière</translation>
    </message>
    <message>
        <source>Next Week</source>
        <translation>La semaine prochaine</translation>
    </message>
    <message numerus="yes">
        <source>%Ln Days Ago</source>
        <translation>
            <numerusform>Il y a %Ln jour</numerusform>
            <numerusform>Il y a %Ln jours</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>In %Ln Days</source>
        <translation>
            <numerusform>Dans %Ln jour</numerusform>
            <numerusform>Dans %Ln jours</numerusform>
        </translation>
    </message>
    <message>
        <source>Yesterday</source>
        <translation>Hier</translation>
    </message>
    <message>
        <source>Tomorrow</source>
        <translation>Demain</translation>
    </message>
    <message numerus="yes">
        <source>%Ln Hours Ago</source>
        <translation>
            <numerusform>Il y a %Ln heure</numerusform>
            <numerusform>Il y a %Ln heures</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>In %Ln Hours</source>
        <translation>
            <numerusform>Dans %Ln heure</numerusform>
            <numerusform>Dans %Ln heures</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln Minutes Ago</source>
        <translation>
            <numerusform>Il y a %Ln minute</numerusform>
            <numerusform>Il y a %Ln minutes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>In %Ln Minutes</source>
        <translation>
            <numerusform>Dans %Ln minute</numerusform>
            <numerusform>Dans %Ln minutes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln Seconds Ago</source>
        <translation>
            <numerusform>Il y a %Ln seconde</numerusform>
            <numerusform>Il y a %Ln secondes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>In %Ln Seconds</source>
        <translation>
            <numerusform>Dans %Ln seconde</numerusform>
            <numerusform>Dans %Ln secondes</numerusform>
        </translation>
    </message>
    <message>
        <source>Now</source>
        <extracomment>A moment ago, as the last backup&apos;s time</extracomment>
        <translation>À l’instant</translation>
    </message>
    <message>
        <source>Not yet</source>
        <extracomment>The last backup&apos;s time when there has been none</extracomment>
        <translation>Pas encore</translation>
    </message>
    <message>
        <source>%1 at %2</source>
        <extracomment>The last backup&apos;s time. %1: a day or time span such as &quot;Yesterday&quot; or &quot;3 Hours Ago&quot;; %2: a time of day</extracomment>
        <translation>%1, à %2</translation>
    </message>
</context>
<context>
    <name>SettingsView</name>
    <message>
        <source>General</source>
        <extracomment>Settings tab</extracomment>
        <translation>Général</translation>
    </message>
    <message>
        <source>Data</source>
        <extracomment>Settings tab: backup, export and deletion of the history</extracomment>
        <translation>Données</translation>
    </message>
</context>
<context>
    <name>ShellSettings</name>
    <message>
        <source>GNOME Shell&apos;s settings are not installed</source>
        <translation>les paramètres de GNOME Shell ne sont pas installés</translation>
    </message>
    <message>
        <source>no settings store is running (dconf)</source>
        <translation>aucun service de stockage des paramètres n’est lancé (dconf)</translation>
    </message>
    <message>
        <source>GNOME Shell&apos;s settings cannot be changed</source>
        <translation>les paramètres de GNOME Shell ne peuvent pas être modifiés</translation>
    </message>
</context>
<context>
    <name>Slice</name>
    <message>
        <source>Everything else</source>
        <extracomment>The ring&apos;s and the chart&apos;s grey slice: the time of all items without a colour of their own</extracomment>
        <translation>Tout le reste</translation>
    </message>
</context>
<context>
    <name>TrayLabel</name>
    <message>
        <source>%1 — %2</source>
        <extracomment>The tray item&apos;s tooltip: the program&apos;s name, then the time recorded today (&quot;1h 32m&quot;)</extracomment>
        <translation>%1 — %2</translation>
    </message>
</context>
<context>
    <name>UpdateChecker</name>
    <message>
        <source>Checking…</source>
        <extracomment>Looking for a new version</extracomment>
        <translation>Vérification…</translation>
    </message>
    <message>
        <source>%1 is the latest version.</source>
        <extracomment>%1: Horavane and its version, such as &quot;Horavane 1.4&quot;</extracomment>
        <translation>%1 est la dernière version.</translation>
    </message>
    <message>
        <source>Version %1 is available.</source>
        <extracomment>%1: a version number, such as &quot;1.5&quot;</extracomment>
        <translation>La version %1 est disponible.</translation>
    </message>
    <message>
        <source>Couldn&apos;t check. Try again when you&apos;re online.</source>
        <translation>Impossible de vérifier. Réessayez une fois connecté à Internet.</translation>
    </message>
</context>
<context>
    <name>WelcomeView</name>
    <message>
        <source>Welcome to Horavane</source>
        <translation>Bienvenue dans Horavane</translation>
    </message>
    <message>
        <source>It lives in your menu bar</source>
        <translation>Il se trouve dans votre barre</translation>
    </message>
    <message>
        <source>Click the ring at the top of your screen to see today.</source>
        <translation>Cliquez sur l’anneau en haut de votre écran pour voir votre journée.</translation>
    </message>
    <message>
        <source>Websites count on their own</source>
        <translation>Les sites web sont comptés à part</translation>
    </message>
    <message>
        <source>Open Horavane when I log in</source>
        <translation>Ouvrir Horavane à la connexion</translation>
    </message>
    <message>
        <source>Get Started</source>
        <translation>Commencer</translation>
    </message>
</context>
<context>
    <name>WriteFailure</name>
    <message>
        <source>Horavane couldn&apos;t save that change.</source>
        <translation>Horavane n’a pas pu enregistrer cette modification.</translation>
    </message>
    <message>
        <source>The history file is in use by another program or can&apos;t be written, so nothing was changed. Try again in a moment.</source>
        <translation>Le fichier d’historique est utilisé par un autre programme ou n’est pas accessible en écriture&#xa0;: rien n’a été modifié. Réessayez dans un instant.</translation>
    </message>
</context>
<context>
    <name>XdgAutostart</name>
    <message>
        <source>cannot create %1</source>
        <comment>a folder</comment>
        <translation>impossible de créer %1</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <extracomment>%1 is a file, %2 what went wrong.</extracomment>
        <translation>impossible d’écrire %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>cannot remove %1: %2</source>
        <extracomment>%1 is a file, %2 what went wrong.</extracomment>
        <translation>impossible de supprimer %1&#xa0;: %2</translation>
    </message>
</context>
</TS>
