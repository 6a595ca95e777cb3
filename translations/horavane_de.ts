<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>Backup</name>
    <message>
        <source>Couldn&apos;t copy the history</source>
        <translation>Der Verlauf konnte nicht kopiert werden</translation>
    </message>
    <message>
        <source>Choose a backup folder first</source>
        <translation>Wählen Sie zuerst einen Sicherungsordner</translation>
    </message>
    <message>
        <source>The backup folder isn&apos;t there. Is it mounted?</source>
        <translation>Der Sicherungsordner ist nicht vorhanden. Ist er eingehängt?</translation>
    </message>
    <message>
        <source>Couldn&apos;t write to the backup folder</source>
        <translation>In den Sicherungsordner konnte nicht geschrieben werden</translation>
    </message>
</context>
<context>
    <name>BackupComputers</name>
    <message>
        <source>Skipped the copy of %1 from %2: it is still arriving.</source>
        <extracomment>%1: a computer&apos;s name; %2: the copy&apos;s day, such as &quot;2025-03-05&quot;</extracomment>
        <translation>Die Kopie von %1 vom %2 wurde übersprungen: sie wird noch übertragen.</translation>
    </message>
    <message>
        <source>Skipped the copy of %1 from %2: it is damaged.</source>
        <extracomment>%1: a computer&apos;s name; %2: the copy&apos;s day, such as &quot;2025-03-05&quot;</extracomment>
        <translation>Die Kopie von %1 vom %2 wurde übersprungen: sie ist beschädigt.</translation>
    </message>
    <message>
        <source>Skipped the copy of %1 from %2: it is not a Horavane history.</source>
        <extracomment>%1: a computer&apos;s name; %2: the copy&apos;s day, such as &quot;2025-03-05&quot;</extracomment>
        <translation>Die Kopie von %1 vom %2 wurde übersprungen: sie ist kein Horavane-Verlauf.</translation>
    </message>
</context>
<context>
    <name>BarChart</name>
    <message>
        <source>Time per day</source>
        <translation>Zeit pro Tag</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>A day&apos;s bar as a screen reader names it: the full date, then the day&apos;s time spoken in words</extracomment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>avg</source>
        <extracomment>Labels the chart&apos;s dashed line at the daily average, in small print: keep it as short as this</extracomment>
        <translation>Ø</translation>
    </message>
</context>
<context>
    <name>BreakReminder</name>
    <message>
        <source>Time for a break</source>
        <extracomment>The title of a notification.</extracomment>
        <translation>Zeit für eine Pause</translation>
    </message>
    <message numerus="yes">
        <source>You have been at the computer for %n minute(s) without a pause.</source>
        <translation>
            <numerusform>Sie sind seit %n Minute ohne Unterbrechung am Computer.</numerusform>
            <numerusform>Sie sind seit %n Minuten ohne Unterbrechung am Computer.</numerusform>
        </translation>
    </message>
    <message>
        <source>Show Today</source>
        <extracomment>The action of a notification: opens the small window with today&apos;s time.</extracomment>
        <translation>Heute anzeigen</translation>
    </message>
</context>
<context>
    <name>BrowserAccess</name>
    <message>
        <source>Browsers show Horavane the address of the page in front through the desktop&apos;s accessibility, which is switched off. Switch it on for your session? Screen readers and other assistive tools use the same switch.</source>
        <translation>Browser zeigen Horavane die Adresse der Seite im Vordergrund über die Barrierefreiheit der Arbeitsumgebung, die ausgeschaltet ist. Soll sie für Ihre Sitzung eingeschaltet werden? Bildschirmleser und andere Hilfstechnologien verwenden denselben Schalter.</translation>
    </message>
    <message>
        <source>Chromium-family browsers show Horavane their pages when they start with --force-renderer-accessibility. Bring the browser to the front once, then choose “%1” in Horavane&apos;s window to add it for that browser.</source>
        <extracomment>%1 is the name of the button in Horavane&apos;s window.</extracomment>
        <translation>Browser der Chromium-Familie zeigen Horavane ihre Seiten, wenn sie mit --force-renderer-accessibility gestartet werden. Holen Sie den Browser einmal in den Vordergrund und wählen Sie dann im Fenster von Horavane „%1“, um die Option für diesen Browser hinzuzufügen.</translation>
    </message>
    <message>
        <source>Quit %1 and start it again: it lets Horavane see its websites from its next start.</source>
        <extracomment>%1 is the browser&apos;s name.</extracomment>
        <translation>Beenden Sie %1 und starten Sie den Browser erneut: Ab dem nächsten Start sieht Horavane die darin besuchten Websites.</translation>
    </message>
    <message>
        <source>Your browser</source>
        <translation>Ihr Browser</translation>
    </message>
    <message>
        <source>%1 shows Horavane the address of the page in front through the desktop&apos;s accessibility, which is switched off. Switch it on for your session? Screen readers and other assistive tools use the same switch. Horavane also adds renderer accessibility to how %1 starts for your account; to undo that, remove the copy of its launcher in ~/.local/share/applications.</source>
        <extracomment>%1 is the browser&apos;s name.</extracomment>
        <translation>%1 zeigt Horavane die Adresse der Seite im Vordergrund über die Barrierefreiheit der Arbeitsumgebung, die ausgeschaltet ist. Soll sie für Ihre Sitzung eingeschaltet werden? Bildschirmleser und andere Hilfstechnologien verwenden denselben Schalter. Horavane ergänzt außerdem den Start von %1 für Ihr Benutzerkonto um Renderer-Barrierefreiheit; um das rückgängig zu machen, entfernen Sie die Kopie seiner Starterdatei in ~/.local/share/applications.</translation>
    </message>
    <message>
        <source>%1 shows Horavane the address of the page in front through the desktop&apos;s accessibility, which is switched off. Switch it on for your session? Screen readers and other assistive tools use the same switch.</source>
        <extracomment>%1 is the browser&apos;s name, or &quot;Your browser&quot;.</extracomment>
        <translation>%1 zeigt Horavane die Adresse der Seite im Vordergrund über die Barrierefreiheit der Arbeitsumgebung, die ausgeschaltet ist. Soll sie für Ihre Sitzung eingeschaltet werden? Bildschirmleser und andere Hilfstechnologien verwenden denselben Schalter.</translation>
    </message>
    <message>
        <source>%1 lets Horavane see the page in front only when it starts with renderer accessibility. Horavane can add that to how %1 starts for your account; to undo it, remove the copy of its launcher in ~/.local/share/applications.</source>
        <extracomment>%1 is the browser&apos;s name, or &quot;Your browser&quot;.</extracomment>
        <translation>%1 lässt Horavane die Seite im Vordergrund nur sehen, wenn er mit Renderer-Barrierefreiheit startet. Horavane kann den Start von %1 für Ihr Benutzerkonto entsprechend anpassen; um das rückgängig zu machen, entfernen Sie die Kopie seiner Starterdatei in ~/.local/share/applications.</translation>
    </message>
    <message>
        <source>Chromium-family browsers also need --force-renderer-accessibility. Bring the browser to the front once, then choose “%1” in Horavane&apos;s window to add it for that browser.</source>
        <extracomment>%1 is the name of the button in Horavane&apos;s window.</extracomment>
        <translation>Browser der Chromium-Familie benötigen zusätzlich --force-renderer-accessibility. Holen Sie den Browser einmal in den Vordergrund und wählen Sie dann im Fenster von Horavane „%1“, um die Option für diesen Browser hinzuzufügen.</translation>
    </message>
    <message>
        <source>Quit %1 and start it again to let Horavane see which websites you visit in it.</source>
        <extracomment>%1 is the browser&apos;s name.</extracomment>
        <translation>Beenden Sie %1 und starten Sie den Browser erneut, damit Horavane sieht, welche Websites Sie darin besuchen.</translation>
    </message>
    <message>
        <source>Horavane could not change how %1 starts. Start it with --force-renderer-accessibility to let Horavane see its websites.</source>
        <extracomment>%1 is the browser&apos;s name.</extracomment>
        <translation>Horavane konnte nicht ändern, wie %1 startet. Starten Sie den Browser mit --force-renderer-accessibility, damit Horavane die darin besuchten Websites sieht.</translation>
    </message>
