<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>BreakReminder</name>
    <message numerus="yes">
        <source>You have been at the computer for %n minute(s) without a pause.</source>
        <translation>
            <numerusform>You have been at the computer for %n minute without a pause.</numerusform>
            <numerusform>You have been at the computer for %n minutes without a pause.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ChartColorsPreview</name>
    <message numerus="yes">
        <source>Chart with %Ln colours</source>
        <translation>
            <numerusform>Chart with %Ln colour</numerusform>
            <numerusform>Chart with %Ln colours</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Menu bar icon with %Ln colours</source>
        <translation>
            <numerusform>Menu bar icon with %Ln colour</numerusform>
            <numerusform>Menu bar icon with %Ln colours</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Commands</name>
    <message numerus="yes">
        <source>(daily limit %1, over on %n day(s))</source>
        <extracomment>Beside an item&apos;s time in a report of several days; %1 is its daily limit.</extracomment>
        <translation>
            <numerusform>(daily limit %1, over on %n day)</numerusform>
            <numerusform>(daily limit %1, over on %n days)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>DurationText</name>
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
            <numerusform>%Ln hour</numerusform>
            <numerusform>%Ln hours</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>HistoryView</name>
    <message numerus="yes">
        <source>Last %Ln Days</source>
        <translation>
            <numerusform>Last %Ln Day</numerusform>
            <numerusform>Last %Ln Days</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ItemRow</name>
    <message numerus="yes">
        <source>%1, %n day(s) over</source>
        <extracomment>A row&apos;s time over several days, then on how many of them it passed the item&apos;s daily limit</extracomment>
        <translation>
            <numerusform>%1, %n day over</numerusform>
            <numerusform>%1, %n days over</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1, %2, over its daily limit of %3 on %n day(s)</source>
        <extracomment>A row for a screen reader: name, time over several days, the daily limit and on how many days it passed it</extracomment>
        <translation>
            <numerusform>%1, %2, over its daily limit of %3 on %n day</numerusform>
            <numerusform>%1, %2, over its daily limit of %3 on %n days</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>LimitWatch</name>
    <message numerus="yes">
        <source>%n minute(s) left for %1</source>
        <extracomment>The title of a notification; %1 is an application or website.</extracomment>
        <translation>
            <numerusform>%n minute left for %1</numerusform>
            <numerusform>%n minutes left for %1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>PeriodPicker</name>
    <message numerus="yes">
        <source>%Ln Days</source>
        <extracomment>One of two choices in a narrow segmented control</extracomment>
        <translation>
            <numerusform>%Ln Day</numerusform>
            <numerusform>%Ln Days</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SettingsTexts</name>
    <message numerus="yes">
        <source>%Ln minutes idle</source>
        <extracomment>A choice of &quot;Stop counting after&quot;</extracomment>
        <translation>
            <numerusform>%Ln minute idle</numerusform>
            <numerusform>%Ln minutes idle</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln Years Ago</source>
        <translation>
            <numerusform>%Ln Year Ago</numerusform>
            <numerusform>%Ln Years Ago</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>In %Ln Years</source>
        <translation>
            <numerusform>In %Ln Year</numerusform>
            <numerusform>In %Ln Years</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln Months Ago</source>
        <translation>
            <numerusform>%Ln Month Ago</numerusform>
            <numerusform>%Ln Months Ago</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>In %Ln Months</source>
        <translation>
            <numerusform>In %Ln Month</numerusform>
            <numerusform>In %Ln Months</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln Weeks Ago</source>
        <translation>
            <numerusform>%Ln Week Ago</numerusform>
            <numerusform>%Ln Weeks Ago</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>In %Ln Weeks</source>
        <translation>
            <numerusform>In %Ln Week</numerusform>
            <numerusform>In %Ln Weeks</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln Days Ago</source>
        <translation>
            <numerusform>%Ln Day Ago</numerusform>
            <numerusform>%Ln Days Ago</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>In %Ln Days</source>
        <translation>
            <numerusform>In %Ln Day</numerusform>
            <numerusform>In %Ln Days</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln Hours Ago</source>
        <translation>
            <numerusform>%Ln Hour Ago</numerusform>
            <numerusform>%Ln Hours Ago</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>In %Ln Hours</source>
        <translation>
            <numerusform>In %Ln Hour</numerusform>
            <numerusform>In %Ln Hours</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln Minutes Ago</source>
        <translation>
            <numerusform>%Ln Minute Ago</numerusform>
            <numerusform>%Ln Minutes Ago</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>In %Ln Minutes</source>
        <translation>
            <numerusform>In %Ln Minute</numerusform>
            <numerusform>In %Ln Minutes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln Seconds Ago</source>
        <translation>
            <numerusform>%Ln Second Ago</numerusform>
            <numerusform>%Ln Seconds Ago</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>In %Ln Seconds</source>
        <translation>
            <numerusform>In %Ln Second</numerusform>
            <numerusform>In %Ln Seconds</numerusform>
        </translation>
    </message>
</context>
</TS>
