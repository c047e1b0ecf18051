<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="en">
<context>
    <name>asterine::PeopleWindow</name>
    <message numerus="yes">
        <source>%n people exported to “%1”.</source>
        <translation>
            <numerusform>%n person exported to “%1”.</numerusform>
            <numerusform>%n people exported to “%1”.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>people::PeopleImport</name>
    <message numerus="yes">
        <source>and %n more</source>
        <translation>
            <numerusform>and %n more</numerusform>
            <numerusform>and %n more</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n of the people in “%1” are saved already: %2.

Replace them? No keeps the saved ones; Cancel imports nobody.</source>
        <translation>
            <numerusform>%n of the people in “%1” is saved already: %2.

Replace it? No keeps the saved one; Cancel imports nobody.</numerusform>
            <numerusform>%n of the people in “%1” are saved already: %2.

Replace them? No keeps the saved ones; Cancel imports nobody.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n people imported from “%1”.</source>
        <translation>
            <numerusform>%n person imported from “%1”.</numerusform>
            <numerusform>%n people imported from “%1”.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n rows could not be imported:</source>
        <translation>
            <numerusform>%n row could not be imported:</numerusform>
            <numerusform>%n rows could not be imported:</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>and %n more.</source>
        <translation>
            <numerusform>and %n more.</numerusform>
            <numerusform>and %n more.</numerusform>
        </translation>
    </message>
</context>
</TS>