</context>
<context>
    <name>BrowserRow</name>
    <message>
        <source>Open Settings for %1…</source>
        <extracomment>%1: a browser&apos;s name</extracomment>
        <translation>Einstellungen für %1 öffnen…</translation>
    </message>
    <message>
        <source>Allow %1…</source>
        <extracomment>%1: a browser&apos;s name</extracomment>
        <translation>%1 erlauben…</translation>
    </message>
    <message>
        <source>Browser</source>
        <translation>Browser</translation>
    </message>
    <message>
        <source>Allow…</source>
        <extracomment>Button beside a browser that asks it for the page&apos;s address</extracomment>
        <translation>Erlauben…</translation>
    </message>
    <message>
        <source>Waiting for your answer…</source>
        <translation>Warten auf Ihre Antwort…</translation>
    </message>
    <message>
        <source>Allowed</source>
        <extracomment>A browser&apos;s state: it lets Horavane read the page&apos;s address</extracomment>
        <translation>Erlaubt</translation>
    </message>
    <message>
        <source>Open Settings…</source>
        <extracomment>Button beside a browser that refused; opens where its permission is given</extracomment>
        <translation>Einstellungen öffnen…</translation>
    </message>
</context>
<context>
    <name>ChartColorsPreview</name>
    <message numerus="yes">
        <source>Chart with %Ln colours</source>
        <translation>
            <numerusform>Diagramm mit %Ln Farbe</numerusform>
            <numerusform>Diagramm mit %Ln Farben</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Menu bar icon with %Ln colours</source>
        <translation>
            <numerusform>Symbol in der Leiste mit %Ln Farbe</numerusform>
            <numerusform>Symbol in der Leiste mit %Ln Farben</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>&quot;%1&quot; cannot be combined with another option</source>
        <extracomment>%1 is an option as the user typed it.</extracomment>
        <translation>&quot;%1&quot; kann nicht mit einer anderen Option kombiniert werden</translation>
    </message>
    <message>
        <source>--export-csv needs a file name (or - for standard output)</source>
        <extracomment>Options and their values stay as they are.</extracomment>
        <translation>--export-csv benötigt einen Dateinamen (oder - für die Standardausgabe)</translation>
    </message>
    <message>
        <source>--gnome-extension takes &quot;install&quot;</source>
        <extracomment>Options and their values stay as they are.</extracomment>
        <translation>--gnome-extension nimmt nur &quot;install&quot; an</translation>
    </message>
    <message>
        <source>unknown period &quot;%1&quot; (today, yesterday, week or month)</source>
        <extracomment>&quot;today&quot;, &quot;yesterday&quot;, &quot;week&quot; and &quot;month&quot; are what --report takes: they stay as they are.</extracomment>
        <translation>unbekannter Zeitraum &quot;%1&quot; (today, yesterday, week oder month)</translation>
    </message>
    <message>
        <source>unknown option &quot;%1&quot;</source>
        <translation>unbekannte Option &quot;%1&quot;</translation>
    </message>
    <message>
        <source>--all-computers only goes with --report</source>
        <extracomment>Options and their values stay as they are.</extracomment>
        <translation>--all-computers ist nur zusammen mit --report möglich</translation>
    </message>
    <message>
        <source>--history only goes with recording</source>
        <extracomment>Options and their values stay as they are.</extracomment>
        <translation>--history ist nur beim Aufzeichnen möglich</translation>
    </message>
    <message>
        <source>(no option)</source>
        <translation>(keine Option)</translation>
    </message>
    <message>
        <source>Usage: horavane [option]</source>
        <translation>Aufruf: horavane [Option]</translation>
    </message>
    <message>
        <source>Preview options:</source>
        <translation>Optionen der Vorschau:</translation>
    </message>
    <message>
        <source>Records where your time goes, application by application and site by site.</source>
        <translation>Zeichnet auf, wohin Ihre Zeit geht, Anwendung für Anwendung und Website für Website.</translation>
    </message>
    <message>
        <source>record in the background until quit</source>
        <translation>im Hintergrund aufzeichnen, bis Horavane beendet wird</translation>
    </message>
    <message>
        <source>also open the history window</source>
        <translation>zusätzlich das Verlaufsfenster öffnen</translation>
    </message>
    <message>
        <source>open at login, or not; prints the resulting state</source>
        <translation>bei der Anmeldung öffnen oder nicht; gibt den neuen Zustand aus</translation>
    </message>
    <message>
        <source>show one view on sample data (options below)</source>
        <translation>eine Ansicht mit Beispieldaten zeigen (Optionen unten)</translation>
    </message>
    <message>
        <source>print the time of today, yesterday, week or month</source>
        <translation>die Zeit von heute, gestern, der Woche oder des Monats ausgeben</translation>
    </message>
    <message>
        <source>with --report: add the other computers&apos; backups</source>
        <translation>mit --report: die Sicherungen der anderen Computer hinzunehmen</translation>
    </message>
    <message>
        <source>copy the history to the backup folder now; prints the copy</source>
        <translation>den Verlauf jetzt in den Sicherungsordner kopieren; gibt die Kopie aus</translation>
    </message>
    <message>
        <source>write all history as CSV to PATH (- for standard output)</source>
        <translation>den ganzen Verlauf als CSV nach PATH schreiben (- für die Standardausgabe)</translation>
    </message>
    <message>
        <source>put the GNOME Shell extension in your extensions folder</source>
        <translation>die GNOME-Shell-Erweiterung in Ihren Erweiterungsordner legen</translation>
    </message>
    <message>
        <source>show this help</source>
        <translation>diese Hilfe anzeigen</translation>
    </message>
    <message>
        <source>show the version</source>
        <translation>die Version anzeigen</translation>
    </message>
    <message>
        <source>the history window</source>
        <translation>das Verlaufsfenster</translation>
    </message>
    <message>
        <source>the settings window</source>
        <translation>das Einstellungsfenster</translation>
    </message>
    <message>
        <source>the welcome window</source>
        <translation>das Willkommensfenster</translation>
    </message>
    <message>
        <source>the tray ring at each setting</source>
        <translation>der Ring im Statusbereich in jeder Einstellung</translation>
    </message>
    <message>
        <source>in light colours instead of the desktop&apos;s</source>
        <translation>in hellen Farben statt denen der Arbeitsumgebung</translation>
    </message>
    <message>
        <source>in dark colours instead of the desktop&apos;s</source>
        <translation>in dunklen Farben statt denen der Arbeitsumgebung</translation>
    </message>
    <message>
        <source>the history window&apos;s period (week unless given)</source>
        <translation>der Zeitraum des Verlaufsfensters (ohne Angabe: week)</translation>
    </message>
    <message>
        <source>the history window with a bar under the pointer</source>
        <translation>das Verlaufsfenster mit einem Balken unter dem Zeiger</translation>
    </message>
    <message>
        <source>the sample&apos;s minutes today (265 unless given)</source>
        <translation>die heutigen Minuten der Beispieldaten (ohne Angabe: 265)</translation>
    </message>
    <message>
        <source>no sample data</source>
        <translation>keine Beispieldaten</translation>
    </message>
    <message>
        <source>your own history instead of sample data</source>
        <translation>Ihr eigener Verlauf statt Beispieldaten</translation>
    </message>
    <message>
        <source>the number of chart colours</source>
        <translation>die Anzahl der Diagrammfarben</translation>
    </message>
    <message>
        <source>move the pointer to X,Y in the window</source>
        <translation>den Zeiger im Fenster auf X,Y bewegen</translation>
    </message>
    <message>
        <source>save a picture of the window to PATH and quit</source>
        <translation>ein Bild des Fensters unter PATH speichern und beenden</translation>
    </message>
    <message>
        <source>quit after S seconds (6 unless given)</source>
        <translation>nach S Sekunden beenden (ohne Angabe: 6)</translation>
    </message>
