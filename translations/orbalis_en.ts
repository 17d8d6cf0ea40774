<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>Almanac</name>
    <message numerus="yes">
        <source>Sun up all day, no sunset within %n day(s)</source>
        <translation>
            <numerusform>Sun up all day, no sunset within %n day</numerusform>
            <numerusform>Sun up all day, no sunset within %n days</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Sun down all day, no sunrise within %n day(s)</source>
        <translation>
            <numerusform>Sun down all day, no sunrise within %n day</numerusform>
            <numerusform>Sun down all day, no sunrise within %n days</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Moon up all day, no moonset within %n day(s)</source>
        <translation>
            <numerusform>Moon up all day, no moonset within %n day</numerusform>
            <numerusform>Moon up all day, no moonset within %n days</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Moon down all day, no moonrise within %n day(s)</source>
        <translation>
            <numerusform>Moon down all day, no moonrise within %n day</numerusform>
            <numerusform>Moon down all day, no moonrise within %n days</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>No sunrise within %n day(s)</source>
        <translation>
            <numerusform>No sunrise within %n day</numerusform>
            <numerusform>No sunrise within %n days</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>No sunset within %n day(s)</source>
        <translation>
            <numerusform>No sunset within %n day</numerusform>
            <numerusform>No sunset within %n days</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>No moonrise within %n day(s)</source>
        <translation>
            <numerusform>No moonrise within %n day</numerusform>
            <numerusform>No moonrise within %n days</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>No moonset within %n day(s)</source>
        <translation>
            <numerusform>No moonset within %n day</numerusform>
            <numerusform>No moonset within %n days</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>No lunar eclipse within %n year(s)</source>
        <translation>
            <numerusform>No lunar eclipse within %n year</numerusform>
            <numerusform>No lunar eclipse within %n years</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>No solar eclipse seen here within %n year(s)</source>
        <translation>
            <numerusform>No solar eclipse seen here within %n year</numerusform>
            <numerusform>No solar eclipse seen here within %n years</numerusform>
        </translation>
    </message>
</context>
</TS>
