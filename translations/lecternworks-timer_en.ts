<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>MeetingEditor</name>
    <message numerus="yes">
        <source>%n speech(es) added to the plan</source>
        <translation>
            <numerusform>%n speech added to the plan</numerusform>
            <numerusform>%n speeches added to the plan</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>RecordCommands</name>
    <message numerus="yes">
        <source>%n speech(es)</source>
        <translation>
            <numerusform>%n speech</numerusform>
            <numerusform>%n speeches</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n change(s) made in the report</source>
        <translation>
            <numerusform>%n change made in the report</numerusform>
            <numerusform>%n changes made in the report</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>&amp;Quit and Lose %n</source>
        <translation>
            <numerusform>&amp;Quit and Lose %n</numerusform>
            <numerusform>&amp;Quit and Lose %n</numerusform>
        </translation>
    </message>
</context>
</TS>