</context>
<context>
    <name>CommandTitles</name>
    <message>
        <source>Show History</source>
        <translation>Verlauf anzeigen</translation>
    </message>
    <message>
        <source>Settings…</source>
        <translation>Einstellungen…</translation>
    </message>
    <message>
        <source>Quit Horavane</source>
        <translation>Horavane beenden</translation>
    </message>
    <message>
        <source>Set Daily Limit…</source>
        <extracomment>Opens a small window to choose how long an app or website may be used a day</extracomment>
        <translation>Tageslimit festlegen…</translation>
    </message>
    <message>
        <source>Change Daily Limit…</source>
        <translation>Tageslimit ändern…</translation>
    </message>
    <message>
        <source>Remove Daily Limit</source>
        <translation>Tageslimit entfernen</translation>
    </message>
</context>
<context>
    <name>Commands</name>
    <message>
        <source>cannot read the history in %1: %2</source>
        <extracomment>%1 is the history file, %2 what is wrong with it.</extracomment>
        <translation>der Verlauf in %1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>the file is damaged</source>
        <translation>die Datei ist beschädigt</translation>
    </message>
    <message>
        <source>it cannot be opened (locked or unreadable)</source>
        <translation>sie kann nicht geöffnet werden (gesperrt oder nicht lesbar)</translation>
    </message>
    <message>
        <source>Total</source>
        <comment>the last line of a report, below the items</comment>
        <translation>Gesamt</translation>
    </message>
    <message>
        <source>cannot write to standard output</source>
        <translation>in die Standardausgabe kann nicht geschrieben werden</translation>
    </message>
    <message>
        <source>cannot write %1</source>
        <comment>a file</comment>
        <translation>%1 kann nicht geschrieben werden</translation>
    </message>
    <message>
        <source>there is no history to back up yet</source>
        <translation>es gibt noch keinen Verlauf zum Sichern</translation>
    </message>
    <message>
        <source>(daily limit %1, over by %2)</source>
        <extracomment>Beside an item&apos;s time in a report; %1 is its daily limit, %2 how much it went over, such as &quot;12m&quot;.</extracomment>
        <translation>(Tageslimit %1, um %2 überschritten)</translation>
    </message>
    <message numerus="yes">
        <source>(daily limit %1, over on %n day(s))</source>
        <extracomment>Beside an item&apos;s time in a report of several days; %1 is its daily limit.</extracomment>
        <translation>
            <numerusform>(Tageslimit %1, an %n Tag überschritten)</numerusform>
            <numerusform>(Tageslimit %1, an %n Tagen überschritten)</numerusform>
        </translation>
    </message>
    <message>
        <source>(daily limit %1)</source>
        <extracomment>Beside an item&apos;s time in a report; %1 is its daily limit.</extracomment>
        <translation>(Tageslimit %1)</translation>
    </message>
</context>
<context>
    <name>ComputerSwitch</name>
    <message>
        <source>Computers</source>
        <translation>Computer</translation>
    </message>
</context>
<context>
    <name>DailyLimitDialog</name>
    <message>
        <source>Daily Limit</source>
        <extracomment>Title of the small window that sets how long an app or website may be used a day</extracomment>
        <translation>Tageslimit</translation>
    </message>
    <message>
        <source>How long may you use “%1” each day?</source>
        <extracomment>%1: an app&apos;s or website&apos;s name</extracomment>
        <translation>Wie lange möchten Sie „%1“ höchstens pro Tag nutzen?</translation>
    </message>
    <message>
        <source>Hours</source>
        <extracomment>Label of a number box; a count of hours</extracomment>
        <translation>Stunden</translation>
    </message>
    <message>
        <source>Minutes</source>
        <extracomment>Label of a number box; a count of minutes</extracomment>
        <translation>Minuten</translation>
    </message>
    <message>
        <source>Horavane tells you when the time is up. Nothing is blocked.</source>
        <translation>Horavane sagt Ihnen Bescheid, wenn die Zeit abgelaufen ist. Es wird nichts blockiert.</translation>
    </message>
</context>
<context>
    <name>DataTab</name>
    <message>
        <source>Save as CSV</source>
        <translation>Als CSV speichern</translation>
    </message>
    <message>
        <source>Comma-separated values (*.csv)</source>
        <extracomment>File type in the save dialog; &quot;(*.csv)&quot; stays as it is</extracomment>
        <translation>Kommagetrennte Werte (*.csv)</translation>
    </message>
    <message>
        <source>Backup</source>
        <translation>Sicherung</translation>
    </message>
    <message>
        <source>Last backup</source>
        <translation>Letzte Sicherung</translation>
    </message>
    <message>
        <source>Restore</source>
        <extracomment>Row label; its button lists the backups to restore from</extracomment>
        <translation>Wiederherstellen</translation>
    </message>
    <message>
        <source>Your Data</source>
        <translation>Ihre Daten</translation>
    </message>
    <message>
        <source>Save as CSV…</source>
        <translation>Als CSV speichern…</translation>
    </message>
    <message>
        <source>Export</source>
        <extracomment>Row label</extracomment>
        <translation>Export</translation>
    </message>
    <message>
        <source>Delete All…</source>
        <translation>Alles löschen…</translation>
    </message>
    <message>
        <source>History</source>
        <extracomment>Row label; the row&apos;s button deletes all of the recorded history</extracomment>
        <translation>Verlauf</translation>
    </message>
    <message>
        <source>Privacy</source>
        <translation>Datenschutz</translation>
    </message>
    <message>
        <source>Show Welcome Screen</source>
        <translation>Willkommensbildschirm anzeigen</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <extracomment>A backup of another computer. %1: the backup&apos;s date; %2: the computer&apos;s name</extracomment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>No Backups Yet</source>
        <translation>Noch keine Sicherungen</translation>
    </message>
    <message>
        <source>Choose a Backup</source>
        <translation>Sicherung auswählen</translation>
    </message>
    <message>
        <source>The file couldn&apos;t be saved there.</source>
        <translation>Die Datei konnte dort nicht gespeichert werden.</translation>
    </message>
    <message>
        <source>The history couldn&apos;t be read, so nothing was saved.</source>
        <translation>Der Verlauf konnte nicht gelesen werden, daher wurde nichts gespeichert.</translation>
    </message>
    <message>
        <source>History restored from %1.</source>
        <extracomment>%1: the backup&apos;s date, and its computer when it is another</extracomment>
        <translation>Verlauf aus der Sicherung vom %1 wiederhergestellt.</translation>
    </message>
    <message>
        <source>That backup couldn&apos;t be used. Your history was left as it was.</source>
        <translation>Diese Sicherung konnte nicht verwendet werden. Ihr Verlauf blieb unverändert.</translation>
    </message>
    <message>
        <source>Replace your history?</source>
        <translation>Ihren Verlauf ersetzen?</translation>
    </message>
    <message>
        <source>Everything recorded so far will be replaced with the backup from %1. This can&apos;t be undone.</source>
        <extracomment>%1: the backup&apos;s date, and its computer when it is another</extracomment>
        <translation>Alles bisher Aufgezeichnete wird durch die Sicherung vom %1 ersetzt. Dies kann nicht rückgängig gemacht werden.</translation>
    </message>
    <message>
        <source>Replace</source>
        <extracomment>Button that replaces the history with a backup</extracomment>
        <translation>Ersetzen</translation>
    </message>
    <message>
        <source>Delete all history?</source>
        <translation>Den gesamten Verlauf löschen?</translation>
    </message>
    <message>
        <source>Delete</source>
        <extracomment>Button that deletes all of the history</extracomment>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>The history couldn&apos;t be deleted: the file is in use by another program or can&apos;t be written.</source>
        <translation>Der Verlauf konnte nicht gelöscht werden: Die Datei wird von einem anderen Programm verwendet oder kann nicht geschrieben werden.</translation>
    </message>
</context>
<context>
    <name>DateLabels</name>
    <message>
        <source>Today</source>
        <comment>a day&apos;s name</comment>
        <translation>Heute</translation>
    </message>
    <message>
        <source>Yesterday</source>
        <comment>a day&apos;s name</comment>
        <translation>Gestern</translation>
    </message>
</context>
<context>
    <name>DesktopMain</name>
    <message>
        <source>cannot open a Wayland or X display; Horavane needs a desktop session (is WAYLAND_DISPLAY or DISPLAY set?)</source>
        <translation>es kann keine Wayland- oder X-Anzeige geöffnet werden; Horavane benötigt eine Desktop-Sitzung (ist WAYLAND_DISPLAY oder DISPLAY gesetzt?)</translation>
    </message>
    <message>
        <source>the display went away during start</source>
        <translation>die Anzeige ist während des Starts verschwunden</translation>
    </message>
    <message>
        <source>Horavane is already running.</source>
        <translation>Horavane läuft bereits.</translation>
    </message>
    <message>
        <source>Installed the extension in %1 and enabled it. GNOME Shell starts it when you log in: log out and back in.</source>
        <extracomment>%1 is a folder.</extracomment>
        <translation>Die Erweiterung wurde in %1 installiert und aktiviert. GNOME Shell startet sie bei der Anmeldung: Melden Sie sich ab und wieder an.</translation>
    </message>
    <message>
        <source>Installed the extension in %1 and enabled it: it runs now.</source>
        <extracomment>%1 is a folder.</extracomment>
        <translation>Die Erweiterung wurde in %1 installiert und aktiviert und läuft jetzt.</translation>
    </message>
</context>
<context>
    <name>DesktopModule</name>
    <message>
        <source>%1 has no entry</source>
        <extracomment>%1 is a file that lacks the function that starts it.</extracomment>
        <translation>%1 hat keinen Einstiegspunkt</translation>
    </message>
    <message>
        <source>%1 is missing</source>
        <extracomment>%1 is a file name.</extracomment>
        <translation>%1 fehlt</translation>
    </message>
    <message>
        <source>cannot load the desktop part: %1</source>
        <extracomment>%1 says what went wrong.</extracomment>
        <translation>der Desktop-Teil kann nicht geladen werden: %1</translation>
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
        <translation>weniger als eine Minute</translation>
    </message>
    <message numerus="yes">
        <source>%Ln minutes</source>
        <translation>
            <numerusform>%Ln Minute</numerusform>
            <numerusform>%Ln Minuten</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln hours</source>
        <translation>
            <numerusform>%Ln Stunde</numerusform>
            <numerusform>%Ln Stunden</numerusform>
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
        <translation>fehlgeschlagen: %1</translation>
    </message>
    <message>
        <source>%1; showing this computer only</source>
        <extracomment>%1 says why the other computers&apos; backups cannot be read.</extracomment>
        <translation>%1; nur dieser Computer wird angezeigt</translation>
    </message>
</context>
<context>
    <name>ExcludedList</name>
    <message>
        <source>Nothing is excluded.</source>
        <translation>Nichts ist ausgeschlossen.</translation>
    </message>
    <message>
        <source>Track Again</source>
        <translation>Wieder erfassen</translation>
    </message>
    <message>
        <source>Track %1 again</source>
        <extracomment>%1: an app&apos;s or website&apos;s name</extracomment>
        <translation>%1 wieder erfassen</translation>
    </message>
</context>
<context>
    <name>GeneralTab</name>
    <message>
        <source>Not Tracked</source>
        <translation>Nicht erfasst</translation>
    </message>
    <message>
        <source>To stop tracking an app or website, right-click it in the list or press the Menu key on it and choose Don’t Track, or choose it under Don’t Track in the options menu. Its time is hidden, and comes back if you track it again.</source>
        <translation>Um eine Anwendung oder Website nicht mehr zu erfassen, klicken Sie sie in der Liste mit der rechten Maustaste an (oder drücken Sie auf ihr die Menütaste) und wählen Sie „Nicht erfassen“, oder wählen Sie sie im Optionsmenü unter „Nicht erfassen“. Ihre Zeit wird ausgeblendet und erscheint wieder, wenn Sie sie erneut erfassen.</translation>
    </message>
    <message>
        <source>Open at Login</source>
        <translation>Bei der Anmeldung öffnen</translation>
    </message>
    <message>
        <source>Show Time in Menu Bar</source>
        <extracomment>The panel&apos;s tray area, where Horavane&apos;s ring sits</extracomment>
        <translation>Zeit in der Leiste anzeigen</translation>
    </message>
    <message>
        <source>Stop counting after</source>
        <extracomment>Followed by a choice such as &quot;5 minutes idle&quot;</extracomment>
        <translation>Zählung anhalten nach</translation>
    </message>
    <message>
        <source>Coloured Slices</source>
        <extracomment>How many slices of the ring get a colour of their own</extracomment>
        <translation>Farbige Segmente</translation>
    </message>
    <message>
        <source>Preview</source>
        <extracomment>Label of a picture of the ring and the menu bar icon in the chosen colours</extracomment>
        <translation>Vorschau</translation>
    </message>
    <message>
        <source>How many apps and websites get a slice and colour of their own. The rest share grey. The ring in the menu bar follows the same number, as far as it has room. This is also in the ••• menu.</source>
        <extracomment>&quot;•••&quot; is the options menu&apos;s button in the today window</extracomment>
        <translation>Wie viele Anwendungen und Websites ein eigenes Segment und eine eigene Farbe erhalten. Der Rest teilt sich Grau. Der Ring in der Leiste folgt derselben Anzahl, soweit er Platz hat. Dies finden Sie auch im Menü •••.</translation>
    </message>
    <message>
        <source>Updates</source>
        <translation>Aktualisierungen</translation>
    </message>
    <message>
        <source>Check for Updates…</source>
        <translation>Nach Aktualisierungen suchen…</translation>
    </message>
    <message>
        <source>Open Download Page…</source>
        <translation>Download-Seite öffnen…</translation>
    </message>
    <message>
        <source>Get the new version</source>
        <translation>Neue Version herunterladen</translation>
    </message>
    <message>
        <source>This is the only time Horavane goes online, and only when you click the button. It asks %1 for the latest version number. Nothing about you or what you use is sent.</source>
        <extracomment>%1: the web site asked, such as &quot;horavane.app&quot;</extracomment>
        <translation>Nur hierfür geht Horavane online, und nur, wenn Sie auf den Knopf klicken. Es fragt %1 nach der neuesten Versionsnummer. Nichts über Sie oder Ihre Nutzung wird gesendet.</translation>
    </message>
    <message>
        <source>Idle means no keyboard or mouse activity. Time keeps counting while the app in front is playing video.</source>
        <translation>Inaktiv bedeutet: keine Tastatur- oder Mausaktivität. Die Zeit zählt weiter, solange die Anwendung im Vordergrund ein Video abspielt.</translation>
    </message>
    <message>
        <source>Your panel shows no text beside its items, so today&apos;s time is in the tooltip of Horavane&apos;s item. Idle means no keyboard or mouse activity. Time keeps counting while the app in front is playing video.</source>
        <translation>Ihre Leiste zeigt keinen Text neben ihren Symbolen, daher steht die heutige Zeit in der Kurzinfo des Horavane-Symbols. Inaktiv bedeutet: keine Tastatur- oder Mausaktivität. Die Zeit zählt weiter, solange die Anwendung im Vordergrund ein Video abspielt.</translation>
    </message>
</context>
<context>
    <name>GnomeExtension</name>
    <message>
        <source>cannot tell which version of GNOME Shell runs here</source>
        <translation>die laufende Version von GNOME Shell kann nicht ermittelt werden</translation>
    </message>
    <message>
        <source>the extension runs on GNOME Shell %1 to %2, and this is GNOME Shell %3</source>
        <extracomment>%1 to %2 are the GNOME Shell versions the extension runs on, %3 the one running.</extracomment>
        <translation>die Erweiterung läuft unter GNOME Shell %1 bis %2, hier läuft aber GNOME Shell %3</translation>
    </message>
    <message>
        <source>cannot create %1</source>
        <comment>a folder</comment>
        <translation>%1 kann nicht erstellt werden</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <extracomment>%1 is a file, %2 what went wrong.</extracomment>
        <translation>%1 kann nicht geschrieben werden: %2</translation>
    </message>
</context>
<context>
    <name>GnomeGuide</name>
    <message>
        <source>Horavane&apos;s GNOME Shell extension runs on GNOME %1 to %2, and this is GNOME %3, so Horavane records nothing here. A newer version of Horavane may support it.</source>
        <extracomment>%1 to %2 are the GNOME versions the extension runs on, %3 the one running.</extracomment>
        <translation>Die GNOME-Shell-Erweiterung von Horavane läuft unter GNOME %1 bis %2, dies ist aber GNOME %3. Daher zeichnet Horavane hier nichts auf. Eine neuere Version von Horavane unterstützt diese GNOME-Version vielleicht.</translation>
    </message>
    <message>
        <source>Horavane needs its GNOME Shell extension to see which application is in front, and records nothing until the extension runs. Enable it, then log out and back in.</source>
        <translation>Horavane benötigt seine GNOME-Shell-Erweiterung, um zu sehen, welche Anwendung im Vordergrund ist, und zeichnet nichts auf, bis die Erweiterung läuft. Aktivieren Sie sie und melden Sie sich dann ab und wieder an.</translation>
    </message>
    <message>
        <source>Enable Extension…</source>
        <extracomment>A button below the notice.</extracomment>
        <translation>Erweiterung aktivieren…</translation>
    </message>
    <message>
        <source>Horavane&apos;s GNOME Shell extension is enabled. GNOME Shell starts it when you log in: log out and back in, and recording starts.</source>
        <translation>Die GNOME-Shell-Erweiterung von Horavane ist aktiviert. GNOME Shell startet sie bei der Anmeldung: Melden Sie sich ab und wieder an, dann beginnt die Aufzeichnung.</translation>
    </message>
    <message>
        <source>Horavane&apos;s GNOME Shell extension is turned off, so Horavane records nothing. Turn it on to start recording.</source>
        <translation>Die GNOME-Shell-Erweiterung von Horavane ist ausgeschaltet, daher zeichnet Horavane nichts auf. Schalten Sie sie ein, um die Aufzeichnung zu starten.</translation>
    </message>
    <message>
        <source>Turn On Extension</source>
        <extracomment>A button below the notice.</extracomment>
        <translation>Erweiterung einschalten</translation>
    </message>
    <message>
        <source>GNOME Shell finds the installed copy of Horavane&apos;s extension out of date, so Horavane records nothing. Update it, then log out and back in.</source>
        <translation>GNOME Shell hält die installierte Erweiterung von Horavane für veraltet, daher zeichnet Horavane nichts auf. Aktualisieren Sie sie und melden Sie sich dann ab und wieder an.</translation>
    </message>
    <message>
        <source>Update Extension</source>
        <extracomment>A button below the notice.</extracomment>
        <translation>Erweiterung aktualisieren</translation>
    </message>
    <message>
        <source>GNOME Shell could not start Horavane&apos;s extension (%1), so Horavane records nothing. Log out and back in to try again.</source>
        <extracomment>%1 is GNOME Shell&apos;s own reason, or &quot;no reason given&quot;.</extracomment>
        <translation>GNOME Shell konnte die Erweiterung von Horavane nicht starten (%1), daher zeichnet Horavane nichts auf. Melden Sie sich ab und wieder an, um es erneut zu versuchen.</translation>
    </message>
    <message>
        <source>no reason given</source>
        <translation>kein Grund angegeben</translation>
    </message>
    <message>
        <source>Enable Horavane&apos;s GNOME Shell extension?

It tells Horavane which application is in front (never a window&apos;s title). GNOME Shell starts it when you log in, so log out and back in afterwards.</source>
        <translation>GNOME-Shell-Erweiterung von Horavane aktivieren?

Sie teilt Horavane mit, welche Anwendung im Vordergrund ist (niemals einen Fenstertitel). GNOME Shell startet sie bei der Anmeldung; melden Sie sich daher anschließend ab und wieder an.</translation>
    </message>
    <message>
        <source>Horavane could not enable its GNOME Shell extension: %1</source>
        <extracomment>%1 says what went wrong.</extracomment>
        <translation>Horavane konnte seine GNOME-Shell-Erweiterung nicht aktivieren: %1</translation>
    </message>
</context>
<context>
    <name>Headline</name>
    <message>
        <source>Daily Average</source>
        <translation>Tagesdurchschnitt</translation>
    </message>
    <message>
        <source>Show All Days</source>
        <translation>Alle Tage anzeigen</translation>
    </message>
</context>
<context>
    <name>HistoryFileNotice</name>
    <message>
        <source>Horavane can&apos;t open its history file right now, so the time it records is kept in memory. It is written to the file as soon as the file opens.</source>
        <translation>Horavane kann seine Verlaufsdatei gerade nicht öffnen, daher wird die aufgezeichnete Zeit im Speicher gehalten. Sie wird in die Datei geschrieben, sobald sich diese wieder öffnen lässt.</translation>
    </message>
    <message>
        <source>The history file was damaged, so Horavane started a new one. The old file was kept as %1.</source>
        <extracomment>%1 is the path of the damaged file&apos;s copy</extracomment>
        <translation>Die Verlaufsdatei war beschädigt, daher hat Horavane eine neue angelegt. Die alte Datei wurde als %1 aufbewahrt.</translation>
    </message>
</context>
<context>
    <name>HistoryView</name>
    <message>
        <source>Today</source>
        <comment>period</comment>
        <translation>Heute</translation>
    </message>
    <message>
        <source>Yesterday</source>
        <comment>period</comment>
        <translation>Gestern</translation>
    </message>
    <message numerus="yes">
        <source>Last %Ln Days</source>
        <translation>
            <numerusform>Letzter %Ln Tag</numerusform>
            <numerusform>Letzte %Ln Tage</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>HoravaneWindows</name>
    <message>
        <source>Horavane — Today</source>
        <extracomment>The title of the small window that opens from the tray, in task lists and for screen readers.</extracomment>
        <translation>Horavane — Heute</translation>
    </message>
    <message>
        <source>Horavane — History</source>
        <translation>Horavane — Verlauf</translation>
    </message>
    <message>
        <source>Welcome to Horavane</source>
        <translation>Willkommen bei Horavane</translation>
    </message>
    <message>
        <source>Horavane Settings</source>
        <translation>Horavane-Einstellungen</translation>
    </message>
</context>
<context>
    <name>ItemList</name>
    <message>
        <source>Apps and websites</source>
        <translation>Anwendungen und Websites</translation>
    </message>
    <message>
        <source>Don’t Track “%1”</source>
        <extracomment>A row&apos;s menu entry; %1 is the app&apos;s or website&apos;s name</extracomment>
        <translation>„%1“ nicht erfassen</translation>
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
        <translation>%1 von %2</translation>
    </message>
    <message numerus="yes">
        <source>%1, %n day(s) over</source>
        <extracomment>A row&apos;s time over several days, then on how many of them it passed the item&apos;s daily limit</extracomment>
        <translation>
            <numerusform>%1, %n Tag über Limit</numerusform>
            <numerusform>%1, %n Tage über Limit</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, %2, over its daily limit of %3</source>
        <extracomment>A row for a screen reader: name, time, then the daily limit the time has passed</extracomment>
        <translation>%1, %2, über dem Tageslimit von %3</translation>
    </message>
    <message>
        <source>%1, %2 of its daily limit of %3</source>
        <extracomment>A row for a screen reader: name, time, then the item&apos;s daily limit</extracomment>
        <translation>%1, %2 des Tageslimits von %3</translation>
    </message>
    <message numerus="yes">
        <source>%1, %2, over its daily limit of %3 on %n day(s)</source>
        <extracomment>A row for a screen reader: name, time over several days, the daily limit and on how many days it passed it</extracomment>
        <translation>
            <numerusform>%1, %2, an %n Tag über dem Tageslimit von %3</numerusform>
            <numerusform>%1, %2, an %n Tagen über dem Tageslimit von %3</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, %2, within its daily limit of %3 every day</source>
        <extracomment>A row for a screen reader: name, time over several days, then the daily limit it kept to on each of them</extracomment>
        <translation>%1, %2, an jedem Tag innerhalb des Tageslimits von %3</translation>
    </message>
</context>
<context>
    <name>LimitWatch</name>
    <message>
        <source>Daily limit reached for %1</source>
        <extracomment>The title of a notification; %1 is an application or website.</extracomment>
        <translation>Tageslimit für %1 erreicht</translation>
    </message>
    <message numerus="yes">
        <source>%n minute(s) left for %1</source>
        <extracomment>The title of a notification; %1 is an application or website.</extracomment>
        <translation>
            <numerusform>Noch %n Minute für %1</numerusform>
            <numerusform>Noch %n Minuten für %1</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 today on all your computers, of a daily limit of %2.</source>
        <extracomment>%1 is the time used today, such as &quot;55m&quot;; %2 the daily limit, such as &quot;1h&quot;.</extracomment>
        <translation>Heute %1 auf all Ihren Computern, bei einem Tageslimit von %2.</translation>
    </message>
    <message>
        <source>%1 today, of a daily limit of %2.</source>
        <extracomment>%1 is the time used today, such as &quot;55m&quot;; %2 the daily limit, such as &quot;1h&quot;.</extracomment>
        <translation>Heute %1, bei einem Tageslimit von %2.</translation>
    </message>
    <message>
        <source>Show Today</source>
        <extracomment>The action of a notification: opens the small window with today&apos;s time.</extracomment>
        <translation>Heute anzeigen</translation>
    </message>
</context>
<context>
    <name>LimitsSection</name>
    <message>
        <source>Limits</source>
        <translation>Limits</translation>
    </message>
    <message>
        <source>No app or website has a daily limit.</source>
        <translation>Für keine Anwendung und keine Website ist ein Tageslimit festgelegt.</translation>
    </message>
    <message>
        <source>Warn 5 minutes before</source>
        <extracomment>A choice: also tell the user 5 minutes before an app or website reaches its daily limit</extracomment>
        <translation>5 Minuten vorher warnen</translation>
    </message>
    <message>
        <source>Count time on all my computers</source>
        <extracomment>A choice: limits add up the time on the user&apos;s other computers, read from the backup folder</extracomment>
        <translation>Zeit auf allen meinen Computern zählen</translation>
    </message>
    <message>
        <source>Remind me to take breaks</source>
        <translation>An Pausen erinnern</translation>
    </message>
    <message>
        <source>Suggest a break after</source>
        <extracomment>Followed by a duration such as &quot;50 minutes&quot;: how long the user is present before a break is suggested</extracomment>
        <translation>Pause vorschlagen nach</translation>
    </message>
    <message>
        <source>A break is a pause of</source>
        <extracomment>Followed by a duration such as &quot;5 minutes&quot;: how long away from the computer counts as a break</extracomment>
        <translation>Als Pause gilt eine Abwesenheit von</translation>
    </message>
    <message>
        <source>To set a limit, right-click an app or website in the list or press the Menu key on it and choose Set Daily Limit. Horavane tells you when the time is up, and once more five minutes before if you like. Nothing is blocked. Time on your other computers is read from their copies in the backup folder.</source>
        <translation>Um ein Limit festzulegen, klicken Sie eine Anwendung oder Website in der Liste mit der rechten Maustaste an (oder drücken Sie auf ihr die Menütaste) und wählen Sie „Tageslimit festlegen“. Horavane sagt Ihnen Bescheid, wenn die Zeit abgelaufen ist, und auf Wunsch schon fünf Minuten vorher. Es wird nichts blockiert. Die Zeit auf Ihren anderen Computern wird aus deren Kopien im Sicherungsordner gelesen.</translation>
    </message>
    <message>
        <source>Daily limit of %1: %2</source>
        <extracomment>A button showing an item&apos;s daily limit, which opens the window to change it; %1: name, %2: the limit in words</extracomment>
        <translation>Tageslimit für %1: %2</translation>
    </message>
    <message>
        <source>Remove</source>
        <extracomment>Takes an app&apos;s or website&apos;s daily limit away</extracomment>
        <translation>Entfernen</translation>
    </message>
    <message>
        <source>Remove the daily limit of %1</source>
        <extracomment>%1: an app&apos;s or website&apos;s name</extracomment>
        <translation>Tageslimit für %1 entfernen</translation>
    </message>
</context>
<context>
    <name>LinuxPlatform</name>
    <message>
        <source>Horavane can&apos;t see which application is in front on this desktop, so it records nothing. It works on GNOME, on KDE Plasma, on wlroots desktops such as sway, and on X11.</source>
        <translation>Horavane kann in dieser Arbeitsumgebung nicht erkennen, welche Anwendung im Vordergrund ist, und zeichnet daher nichts auf. Es funktioniert unter GNOME, KDE Plasma, wlroots-Arbeitsumgebungen wie sway und unter X11.</translation>
    </message>
</context>
<context>
    <name>LinuxSystemEvents</name>
    <message>
        <source>Saving recorded time</source>
        <extracomment>Why Horavane holds sleep back for a moment, as the system&apos;s tools list it.</extracomment>
        <translation>Aufgezeichnete Zeit wird gespeichert</translation>
    </message>
</context>
<context>
    <name>OptionsMenu</name>
    <message>
        <source>Show Time in Menu Bar</source>
        <extracomment>Shows today&apos;s time beside the program&apos;s icon in the panel&apos;s tray</extracomment>
        <translation>Zeit in der Leiste anzeigen</translation>
    </message>
    <message>
        <source>Open at Login</source>
        <translation>Bei der Anmeldung öffnen</translation>
    </message>
    <message>
        <source>Coloured Slices</source>
        <extracomment>A submenu choosing how many items get a colour of their own in the ring and the chart</extracomment>
        <translation>Farbige Segmente</translation>
    </message>
    <message>
        <source>Don’t Track</source>
        <extracomment>A submenu listing today&apos;s apps and websites; choosing one stops recording its time</extracomment>
        <translation>Nicht erfassen</translation>
    </message>
    <message>
        <source>Check for Updates…</source>
        <translation>Nach Aktualisierungen suchen…</translation>
    </message>
</context>
<context>
    <name>PeriodPicker</name>
    <message numerus="yes">
        <source>%Ln Days</source>
        <extracomment>One of two choices in a narrow segmented control</extracomment>
        <translation>
            <numerusform>%Ln Tag</numerusform>
            <numerusform>%Ln Tage</numerusform>
        </translation>
    </message>
    <message>
        <source>Period</source>
        <translation>Zeitraum</translation>
    </message>
</context>
<context>
    <name>PermissionNotice</name>
    <message>
        <source>Horavane can&apos;t see which websites you visit in %1 yet. %1 can only be asked through Accessibility, which Horavane uses just to read the address of the page in front.</source>
        <extracomment>%1 is a web browser&apos;s name, such as Firefox</extracomment>
        <translation>Horavane kann noch nicht sehen, welche Websites Sie in %1 besuchen. %1 lässt sich nur über die Barrierefreiheit abfragen, die Horavane ausschließlich zum Lesen der Adresse der Seite im Vordergrund nutzt.</translation>
    </message>
    <message>
        <source>Horavane can&apos;t see which websites you visit in %1 yet.</source>
        <extracomment>%1 is a web browser&apos;s name, such as Firefox</extracomment>
        <translation>Horavane kann noch nicht sehen, welche Websites Sie in %1 besuchen.</translation>
    </message>
</context>
<context>
    <name>PlatformTexts</name>
    <message>
        <source>Back Up to a Folder</source>
        <translation>In einen Ordner sichern</translation>
    </message>
    <message>
        <source>Choose a backup folder to turn this on.</source>
        <translation>Zuerst einen Ordner wählen.</translation>
    </message>
    <message>
        <source>Backup folder</source>
        <translation>Sicherungsordner</translation>
    </message>
    <message>
        <source>Choose…</source>
        <extracomment>Button that opens a folder picker, shown while no backup folder is chosen</extracomment>
        <translation>Auswählen…</translation>
    </message>
    <message>
        <source>Other Folder…</source>
        <translation>Anderer Ordner…</translation>
    </message>
    <message>
        <source>A copy of your history is saved once a day to a Horavane folder in the backup folder, and the last seven are kept for each computer. Your sync tool does the uploading; Horavane itself sends nothing.</source>
        <translation>Einmal täglich wird eine Kopie Ihres Verlaufs in einem Horavane-Ordner im Sicherungsordner gespeichert; die letzten sieben werden für jeden Computer aufbewahrt. Das Hochladen übernimmt Ihr Synchronisierungsprogramm, Horavane selbst sendet nichts.</translation>
    </message>
    <message>
        <source>That backup couldn&apos;t be read from the backup folder.</source>
        <translation>Diese Sicherung konnte nicht aus dem Sicherungsordner gelesen werden.</translation>
    </message>
    <message>
        <source>What Horavane records stays in a file on this computer, plus the backup folder if you turn that on. Horavane goes online for one thing only: when you click Check for Updates.</source>
        <translation>Was Horavane aufzeichnet, bleibt in einer Datei auf diesem Computer – und im Sicherungsordner, falls Sie die Sicherung einschalten. Horavane geht nur in einem Fall online: wenn Sie auf „Nach Aktualisierungen suchen“ klicken.</translation>
    </message>
    <message>
        <source>Every day Horavane has recorded on this computer will be removed. Backups in the backup folder are not touched. This can&apos;t be undone.</source>
        <translation>Alle Tage, die Horavane auf diesem Computer aufgezeichnet hat, werden entfernt. Sicherungen im Sicherungsordner bleiben unberührt. Dies kann nicht rückgängig gemacht werden.</translation>
    </message>
    <message>
        <source>See where your time on this computer goes, app by app and site by site.</source>
        <translation>Sehen Sie, wofür Sie Ihre Zeit an diesem Computer verwenden – Anwendung für Anwendung, Website für Website.</translation>
    </message>
    <message>
        <source>To know which site you&apos;re on, Horavane asks your browser for the address of the page in front. You allow that once per browser. Nothing else about the page is read.</source>
        <translation>Um zu wissen, auf welcher Website Sie sind, fragt Horavane Ihren Browser nach der Adresse der Seite im Vordergrund. Sie erlauben das einmal pro Browser. Sonst wird nichts von der Seite gelesen.</translation>
    </message>
    <message>
        <source>Firefox and browsers built on it can only be asked through the desktop&apos;s accessibility switch, which you turn on for your session. Horavane uses it just to read that address.</source>
        <translation>Firefox und darauf basierende Browser lassen sich nur über den Barrierefreiheitsschalter der Arbeitsumgebung abfragen, den Sie für Ihre Sitzung einschalten. Horavane nutzt ihn nur, um diese Adresse zu lesen.</translation>
    </message>
    <message>
        <source>It stays on your computer</source>
        <translation>Alles bleibt auf Ihrem Computer</translation>
    </message>
    <message>
        <source>Your history is a file on this computer, and you can export or delete it in Settings. Horavane never goes online unless you ask it to check for updates.</source>
        <translation>Ihr Verlauf ist eine Datei auf diesem Computer, die Sie in den Einstellungen exportieren oder löschen können. Horavane geht nie online, es sei denn, Sie lassen nach Aktualisierungen suchen.</translation>
    </message>
    <message>
        <source>Open Accessibility Settings…</source>
        <translation>Barrierefreiheit-Einstellungen öffnen…</translation>
    </message>
    <message>
        <source>Set Up Browser Access…</source>
        <translation>Browserzugriff einrichten…</translation>
    </message>
    <message>
        <source>This Computer</source>
        <extracomment>The computer Horavane runs on, among the computers of a shared backup folder</extracomment>
        <translation>Dieser Computer</translation>
    </message>
    <message>
        <source>All Computers</source>
        <extracomment>The history of every computer of a shared backup folder together</extracomment>
        <translation>Alle Computer</translation>
    </message>
</context>
<context>
    <name>PopoverView</name>
    <message>
        <source>Today</source>
        <comment>title of the today window</comment>
        <translation>Heute</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Optionen</translation>
    </message>
</context>
<context>
    <name>Preview</name>
    <message>
        <source>Menu bar ring at each setting</source>
        <extracomment>The title of a sheet showing the tray ring with each number of colours.</extracomment>
        <translation>Ring in der Leiste bei jeder Einstellung</translation>
    </message>
    <message>
        <source>cannot save %1</source>
        <translation>%1 kann nicht gespeichert werden</translation>
    </message>
</context>
<context>
    <name>RingView</name>
    <message>
        <source>Time by app and website</source>
        <translation>Zeit nach Anwendung und Website</translation>
    </message>
    <message>
        <source>Total</source>
        <extracomment>Under the time in the ring&apos;s centre, which is narrow</extracomment>
        <translation>Gesamt</translation>
    </message>
    <message>
        <source>No activity</source>
        <translation>Keine Aktivität</translation>
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
        <translation>%1, %2, über dem Tageslimit</translation>
    </message>
</context>
<context>
    <name>SettingsTexts</name>
    <message numerus="yes">
        <source>%Ln minutes idle</source>
        <extracomment>A choice of &quot;Stop counting after&quot;</extracomment>
        <translation>
            <numerusform>%Ln Minute Inaktivität</numerusform>
            <numerusform>%Ln Minuten Inaktivität</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln Years Ago</source>
        <translation>
            <numerusform>Vor %Ln Jahr</numerusform>
            <numerusform>Vor %Ln Jahren</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>In %Ln Years</source>
        <translation>
            <numerusform>In %Ln Jahr</numerusform>
            <numerusform>In %Ln Jahren</numerusform>
        </translation>
    </message>
    <message>
        <source>Last Year</source>
        <translation>Letztes Jahr</translation>
    </message>
    <message>
        <source>Next Year</source>
        <translation>Nächstes Jahr</translation>
    </message>
    <message numerus="yes">
        <source>%Ln Months Ago</source>
        <translation>
            <numerusform>Vor %Ln Monat</numerusform>
            <numerusform>Vor %Ln Monaten</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>In %Ln Months</source>
        <translation>
            <numerusform>In %Ln Monat</numerusform>
            <numerusform>In %Ln Monaten</numerusform>
        </translation>
    </message>
    <message>
        <source>Last Month</source>
        <translation>Letzten Monat</translation>
    </message>
    <message>
        <source>Next Month</source>
        <translation>Nächsten Monat</translation>
    </message>
    <message numerus="yes">
        <source>%Ln Weeks Ago</source>
        <translation>
            <numerusform>Vor %Ln Woche</numerusform>
            <numerusform>Vor %Ln Wochen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>In %Ln Weeks</source>
        <translation>
            <numerusform>In %Ln Woche</numerusform>
            <numerusform>In %Ln Wochen</numerusform>
        </translation>
    </message>
    <message>
        <source>Last Week</source>
        <translation>Letzte Woche</translation>
    </message>
    <message>
        <source>Next Week</source>
        <translation>Nächste Woche</translation>
    </message>
    <message numerus="yes">
        <source>%Ln Days Ago</source>
        <translation>
            <numerusform>Vor %Ln Tag</numerusform>
            <numerusform>Vor %Ln Tagen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>In %Ln Days</source>
        <translation>
            <numerusform>In %Ln Tag</numerusform>
            <numerusform>In %Ln Tagen</numerusform>
        </translation>
    </message>
    <message>
        <source>Yesterday</source>
        <translation>Gestern</translation>
    </message>
    <message>
        <source>Tomorrow</source>
        <translation>Morgen</translation>
    </message>
    <message numerus="yes">
        <source>%Ln Hours Ago</source>
        <translation>
            <numerusform>Vor %Ln Stunde</numerusform>
            <numerusform>Vor %Ln Stunden</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>In %Ln Hours</source>
        <translation>
            <numerusform>In %Ln Stunde</numerusform>
            <numerusform>In %Ln Stunden</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln Minutes Ago</source>
        <translation>
            <numerusform>Vor %Ln Minute</numerusform>
            <numerusform>Vor %Ln Minuten</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>In %Ln Minutes</source>
        <translation>
            <numerusform>In %Ln Minute</numerusform>
            <numerusform>In %Ln Minuten</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln Seconds Ago</source>
        <translation>
            <numerusform>Vor %Ln Sekunde</numerusform>
            <numerusform>Vor %Ln Sekunden</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>In %Ln Seconds</source>
        <translation>
            <numerusform>In %Ln Sekunde</numerusform>
            <numerusform>In %Ln Sekunden</numerusform>
        </translation>
    </message>
    <message>
        <source>Now</source>
        <extracomment>A moment ago, as the last backup&apos;s time</extracomment>
        <translation>Gerade eben</translation>
    </message>
    <message>
        <source>Not yet</source>
        <extracomment>The last backup&apos;s time when there has been none</extracomment>
        <translation>Noch nie</translation>
    </message>
    <message>
        <source>%1 at %2</source>
        <extracomment>The last backup&apos;s time. %1: a day or time span such as &quot;Yesterday&quot; or &quot;3 Hours Ago&quot;; %2: a time of day</extracomment>
        <translation>%1 um %2</translation>
    </message>
</context>
<context>
    <name>SettingsView</name>
    <message>
        <source>General</source>
        <extracomment>Settings tab</extracomment>
        <translation>Allgemein</translation>
    </message>
    <message>
        <source>Data</source>
        <extracomment>Settings tab: backup, export and deletion of the history</extracomment>
        <translation>Daten</translation>
    </message>
</context>
<context>
    <name>ShellSettings</name>
    <message>
        <source>GNOME Shell&apos;s settings are not installed</source>
        <translation>die Einstellungen von GNOME Shell sind nicht installiert</translation>
    </message>
    <message>
        <source>no settings store is running (dconf)</source>
        <translation>es läuft kein Einstellungsspeicher (dconf)</translation>
    </message>
    <message>
        <source>GNOME Shell&apos;s settings cannot be changed</source>
        <translation>die Einstellungen von GNOME Shell können nicht geändert werden</translation>
    </message>
</context>
<context>
    <name>Slice</name>
    <message>
        <source>Everything else</source>
        <extracomment>The ring&apos;s and the chart&apos;s grey slice: the time of all items without a colour of their own</extracomment>
        <translation>Alles andere</translation>
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
        <translation>Wird geprüft…</translation>
    </message>
    <message>
        <source>%1 is the latest version.</source>
        <extracomment>%1: Horavane and its version, such as &quot;Horavane 1.4&quot;</extracomment>
        <translation>%1 ist die neueste Version.</translation>
    </message>
    <message>
        <source>Version %1 is available.</source>
        <extracomment>%1: a version number, such as &quot;1.5&quot;</extracomment>
        <translation>Version %1 ist verfügbar.</translation>
    </message>
    <message>
        <source>Couldn&apos;t check. Try again when you&apos;re online.</source>
        <translation>Die Prüfung ist fehlgeschlagen. Versuchen Sie es erneut, wenn Sie online sind.</translation>
    </message>
</context>
<context>
    <name>WelcomeView</name>
    <message>
        <source>Welcome to Horavane</source>
        <translation>Willkommen bei Horavane</translation>
    </message>
    <message>
        <source>It lives in your menu bar</source>
        <translation>Zu Hause in Ihrer Leiste</translation>
    </message>
    <message>
        <source>Click the ring at the top of your screen to see today.</source>
        <translation>Klicken Sie auf den Ring oben auf dem Bildschirm, um den heutigen Tag zu sehen.</translation>
    </message>
    <message>
        <source>Websites count on their own</source>
        <translation>Websites zählen für sich</translation>
    </message>
    <message>
        <source>Open Horavane when I log in</source>
        <translation>Horavane bei meiner Anmeldung öffnen</translation>
    </message>
    <message>
        <source>Get Started</source>
        <translation>Los geht’s</translation>
    </message>
</context>
<context>
    <name>WriteFailure</name>
    <message>
        <source>Horavane couldn&apos;t save that change.</source>
        <translation>Horavane konnte diese Änderung nicht speichern.</translation>
    </message>
    <message>
        <source>The history file is in use by another program or can&apos;t be written, so nothing was changed. Try again in a moment.</source>
        <translation>Die Verlaufsdatei wird von einem anderen Programm verwendet oder kann nicht geschrieben werden, daher wurde nichts geändert. Versuchen Sie es gleich noch einmal.</translation>
    </message>
</context>
<context>
    <name>XdgAutostart</name>
    <message>
        <source>cannot create %1</source>
        <comment>a folder</comment>
        <translation>%1 kann nicht erstellt werden</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <extracomment>%1 is a file, %2 what went wrong.</extracomment>
        <translation>%1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>cannot remove %1: %2</source>
        <extracomment>%1 is a file, %2 what went wrong.</extracomment>
        <translation>%1 kann nicht entfernt werden: %2</translation>
    </message>
</context>
</TS>
