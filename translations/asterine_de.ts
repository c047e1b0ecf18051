<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>Lore</name>
    <message>
        <source>Granite</source>
        <translation>Granit</translation>
    </message>
    <message>
        <source>Ruby / Garnet</source>
        <translation>Rubin / Granat</translation>
    </message>
    <message>
        <source>Sardonyx</source>
        <translation>Sardonyx</translation>
    </message>
    <message>
        <source>Diamond</source>
        <translation>Diamant</translation>
    </message>
    <message>
        <source>Emerald</source>
        <translation>Smaragd</translation>
    </message>
    <message>
        <source>Chrysolite</source>
        <translation>Chrysolith</translation>
    </message>
    <message>
        <source>Rock Crystal</source>
        <translation>Bergkristall</translation>
    </message>
    <message>
        <source>Chalcedony</source>
        <translation>Chalzedon</translation>
    </message>
    <message>
        <source>Beryl</source>
        <translation>Beryll</translation>
    </message>
    <message>
        <source>Sapphire</source>
        <translation>Saphir</translation>
    </message>
    <message>
        <source>Agate</source>
        <translation>Achat</translation>
    </message>
    <message>
        <source>Magnet</source>
        <translation>Magnetit</translation>
    </message>
    <message>
        <source>Jasper</source>
        <translation>Jaspis</translation>
    </message>
    <message>
        <source>Topaz</source>
        <translation>Topas</translation>
    </message>
    <message>
        <source>Onyx</source>
        <translation>Onyx</translation>
    </message>
    <message>
        <source>mugwort</source>
        <translation>Beifuß</translation>
    </message>
    <message>
        <source>milk thistle</source>
        <translation>Mariendistel</translation>
    </message>
    <message>
        <source>birthwort</source>
        <translation>Osterluzei</translation>
    </message>
    <message>
        <source>Black hellebore</source>
        <translation>Schwarze Nieswurz</translation>
    </message>
    <message>
        <source>Sage</source>
        <translation>Salbei</translation>
    </message>
    <message>
        <source>winter savory</source>
        <translation>Winter-Bohnenkraut</translation>
    </message>
    <message>
        <source>fennel</source>
        <translation>Fenchel</translation>
    </message>
    <message>
        <source>marjoram</source>
        <translation>Majoran</translation>
    </message>
    <message>
        <source>juniper</source>
        <translation>Wacholder</translation>
    </message>
    <message>
        <source>thyme</source>
        <translation>Thymian</translation>
    </message>
    <message>
        <source>water buttercup</source>
        <translation>Wasserhahnenfuß</translation>
    </message>
    <message>
        <source>succory</source>
        <translation>Wegwarte</translation>
    </message>
    <message>
        <source>plantain</source>
        <translation>Wegerich</translation>
    </message>
    <message>
        <source>rosemary</source>
        <translation>Rosmarin</translation>
    </message>
    <message>
        <source>burdock</source>
        <translation>Klette</translation>
    </message>
    <message>
        <source>Leo 29°50&apos;</source>
        <translation>Löwe 29°50&apos;</translation>
    </message>
    <message>
        <source>Gemini 09°47&apos;</source>
        <translation>Zwillinge 09°47&apos;</translation>
    </message>
    <message>
        <source>Sagittarius 09°46&apos;</source>
        <translation>Schütze 09°46&apos;</translation>
    </message>
    <message>
        <source>Pisces 03°52&apos;</source>
        <translation>Fische 03°52&apos;</translation>
    </message>
    <message>
        <source>Taurus 26°10&apos;</source>
        <translation>Stier 26°10&apos;</translation>
    </message>
    <message>
        <source>Gemini 00°00&apos;</source>
        <translation>Zwillinge 00°00&apos;</translation>
    </message>
    <message>
        <source>Libra 09°56</source>
        <translation>Waage 09°56</translation>
    </message>
    <message>
        <source>Libra 23°50&apos;</source>
        <translation>Waage 23°50&apos;</translation>
    </message>
    <message>
        <source>Capricorn 15°19</source>
        <translation>Steinbock 15°19</translation>
    </message>
    <message>
        <source>Pisces 29°22&apos;</source>
        <translation>Fische 29°22&apos;</translation>
    </message>
    <message>
        <source>Jupiter And Mars</source>
        <translation>Jupiter und Mars</translation>
    </message>
    <message>
        <source>Mars And Venus</source>
        <translation>Mars und Venus</translation>
    </message>
    <message>
        <source>Venus And Jupiter</source>
        <translation>Venus und Jupiter</translation>
    </message>
    <message>
        <source>Saturn And Jupiter</source>
        <translation>Saturn und Jupiter</translation>
    </message>
    <message>
        <source>Venus And Mercury</source>
        <translation>Venus und Merkur</translation>
    </message>
    <message>
        <source>Mercury And Venus</source>
        <translation>Merkur und Venus</translation>
    </message>
    <message>
        <source>Moon And Mars</source>
        <translation>Mond und Mars</translation>
    </message>
    <message>
        <source>Saturn And Mercury</source>
        <translation>Saturn und Merkur</translation>
    </message>
    <message>
        <source>Venus</source>
        <translation>Venus</translation>
    </message>
    <message>
        <source>Jupiter And Saturn</source>
        <translation>Jupiter und Saturn</translation>
    </message>
    <message>
        <source>Mercury And Mars</source>
        <translation>Merkur und Mars</translation>
    </message>
    <message>
        <source>Venus And Moon</source>
        <translation>Venus und Mond</translation>
    </message>
    <message>
        <source>Mars And Jupiter</source>
        <translation>Mars und Jupiter</translation>
    </message>
    <message>
        <source>Venus And Mars</source>
        <translation>Venus und Mars</translation>
    </message>
    <message>
        <source>Saturn And Mars</source>
        <translation>Saturn und Mars</translation>
    </message>
    <message>
        <source>Independence, Leadership, Success</source>
        <translation>Unabhängigkeit, Führungsstärke, Erfolg</translation>
    </message>
    <message>
        <source>Knowledge, Strength, Honor</source>
        <translation>Wissen, Stärke, Ehre</translation>
    </message>
    <message>
        <source>Danger, Differences, Violence</source>
        <translation>Gefahr, Zwietracht, Gewalt</translation>
    </message>
    <message>
        <source>Good or Bad Luck</source>
        <translation>Glück oder Pech</translation>
    </message>
    <message>
        <source>Bad Luck, Misfortune, Violence</source>
        <translation>Pech, Unglück, Gewalt</translation>
    </message>
    <message>
        <source>Love, Emotions, Sadness</source>
        <translation>Liebe, Gefühle, Traurigkeit</translation>
    </message>
    <message>
        <source>Disgrace, Falseness, Loneliness</source>
        <translation>Schande, Falschheit, Einsamkeit</translation>
    </message>
    <message>
        <source>Prosperity, Success, Brashness</source>
        <translation>Wohlstand, Erfolg, Ungestüm</translation>
    </message>
    <message>
        <source>Good Luck, Fortunes, Hope</source>
        <translation>Glück, Vermögen, Hoffnung</translation>
    </message>
    <message>
        <source>Extreme Bad Luck, Misfortunes</source>
        <translation>Extremes Pech, Schicksalsschläge</translation>
    </message>
    <message>
        <source>Accidents, Bad Vibes, Violence</source>
        <translation>Unfälle, negative Schwingungen, Gewalt</translation>
    </message>
    <message>
        <source>Joy, Wisdom, Glory</source>
        <translation>Freude, Weisheit, Ruhm</translation>
    </message>
    <message>
        <source>Pride, Ambition, Wealth, Danger</source>
        <translation>Stolz, Ehrgeiz, Reichtum, Gefahr</translation>
    </message>
    <message>
        <source>Curious, Open Minded, Strong</source>
        <translation>Neugierig, aufgeschlossen, stark</translation>
    </message>
    <message>
        <source>Bad Luck, Violence, Evaporation</source>
        <translation>Pech, Gewalt, Verflüchtigung</translation>
    </message>
    <message>
        <source>Troubles, Losses, Ill-Health</source>
        <translation>Sorgen, Verluste, Krankheit</translation>
    </message>
    <message>
        <source>Inspiration, Riches, Fame, Popularity</source>
        <translation>Inspiration, Reichtümer, Berühmtheit, Beliebtheit</translation>
    </message>
    <message>
        <source>Dignity, Literacy, Brilliance, Scandals</source>
        <translation>Würde, Belesenheit, Brillanz, Skandale</translation>
    </message>
    <message>
        <source>Extreme Good Luck or Bad Luck</source>
        <translation>Extremes Glück oder Pech</translation>
    </message>
    <message>
        <source>You can hope to accomplish all your goals. You may become famous in your professional life.</source>
        <translation>Sie dürfen hoffen, all Ihre Ziele zu erreichen. In Ihrem Berufsleben können Sie berühmt werden.</translation>
    </message>
    <message>
        <source>This star has an effect of bestowing courage, intelligence and honor in whichever part of the birth chart it is present in. </source>
        <translation>Dieser Stern verleiht Mut, Intelligenz und Ehre in dem Bereich des Geburtshoroskops, in dem er steht. </translation>
    </message>
    <message>
        <source>You will be very emotional and easily get into fights because of your brash nature.</source>
        <translation>Sie werden sehr gefühlsbetont sein und wegen Ihres ungestümen Wesens leicht in Streit geraten.</translation>
    </message>
    <message>
        <source>You will have a lot of creative mental energy which may be positive or negative.</source>
        <translation>Sie werden viel schöpferische geistige Energie haben, die sich positiv oder negativ auswirken kann.</translation>
    </message>
    <message>
        <source>You will be excessively obsessed with whichever field of the birth chart this star occupies.</source>
        <translation>Der Bereich des Geburtshoroskops, in dem dieser Stern steht, wird Sie übermäßig beherrschen.</translation>
    </message>
    <message>
        <source>You may face some sadness in life. You will need to let go of being attached to people.</source>
        <translation>Sie werden im Leben womöglich manche Traurigkeit erfahren. Sie werden lernen müssen, sich nicht zu sehr an Menschen zu binden.</translation>
    </message>
    <message>
        <source>This star gives you good luck and success in whatever you do.</source>
        <translation>Dieser Stern schenkt Ihnen Glück und Erfolg bei allem, was Sie tun.</translation>
    </message>
    <message>
        <source>This star shows your idealistic, optimistic and positive way of dealing with things.</source>
        <translation>Dieser Stern zeigt Ihre idealistische, optimistische und positive Art, mit den Dingen umzugehen.</translation>
    </message>
    <message>
        <source>You will be prone to looking at the negative part of any situation than looking at the positive side.</source>
        <translation>Sie werden dazu neigen, in jeder Lage eher die negative als die positive Seite zu sehen.</translation>
    </message>
    <message>
        <source>You have a tendency to day dream and will enjoy poetry and fantasies.</source>
        <translation>Sie neigen zu Tagträumen und werden Freude an Dichtung und Fantasien haben.</translation>
    </message>
    <message>
        <source>This is also known as the Dog Star. This shows that you may advance much farther in life than you have expected if you put in the hard work.</source>
        <translation>Dieser Stern ist auch als Hundsstern bekannt. Er zeigt, dass Sie es im Leben viel weiter bringen können, als Sie erwartet haben, wenn Sie hart dafür arbeiten.</translation>
    </message>
    <message>
        <source>You will have a love for learning and will be studious. You will succeed in material enterprises.</source>
        <translation>Sie werden das Lernen lieben und sehr lernbegierig sein. In materiellen Unternehmungen werden Sie Erfolg haben.</translation>
    </message>
    <message>
        <source>This star will make you hasty, jealous and stubborn. It will also give you a sharp and active mind.</source>
        <translation>Dieser Stern macht Sie hastig, eifersüchtig und starrsinnig. Er verleiht Ihnen außerdem einen scharfen und regen Verstand.</translation>
    </message>
    <message>
        <source>This star causes a lot of sickness and problems. It may give you spiritual powers and you will be respected.</source>
        <translation>Dieser Stern bringt viel Krankheit und viele Probleme. Er kann Ihnen spirituelle Kräfte verleihen, und Sie werden Ansehen genießen.</translation>
    </message>
    <message>
        <source>You will accomplish a lot on life and will be successful and prosperous. But you may also strive to acquire justice through power.</source>
        <translation>Sie werden im Leben viel erreichen und erfolgreich und wohlhabend sein. Sie könnten aber auch danach streben, durch Macht Gerechtigkeit zu erlangen.</translation>
    </message>
    <message>
        <source>You may have artistic abilities. You will be dignified and honorable. You may be tempted to fall into bad company.</source>
        <translation>Sie haben womöglich künstlerische Fähigkeiten. Sie werden würdevoll und ehrenhaft sein. Sie könnten versucht sein, sich in schlechte Gesellschaft zu begeben.</translation>
    </message>
    <message>
        <source>You may be very aggressive by nature. You may be patient and understanding or selfish and crafty.</source>
        <translation>Sie sind von Natur aus womöglich sehr aggressiv. Sie können geduldig und verständnisvoll oder selbstsüchtig und listig sein.</translation>
    </message>
    <message>
        <source>Raphael</source>
        <translation>Raphael</translation>
    </message>
    <message>
        <source>Michael</source>
        <translation>Michael</translation>
    </message>
    <message>
        <source>Oriel</source>
        <translation>Uriel</translation>
    </message>
    <message>
        <source>Gabriel</source>
        <translation>Gabriel</translation>
    </message>
    <message>
        <source>North</source>
        <translation>Nord</translation>
    </message>
    <message>
        <source>East</source>
        <translation>Ost</translation>
    </message>
    <message>
        <source>West</source>
        <translation>West</translation>
    </message>
    <message>
        <source>South</source>
        <translation>Süd</translation>
    </message>
    <message>
        <source>NA</source>
        <translation>k. A.</translation>
    </message>
    <message>
        <source>Interpretation for this Fixed Star will be included in the next version.</source>
        <translation>Die Deutung dieses Fixsterns folgt in der nächsten Version.</translation>
    </message>
</context>
<context>
    <name>SkyChart</name>
    <message>
        <source>The picture could not be saved to %1: %2</source>
        <translation>Das Bild konnte nicht unter %1 gespeichert werden: %2</translation>
    </message>
    <message>
        <source>the size is empty</source>
        <translation>die Größe ist leer</translation>
    </message>
    <message>
        <source>the picture is too large</source>
        <translation>das Bild ist zu groß</translation>
    </message>
    <message>
        <source>the PDF could not be started</source>
        <translation>das PDF konnte nicht begonnen werden</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Ascendant: %1</source>
        <translation>Aszendent: %1</translation>
    </message>
    <message>
        <source>Midheaven: %1</source>
        <translation>Medium Coeli: %1</translation>
    </message>
    <message>
        <source>The reading&apos;s star, %1: %2</source>
        <translation>Der Stern der Deutung, %1: %2</translation>
    </message>
    <message>
        <source>Star %1: %2</source>
        <translation>Stern %1: %2</translation>
    </message>
    <message>
        <source>%1, in conjunction with %2</source>
        <translation>%1, in Konjunktion mit %2</translation>
    </message>
    <message>
        <source>%1 rises at %2, azimuth %3°</source>
        <translation>%1 geht um %2 auf, Azimut %3°</translation>
    </message>
    <message>
        <source>%1 does not rise that day</source>
        <translation>%1 geht an diesem Tag nicht auf</translation>
    </message>
    <message>
        <source>%1 culminates at %2, altitude %3°</source>
        <translation>%1 kulminiert um %2, Höhe %3°</translation>
    </message>
    <message>
        <source>%1 sets at %2, azimuth %3°</source>
        <translation>%1 geht um %2 unter, Azimut %3°</translation>
    </message>
    <message>
        <source>%1 does not set that day</source>
        <translation>%1 geht an diesem Tag nicht unter</translation>
    </message>
    <message>
        <source>At the birth, %1: %2 at altitude %3°, azimuth %4°</source>
        <translation>Bei der Geburt, %1: %2 in %3° Höhe, Azimut %4°</translation>
    </message>
    <message>
        <source>AC</source>
        <comment>the Ascendant on the wheel</comment>
        <translation>AC</translation>
    </message>
    <message>
        <source>MC</source>
        <comment>the Midheaven on the wheel</comment>
        <translation>MC</translation>
    </message>
    <message>
        <source>N</source>
        <comment>north</comment>
        <translation>N</translation>
    </message>
    <message>
        <source>E</source>
        <comment>east</comment>
        <translation>O</translation>
    </message>
    <message>
        <source>S</source>
        <comment>south</comment>
        <translation>S</translation>
    </message>
    <message>
        <source>W</source>
        <comment>west</comment>
        <translation>W</translation>
    </message>
    <message>
        <source>rises %1</source>
        <translation>Aufgang %1</translation>
    </message>
    <message>
        <source>culminates %1</source>
        <translation>Kulmination %1</translation>
    </message>
    <message>
        <source>sets %1</source>
        <translation>Untergang %1</translation>
    </message>
    <message>
        <source>birth %1</source>
        <translation>Geburt %1</translation>
    </message>
    <message>
        <source>%1 stays above the horizon all day</source>
        <translation>%1 bleibt den ganzen Tag über dem Horizont</translation>
    </message>
    <message>
        <source>%1 stays below the horizon all day</source>
        <translation>%1 bleibt den ganzen Tag unter dem Horizont</translation>
    </message>
    <message>
        <source>The sky over the birthplace on the birth day</source>
        <translation>Der Himmel über dem Geburtsort am Tag der Geburt</translation>
    </message>
    <message>
        <source>The birthplace and the day of birth are needed for the sky over the birthplace.</source>
        <translation>Für den Himmel über dem Geburtsort werden der Geburtsort und der Tag der Geburt gebraucht.</translation>
    </message>
    <message>
        <source>The time of birth is needed for the bodies.</source>
        <translation>Für die Himmelskörper wird die Geburtszeit gebraucht.</translation>
    </message>
</context>
<context>
    <name>asterine</name>
    <message>
        <source>Application is already running</source>
        <translation>Die Anwendung läuft bereits</translation>
    </message>
    <message>
        <source>Asterine</source>
        <translation>Asterine</translation>
    </message>
</context>
<context>
    <name>asterine::ChartSaving</name>
    <message>
        <source>SVG pictures cannot be written by this copy of Asterine; save the chart as PNG instead.</source>
        <translation>Diese Ausgabe von Asterine kann keine SVG-Bilder schreiben; speichern Sie das Horoskop stattdessen als PNG.</translation>
    </message>
</context>
<context>
    <name>asterine::ChartSizeDialog</name>
    <message>
        <source>Size of the PNG Picture</source>
        <translation>Größe des PNG-Bildes</translation>
    </message>
    <message>
        <source>Width in pixels</source>
        <translation>Breite in Pixeln</translation>
    </message>
    <message>
        <source>&amp;Width in pixels:</source>
        <translation>&amp;Breite in Pixeln:</translation>
    </message>
    <message>
        <source>Height in pixels:</source>
        <translation>Höhe in Pixeln:</translation>
    </message>
    <message>
        <source>Height in pixels: %1</source>
        <translation>Höhe in Pixeln: %1</translation>
    </message>
</context>
<context>
    <name>asterine::CommandLine</name>
    <message>
        <source>asterine reading: %1 Try “asterine --help”.
</source>
        <translation>asterine reading: %1 Versuchen Sie „asterine --help“.
</translation>
    </message>
    <message>
        <source>asterine reading: “%1” is not an option. Try “asterine --help”.
</source>
        <translation>asterine reading: „%1“ ist keine Option. Versuchen Sie „asterine --help“.
</translation>
    </message>
    <message>
        <source>asterine reading: --%1 is given more than once.
</source>
        <translation>asterine reading: --%1 ist mehrfach angegeben.
</translation>
    </message>
    <message>
        <source>asterine: “%1” is not a command. Try “asterine --help”.
</source>
        <translation>asterine: „%1“ ist kein Befehl. Versuchen Sie „asterine --help“.
</translation>
    </message>
    <message>
        <source>asterine: standard output cannot be written: %1.
</source>
        <translation>asterine: Die Standardausgabe kann nicht geschrieben werden: %1.
</translation>
    </message>
    <message>
        <source>Copyright © 2026 Quorvane Softwares.
License GPLv3+: GNU GPL version 3 or later &lt;https://gnu.org/licenses/gpl.html&gt;.
This is free software: you are free to change and redistribute it.
There is NO WARRANTY, to the extent permitted by law.
</source>
        <translation>Copyright © 2026 Quorvane Softwares.
Lizenz GPLv3+: GNU GPL Version 3 oder neuer &lt;https://gnu.org/licenses/gpl.html&gt;.
Dies ist freie Software: Sie dürfen sie verändern und weitergeben.
Es gibt KEINE GARANTIE, soweit das Gesetz es zulässt.
</translation>
    </message>
    <message>
        <source>asterine: unknown option “%1”. Try “asterine --help”.
</source>
        <translation>asterine: Unbekannte Option „%1“. Versuchen Sie „asterine --help“.
</translation>
    </message>
    <message>
        <source>Usage: asterine [QT-OPTION...]
       asterine reading (--latitude LATITUDE | --place PLACE)
                        (--year YEAR | --date YYYY-MM-DD)
                        [--longitude LONGITUDE] [--name NAME] [--format text|json]
                        [--time HH:MM[:SS] [--zone ZONE] [--offset ±HH:MM]
                        [--dst yes|no]] [--orb DEGREES] [--paran-minutes MINUTES]
                        [--chart FILE.svg|FILE.png [--chart-size PIXELS]]
       asterine --help | --version

Without a command, Asterine opens its window; Qt&apos;s own options, such as
-platform and -style, apply to it.

reading    prints the fixed-star reading for a latitude and a year, as the
           result form shows it, without a window
  --latitude LATITUDE     51:30:26N, 51 30 N, 51°30.5′N, N51.5 or -33.87
  --longitude LONGITUDE   0:07:39W, 0 7 39 W, 0°7.65′W, W0.13 or 151.21
  --year YEAR             1900 to 2050
  --date YYYY-MM-DD       the date of birth; the year comes from it
  --name NAME             letters and blanks
  --place PLACE           a place of the offline atlas, such as &quot;Pune&quot; or
                          &quot;London, Canada&quot;; its latitude and longitude are
                          taken where --latitude and --longitude are not given
  --time HH:MM[:SS]       the clock time of birth; needs --date and a zone
  --zone ZONE             the zone the clocks kept: Europe/Berlin, LMT (the
                          local mean time of the longitude) or UTC+05:30;
                          with --place, the place&apos;s zone unless given
  --offset ±HH:MM         the offset from UTC in force, over the zone&apos;s
  --dst yes|no            whether daylight saving was in force, for a clock
                          time the zone skipped or showed twice
  --orb DEGREES           the orb of the conjunctions, 0 to 10 (default 1)
  --paran-minutes MINUTES the tolerance of the parans, 0 to 60 (default 4)
  --chart FILE            writes the wheel of the birth&apos;s sky, SVG or PNG by
                          the file&apos;s extension
  --chart-size PIXELS     its width and height, 200 to 8000 (default 1000)
  --format text|json      text (the default) or one JSON object

Exit status: 0 for a reading, 1 when the output or the chart cannot be
written, 2 for input refused or an unknown option, 3 when --place finds no
place or there is no atlas. See asterine(1).
</source>
        <translation>Aufruf: asterine [QT-OPTION …]
        asterine reading (--latitude BREITE | --place ORT)
                         (--year JAHR | --date YYYY-MM-DD)
                         [--longitude LÄNGE] [--name NAME] [--format text|json]
                         [--time HH:MM[:SS] [--zone ZONE] [--offset ±HH:MM]
                         [--dst yes|no]] [--orb GRAD] [--paran-minutes MINUTEN]
                         [--chart DATEI.svg|DATEI.png [--chart-size PIXEL]]
        asterine --help | --version

Ohne Befehl öffnet Asterine sein Fenster; dafür gelten die Qt-eigenen
Optionen wie -platform und -style.

reading    gibt die Fixstern-Deutung für eine Breite und ein Jahr so aus,
           wie das Ergebnisfenster sie zeigt, ohne Fenster
  --latitude BREITE       51:30:26N, 51 30 N, 51°30.5′N, N51.5 oder -33.87
  --longitude LÄNGE       0:07:39W, 0 7 39 W, 0°7.65′W, W0.13 oder 151.21
  --year JAHR             1900 bis 2050
  --date YYYY-MM-DD       das Geburtsdatum; das Jahr wird daraus genommen
  --name NAME             Buchstaben und Leerzeichen
  --place ORT             ein Ort des Offline-Atlas, etwa „Pune“ oder
                          „London, Canada“; seine Breite und Länge werden
                          übernommen, wo --latitude und --longitude fehlen
  --time HH:MM[:SS]       die Uhrzeit der Geburt; braucht --date und eine Zone
  --zone ZONE             die Zone, nach der die Uhren gingen: Europe/Berlin,
                          LMT (die mittlere Ortszeit der Länge) oder UTC+05:30;
                          mit --place die des Ortes, wenn keine angegeben ist
  --offset ±HH:MM         der geltende Abstand zu UTC, vor dem der Zone
  --dst yes|no            ob Sommerzeit galt, für eine Uhrzeit, die die Zone
                          übersprang oder zweimal zeigte
  --orb GRAD              der Orbis der Konjunktionen, 0 bis 10 (Standard 1)
  --paran-minutes MINUTEN die Toleranz der Parans, 0 bis 60 (Standard 4)
  --chart DATEI           schreibt das Rad des Geburtshimmels, als SVG oder
                          PNG nach der Dateiendung
  --chart-size PIXEL      seine Breite und Höhe, 200 bis 8000 (Standard 1000)
  --format text|json      text (Standard) oder ein JSON-Objekt

Exit-Status: 0 bei einer Deutung, 1, wenn die Ausgabe oder das Bild nicht
geschrieben werden kann, 2 bei abgelehnter Eingabe oder unbekannter Option, 3,
wenn --place keinen Ort findet oder kein Atlas vorhanden ist. Siehe asterine(1).
</translation>
    </message>
</context>
<context>
    <name>asterine::FileMenu</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
</context>
<context>
    <name>asterine::FrmAbout</name>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website.</source>
        <translation>Geschäftsidee für zu Hause: Gründen Sie Ihr eigenes Internetgeschäft und verdienen Sie online Geld. Erhalten Sie diese Software ganz unter dem Namen Ihrer Website.</translation>
    </message>
    <message>
        <source>Click here for more details</source>
        <translation>Klicken Sie hier für weitere Informationen</translation>
    </message>
    <message>
        <source>Click here to visit %1</source>
        <translation>Klicken Sie hier, um %1 zu besuchen</translation>
    </message>
    <message>
        <source>Copyright © 2026 Quorvane Softwares.
Asterine is free software: you may convey and modify it under the terms of the GNU General Public License, version 3 or any later version. It comes with ABSOLUTELY NO WARRANTY. Choose Licence to read the licence.</source>
        <translation>Copyright © 2026 Quorvane Softwares.
Asterine ist freie Software: Sie dürfen sie unter den Bedingungen der GNU General Public License, Version 3 oder jeder späteren Version, weitergeben und verändern. Sie wird OHNE JEDE GEWÄHRLEISTUNG bereitgestellt. Wählen Sie „Lizenz“, um die Lizenz zu lesen.</translation>
    </message>
    <message>
        <source>Places: GeoNames, CC BY 4.0</source>
        <translation>Orte: GeoNames, CC BY 4.0</translation>
    </message>
    <message>
        <source>&amp;Licence</source>
        <translation>&amp;Lizenz</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Stars: the catalogue sefstars.txt of swe-basic-data, CC0-1.0</source>
        <translation>Sterne: der Katalog sefstars.txt aus swe-basic-data, CC0-1.0</translation>
    </message>
    <message>
        <source>The sky is worked out with ERFA, BSD-3-Clause</source>
        <translation>Der Himmel wird mit ERFA berechnet, BSD-3-Clause</translation>
    </message>
</context>
<context>
    <name>asterine::FrmBrowser</name>
    <message>
        <source>The built-in browser is not installed.</source>
        <translation>Der eingebaute Browser ist nicht installiert.</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Vor</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stopp</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Neu laden</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Startseite</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Visit the Quorvane forum at %1</source>
        <translation>Besuchen Sie das Quorvane-Forum unter %1</translation>
    </message>
    <message>
        <source>Also from Quorvane Softwares: numerology, tarot and more</source>
        <translation>Außerdem von Quorvane Softwares: Numerologie, Tarot und mehr</translation>
    </message>
    <message>
        <source>&amp;Address:</source>
        <translation>&amp;Adresse:</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Adresse</translation>
    </message>
    <message>
        <source>Working...</source>
        <translation>Wird geladen …</translation>
    </message>
    <message>
        <source>This page stopped working.</source>
        <translation>Diese Seite funktioniert nicht mehr.</translation>
    </message>
    <message>
        <source>Refresh loads it again; Home opens the home page.</source>
        <translation>„Neu laden“ lädt sie erneut; „Startseite“ öffnet die Startseite.</translation>
    </message>
</context>
<context>
    <name>asterine::FrmDisplay</name>
    <message>
        <source>Latin Name</source>
        <translation>Lateinischer Name</translation>
    </message>
    <message>
        <source>Designation</source>
        <translation>Bezeichnung</translation>
    </message>
    <message>
        <source>Gemstone</source>
        <translation>Edelstein</translation>
    </message>
    <message>
        <source>Plant</source>
        <translation>Pflanze</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>Ruling Planet</source>
        <translation>Herrscherplanet</translation>
    </message>
    <message>
        <source>Keywords</source>
        <translation>Schlüsselwörter</translation>
    </message>
    <message>
        <source>Effect</source>
        <translation>Wirkung</translation>
    </message>
    <message>
        <source>Angel</source>
        <translation>Engel</translation>
    </message>
    <message>
        <source>Direction</source>
        <translation>Richtung</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Zurück</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Drucken …</translation>
    </message>
    <message>
        <source>Print Pre&amp;view...</source>
        <translation>Druck&amp;vorschau …</translation>
    </message>
    <message>
        <source>&amp;Export as PDF...</source>
        <translation>Als PDF &amp;exportieren …</translation>
    </message>
    <message>
        <source>&amp;Save as Text...</source>
        <translation>Als &amp;Text speichern …</translation>
    </message>
    <message>
        <source>&amp;Copy Reading</source>
        <translation>Deutung &amp;kopieren</translation>
    </message>
    <message>
        <source>&amp;Check for Software Update</source>
        <translation>Nach &amp;Updates suchen</translation>
    </message>
    <message>
        <source>Asterine Results</source>
        <translation>Asterine-Ergebnisse</translation>
    </message>
    <message>
        <source>Fixed Star</source>
        <translation>Fixstern</translation>
    </message>
    <message>
        <source>Export the Reading as PDF</source>
        <translation>Deutung als PDF exportieren</translation>
    </message>
    <message>
        <source>Save the Reading as Text</source>
        <translation>Deutung als Text speichern</translation>
    </message>
    <message>
        <source>PDF documents (*.pdf)</source>
        <translation>PDF-Dokumente (*.pdf)</translation>
    </message>
    <message>
        <source>Text files (*.txt)</source>
        <translation>Textdateien (*.txt)</translation>
    </message>
    <message>
        <source>The reading is copied.</source>
        <translation>Die Deutung ist kopiert.</translation>
    </message>
    <message>
        <source>Save C&amp;hart...</source>
        <translation>&amp;Horoskop speichern …</translation>
    </message>
    <message>
        <source>Wheel</source>
        <translation>Horoskopkreis</translation>
    </message>
    <message>
        <source>Horizon</source>
        <translation>Horizont</translation>
    </message>
    <message>
        <source>&amp;Copy Chart</source>
        <translation>Horoskop &amp;kopieren</translation>
    </message>
    <message>
        <source>Wheel of the birth&apos;s sky</source>
        <translation>Horoskopkreis des Geburtshimmels</translation>
    </message>
    <message>
        <source>Save the Chart</source>
        <translation>Horoskop speichern</translation>
    </message>
    <message>
        <source>SVG pictures (*.svg)</source>
        <translation>SVG-Bilder (*.svg)</translation>
    </message>
    <message>
        <source>PNG pictures (*.png)</source>
        <translation>PNG-Bilder (*.png)</translation>
    </message>
    <message>
        <source>The chart is copied.</source>
        <translation>Das Horoskop ist kopiert.</translation>
    </message>
    <message>
        <source>Ed&amp;it</source>
        <translation>Bearbei&amp;ten</translation>
    </message>
    <message>
        <source>Sky</source>
        <translation>Himmel</translation>
    </message>
    <message>
        <source>Working out the sky…</source>
        <translation>Der Himmel wird berechnet…</translation>
    </message>
</context>
<context>
    <name>asterine::FrmMain</name>
    <message>
        <source>&amp;Open Person...</source>
        <translation>&amp;Person öffnen …</translation>
    </message>
    <message>
        <source>&amp;Save Person</source>
        <translation>Person &amp;speichern</translation>
    </message>
    <message>
        <source>Open &amp;Recent</source>
        <translation>&amp;Zuletzt geöffnet</translation>
    </message>
    <message>
        <source>&amp;Clear Recent</source>
        <translation>&amp;Liste leeren</translation>
    </message>
    <message>
        <source>“%1” is saved already. Replace it?</source>
        <translation>„%1“ ist bereits gespeichert. Ersetzen?</translation>
    </message>
    <message>
        <source>Get My Fixed Stars Astrology Reading</source>
        <translation>Meine Fixstern-Deutung erstellen</translation>
    </message>
    <message>
        <source>Check for Software &amp;Update</source>
        <translation>Nach &amp;Updates suchen</translation>
    </message>
    <message>
        <source>Enter Your Details</source>
        <translation>Ihre Daten eingeben</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Month of birth</source>
        <translation>Geburtsmonat</translation>
    </message>
    <message>
        <source>Day of birth</source>
        <translation>Tag der Geburt</translation>
    </message>
    <message>
        <source>Year of birth</source>
        <translation>Geburtsjahr</translation>
    </message>
    <message>
        <source>Date of Birth</source>
        <translation>Geburtsdatum</translation>
    </message>
    <message>
        <source>Hour</source>
        <translation>Stunde</translation>
    </message>
    <message>
        <source>Minute</source>
        <translation>Minute</translation>
    </message>
    <message>
        <source>Second</source>
        <translation>Sekunde</translation>
    </message>
    <message>
        <source>Time of Birth</source>
        <translation>Geburtszeit</translation>
    </message>
    <message>
        <source>HH:MM:SS</source>
        <translation>HH:MM:SS</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>Länge</translation>
    </message>
    <message>
        <source>East</source>
        <translation>Ost</translation>
    </message>
    <message>
        <source>West</source>
        <translation>West</translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation>Breite</translation>
    </message>
    <message>
        <source>North</source>
        <translation>Nord</translation>
    </message>
    <message>
        <source>South</source>
        <translation>Süd</translation>
    </message>
    <message>
        <source>Enter Your Longitude and Latitude Correctly</source>
        <translation>Länge und Breite bitte genau eingeben</translation>
    </message>
    <message>
        <source>City</source>
        <translation>Ort</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Region</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>Land</translation>
    </message>
    <message>
        <source>Click Here To Find Latitude &amp;&amp; Longitude</source>
        <translation>Hier klicken, um Breite &amp;&amp; Länge zu finden</translation>
    </message>
    <message>
        <source>Click Here To Find Latitude &amp; Longitude</source>
        <translation>Hier klicken, um Breite &amp; Länge zu finden</translation>
    </message>
    <message>
        <source>Deg</source>
        <translation>Grad</translation>
    </message>
    <message>
        <source>Min</source>
        <translation>Min.</translation>
    </message>
    <message>
        <source>Sec</source>
        <translation>Sek.</translation>
    </message>
    <message>
        <source>degrees</source>
        <translation>Grad</translation>
    </message>
    <message>
        <source>minutes</source>
        <translation>Minuten</translation>
    </message>
    <message>
        <source>seconds</source>
        <translation>Sekunden</translation>
    </message>
    <message>
        <source>Please Enter City</source>
        <translation>Bitte Ort eingeben</translation>
    </message>
    <message>
        <source>Please Enter State</source>
        <translation>Bitte Region eingeben</translation>
    </message>
    <message>
        <source>Please Enter Country</source>
        <translation>Bitte Land eingeben</translation>
    </message>
    <message>
        <source>“%1” is saved.</source>
        <translation>„%1“ ist gespeichert.</translation>
    </message>
    <message>
        <source>Time zone of birth</source>
        <translation>Zeitzone der Geburt</translation>
    </message>
    <message>
        <source>Time zones</source>
        <translation>Zeitzonen</translation>
    </message>
    <message>
        <source>Time zone</source>
        <translation>Zeitzone</translation>
    </message>
</context>
<context>
    <name>asterine::FrmTellAFriend</name>
    <message>
        <source>Click Here To Visit %1 Now</source>
        <translation>Klicken Sie hier, um jetzt %1 zu besuchen</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>Refer A Friend</source>
        <translation>Einem Freund empfehlen</translation>
    </message>
    <message>
        <source>Refer A Friend &amp;Now</source>
        <translation>Jetzt &amp;weiterempfehlen</translation>
    </message>
    <message>
        <source>Download Quorvane Softwares</source>
        <translation>Quorvane Softwares herunterladen</translation>
    </message>
    <message>
        <source>Click Here To Visit Quorvane Softwares</source>
        <translation>Klicken Sie hier, um Quorvane Softwares zu besuchen</translation>
    </message>
    <message>
        <source>Email Address Cannot Contain Space</source>
        <translation>Die E-Mail-Adresse darf keine Leerzeichen enthalten</translation>
    </message>
</context>
<context>
    <name>asterine::HelpMenus</name>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>&amp;Online-Hilfe</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>&amp;Website besuchen</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>Ü&amp;ber die Software</translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <translation>&amp;Spenden</translation>
    </message>
</context>
<context>
    <name>asterine::LicenceWindow</name>
    <message>
        <source>Asterine Licence</source>
        <translation>Asterine-Lizenz</translation>
    </message>
    <message>
        <source>Licence</source>
        <translation>Lizenz</translation>
    </message>
</context>
<context>
    <name>asterine::Links</name>
    <message>
        <source>The desktop could not open this address in a web browser:

%1

Copy the address to the clipboard, to paste it into a browser yourself?</source>
        <translation>Die Arbeitsumgebung konnte diese Adresse nicht in einem Webbrowser öffnen:

%1

Die Adresse in die Zwischenablage kopieren, um sie selbst in einen Browser einzufügen?</translation>
    </message>
</context>
<context>
    <name>asterine::PeopleWindow</name>
    <message>
        <source>People</source>
        <translation>Personen</translation>
    </message>
    <message>
        <source>&amp;Search:</source>
        <translation>&amp;Suchen:</translation>
    </message>
    <message>
        <source>Search people by name or place</source>
        <translation>Personen nach Name oder Ort suchen</translation>
    </message>
    <message>
        <source>Name or place</source>
        <translation>Name oder Ort</translation>
    </message>
    <message>
        <source>Date of Birth</source>
        <translation>Geburtsdatum</translation>
    </message>
    <message>
        <source>Last Used</source>
        <translation>Zuletzt verwendet</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>Ö&amp;ffnen</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>&amp;Import...</source>
        <translation>&amp;Importieren …</translation>
    </message>
    <message>
        <source>Export &amp;All...</source>
        <translation>&amp;Alle exportieren …</translation>
    </message>
    <message>
        <source>Export S&amp;elected...</source>
        <translation>&amp;Markierte exportieren …</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>S&amp;chließen</translation>
    </message>
    <message>
        <source>Remove “%1” from the people Asterine remembers?</source>
        <translation>„%1“ aus den Personen entfernen, die Asterine gespeichert hat?</translation>
    </message>
    <message>
        <source>Import People</source>
        <translation>Personen importieren</translation>
    </message>
    <message>
        <source>CSV files (*.csv);;All files (*)</source>
        <translation>CSV-Dateien (*.csv);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>“%1” could not be read: %2.</source>
        <translation>„%1“ konnte nicht gelesen werden: %2.</translation>
    </message>
    <message>
        <source>Reading “%1”...</source>
        <translation>„%1“ wird gelesen …</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Importing “%1”...</source>
        <translation>„%1“ wird importiert …</translation>
    </message>
    <message>
        <source>Export People</source>
        <translation>Personen exportieren</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>CSV-Dateien (*.csv)</translation>
    </message>
    <message>
        <source>No people are saved yet. To add one, type the details on the main window and choose File, Save Person; or bring people from a CSV file with Import.</source>
        <translation>Noch sind keine Personen gespeichert. Um eine hinzuzufügen, geben Sie die Angaben im Hauptfenster ein und wählen Sie Datei, Person speichern; oder übernehmen Sie Personen aus einer CSV-Datei mit Importieren.</translation>
    </message>
    <message numerus="yes">
        <source>%n people exported to “%1”.</source>
        <translation>
            <numerusform>Eine Person nach „%1“ exportiert.</numerusform>
            <numerusform>%n Personen nach „%1“ exportiert.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>asterine::PlaceSuggestions</name>
    <message>
        <source>Places</source>
        <translation>Orte</translation>
    </message>
</context>
<context>
    <name>asterine::Printing</name>
    <message>
        <source>No printer was found. Set one up in the desktop&apos;s printer settings, or choose Export as PDF to save the reading as a file you can print.</source>
        <translation>Es wurde kein Drucker gefunden. Richten Sie einen in den Druckereinstellungen der Arbeitsumgebung ein, oder wählen Sie „Als PDF exportieren“, um die Deutung als druckbare Datei zu speichern.</translation>
    </message>
    <message>
        <source>Printing is not installed with this copy of Asterine. Export as PDF saves the reading as a file you can print.</source>
        <translation>Die Druckfunktion ist in dieser Asterine-Installation nicht enthalten. „Als PDF exportieren“ speichert die Deutung als druckbare Datei.</translation>
    </message>
</context>
<context>
    <name>asterine::ReadingCommand</name>
    <message>
        <source>asterine reading: the format “%1” is neither text nor json.</source>
        <translation>asterine reading: Das Format „%1“ ist weder text noch json.</translation>
    </message>
    <message>
        <source>asterine reading: --place names no place.</source>
        <translation>asterine reading: --place nennt keinen Ort.</translation>
    </message>
    <message>
        <source>asterine reading: there is no atlas on this system (Debian&apos;s libgeonames), so --place cannot be looked up.</source>
        <translation>asterine reading: Auf diesem System gibt es keinen Atlas (libgeonames von Debian), daher kann --place nicht nachgeschlagen werden.</translation>
    </message>
    <message>
        <source>asterine reading: no place in the atlas matches “%1”.</source>
        <translation>asterine reading: Kein Ort im Atlas passt zu „%1“.</translation>
    </message>
    <message>
        <source>asterine reading: took %1, the most populous of %2 places that match “%3”; to take another, name its state or country too, as in “%4, %5”.</source>
        <translation>asterine reading: Gewählt wurde %1, der einwohnerreichste von %2 Orten, die zu „%3“ passen; für einen anderen nennen Sie auch dessen Region oder Land, etwa „%4, %5“.</translation>
    </message>
    <message>
        <source>asterine reading: the longitude “%1” is neither degrees, minutes and seconds with E or W (73:51:19E) nor decimal degrees (-73.86).</source>
        <translation>asterine reading: Die Länge „%1“ ist weder in Grad, Minuten und Sekunden mit E oder W (73:51:19E) noch in Dezimalgrad (-73.86) angegeben.</translation>
    </message>
    <message>
        <source>asterine reading: the year “%1” is not one of the years the form offers, %2 to %3.</source>
        <translation>asterine reading: Das Jahr „%1“ gehört nicht zu den Jahren, die das Formular anbietet (%2 bis %3).</translation>
    </message>
    <message>
        <source>asterine reading: the date “%1” is not a date written YYYY-MM-DD.</source>
        <translation>asterine reading: „%1“ ist kein Datum der Form YYYY-MM-DD.</translation>
    </message>
    <message>
        <source>asterine reading: the year %1 and the date %2 disagree.</source>
        <translation>asterine reading: Das Jahr %1 und das Datum %2 stimmen nicht überein.</translation>
    </message>
    <message>
        <source>asterine reading: give the year of birth (--year) or the date (--date).</source>
        <translation>asterine reading: Geben Sie das Geburtsjahr (--year) oder das Datum (--date) an.</translation>
    </message>
    <message>
        <source>asterine reading: the latitude “%1” is neither degrees, minutes and seconds with N or S (51:30:26N, 51 30 N, 51°30.5′N) nor decimal degrees (-33.87, N51.5).</source>
        <translation>asterine reading: Die Breite „%1“ ist weder in Grad, Minuten und Sekunden mit N oder S (51:30:26N, 51 30 N, 51°30.5′N) noch in Dezimalgrad (-33.87, N51.5) angegeben.</translation>
    </message>
    <message>
        <source>asterine reading: %1</source>
        <translation>asterine reading: %1</translation>
    </message>
    <message>
        <source>asterine reading: --time needs the date of birth: give --date too.</source>
        <translation>asterine reading: --time braucht das Geburtsdatum: geben Sie auch --date an.</translation>
    </message>
    <message>
        <source>asterine reading: the time “%1” is not a time of day written HH:MM or HH:MM:SS, from 00:00 to 23:59:59.</source>
        <translation>asterine reading: Die Zeit „%1“ ist keine Uhrzeit in der Form HH:MM oder HH:MM:SS von 00:00 bis 23:59:59.</translation>
    </message>
    <message>
        <source>asterine reading: --%1 tells the offset of a clock time: give the time of birth (--time) too.</source>
        <translation>asterine reading: --%1 gibt den Abstand einer Uhrzeit zu UTC an: geben Sie auch die Geburtszeit (--time) an.</translation>
    </message>
    <message>
        <source>asterine reading: --time needs the zone the clocks kept: give --zone, such as Europe/Berlin, LMT or UTC+05:30.</source>
        <translation>asterine reading: --time braucht die Zone, nach der die Uhren gingen: geben Sie --zone an, etwa Europe/Berlin, LMT oder UTC+05:30.</translation>
    </message>
    <message>
        <source>asterine reading: the orb “%1” is not a number of degrees from 0 to 10.</source>
        <translation>asterine reading: Der Orbis „%1“ ist keine Gradzahl von 0 bis 10.</translation>
    </message>
    <message>
        <source>asterine reading: the paran tolerance “%1” is not a number of minutes from 0 to 60.</source>
        <translation>asterine reading: Die Paran-Toleranz „%1“ ist keine Minutenzahl von 0 bis 60.</translation>
    </message>
    <message>
        <source>asterine reading: --chart-size is the size of the chart: give --chart too.</source>
        <translation>asterine reading: --chart-size ist die Größe des Bildes: geben Sie auch --chart an.</translation>
    </message>
    <message>
        <source>asterine reading: --chart names no file.</source>
        <translation>asterine reading: --chart nennt keine Datei.</translation>
    </message>
    <message>
        <source>asterine reading: the chart “%1” has no extension: name it .svg or .png.</source>
        <translation>asterine reading: Das Bild „%1“ hat keine Dateiendung: nennen Sie es .svg oder .png.</translation>
    </message>
    <message>
        <source>asterine reading: the chart is written as .svg or .png, not as “.%1”.</source>
        <translation>asterine reading: Das Bild wird als .svg oder .png geschrieben, nicht als „.%1“.</translation>
    </message>
    <message>
        <source>asterine reading: the chart size “%1” is not a number of pixels from 200 to 8000.</source>
        <translation>asterine reading: Die Bildgröße „%1“ ist keine Pixelzahl von 200 bis 8000.</translation>
    </message>
    <message>
        <source>asterine reading: the chart cannot be drawn: the chart module, lib/asterine/asterine_chart.so beside the program&apos;s folder, is missing.</source>
        <translation>asterine reading: Das Bild kann nicht gezeichnet werden: das Bildmodul lib/asterine/asterine_chart.so neben dem Ordner des Programms fehlt.</translation>
    </message>
    <message>
        <source>asterine reading: %1 Say which with --offset %2 or --offset %3, or with --dst yes or --dst no.</source>
        <translation>asterine reading: %1 Sagen Sie, welche, mit --offset %2 oder --offset %3 oder mit --dst yes oder --dst no.</translation>
    </message>
    <message>
        <source>asterine reading: --zone LMT is the local mean time of the birthplace&apos;s longitude: give --longitude or --place too.</source>
        <translation>asterine reading: --zone LMT ist die mittlere Ortszeit der Länge des Geburtsortes: geben Sie auch --longitude oder --place an.</translation>
    </message>
</context>
<context>
    <name>asterine::Referral</name>
    <message>
        <source>Your Name</source>
        <translation>Ihr Name</translation>
    </message>
    <message>
        <source>Your Email Address</source>
        <translation>Ihre E-Mail-Adresse</translation>
    </message>
    <message>
        <source>Your Message</source>
        <translation>Ihre Nachricht</translation>
    </message>
    <message>
        <source>Friend&apos;s Name</source>
        <translation>Name Ihres Freundes</translation>
    </message>
    <message>
        <source>Friend&apos;s Email Address</source>
        <translation>E-Mail-Adresse Ihres Freundes</translation>
    </message>
    <message>
        <source>Please Enter Distinct Email Addresses</source>
        <translation>Bitte verschiedene E-Mail-Adressen eingeben</translation>
    </message>
    <message>
        <source>Please Enter Proper Email Address</source>
        <translation>Bitte eine gültige E-Mail-Adresse eingeben</translation>
    </message>
    <message>
        <source>Please Enter Your Name</source>
        <translation>Bitte Ihren Namen eingeben</translation>
    </message>
    <message>
        <source>Please Enter Your Email</source>
        <translation>Bitte Ihre E-Mail-Adresse eingeben</translation>
    </message>
    <message>
        <source>Please Enter Your Message</source>
        <translation>Bitte Ihre Nachricht eingeben</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Name</source>
        <translation>Bitte den Namen Ihres Freundes eingeben</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Email</source>
        <translation>Bitte die E-Mail-Adresse Ihres Freundes eingeben</translation>
    </message>
</context>
<context>
    <name>asterine::UpdatePrompt</name>
    <message>
        <source>There maybe an update to this software available<byte value="xd"/>Do you want to check for an update?</source>
        <translation>Möglicherweise ist ein Update für diese Software verfügbar.<byte value="xd"/>Möchten Sie nach einem Update suchen?</translation>
    </message>
</context>
<context>
    <name>asterine::Validation</name>
    <message>
        <source>Please Enter Name</source>
        <translation>Bitte Namen eingeben</translation>
    </message>
    <message>
        <source>Please Enter Degree of Longitude</source>
        <translation>Bitte Grad der Länge eingeben</translation>
    </message>
    <message>
        <source>Please Enter Minute of Longitude</source>
        <translation>Bitte Minuten der Länge eingeben</translation>
    </message>
    <message>
        <source>Please Enter Second of Longitude</source>
        <translation>Bitte Sekunden der Länge eingeben</translation>
    </message>
    <message>
        <source>Please Enter Degree of Latitude</source>
        <translation>Bitte Grad der Breite eingeben</translation>
    </message>
    <message>
        <source>Please Enter Minute of Latitude</source>
        <translation>Bitte Minuten der Breite eingeben</translation>
    </message>
    <message>
        <source>Please Enter Second of Latitude</source>
        <translation>Bitte Sekunden der Breite eingeben</translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month!</source>
        <translation>Bitte einen gültigen Tag oder Monat eingeben!</translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month !</source>
        <translation>Bitte einen gültigen Tag oder Monat eingeben!</translation>
    </message>
    <message>
        <source>Please Enter only Letters</source>
        <translation>Bitte nur Buchstaben eingeben</translation>
    </message>
    <message>
        <source>Only Numbers Are Accepted</source>
        <translation>Nur Ziffern sind zulässig</translation>
    </message>
    <message>
        <source>Please Enter Correct Degree of Latitude</source>
        <translation>Bitte einen gültigen Wert für Grad der Breite eingeben</translation>
    </message>
    <message>
        <source>Please Enter Correct Minute of Latitude</source>
        <translation>Bitte einen gültigen Wert für Minuten der Breite eingeben</translation>
    </message>
</context>
<context>
    <name>birth::Moment</name>
    <message>
        <source>%1 or %2</source>
        <translation>%1 oder %2</translation>
    </message>
    <message>
        <source>The clocks of %1 skipped %2 on %3: was it %4?</source>
        <translation>Die Uhren in %1 übersprangen %2 am %3: War es %4?</translation>
    </message>
    <message>
        <source>The clocks of %1 showed %2 twice on %3: was it %4?</source>
        <translation>Die Uhren in %1 zeigten %2 am %3 zweimal: War es %4?</translation>
    </message>
    <message>
        <source>The time zone %1 gives no reading of this clock time.</source>
        <translation>Die Zeitzone %1 kennt diese Uhrzeit nicht.</translation>
    </message>
    <message>
        <source>%1 · %2 UT</source>
        <translation>%1 · %2 UT</translation>
    </message>
    <message>
        <source>The moment of birth needs its date and its time.</source>
        <translation>Für den Zeitpunkt der Geburt werden Datum und Uhrzeit gebraucht.</translation>
    </message>
    <message>
        <source>The longitude %1 is out of range: longitudes run from 180° west to 180° east.</source>
        <translation>Die Länge %1 liegt außerhalb des Bereichs: Längen reichen von 180° West bis 180° Ost.</translation>
    </message>
    <message>
        <source>Daylight saving was in force in %1 on %2: the clocks showed %3.</source>
        <translation>In %1 galt am %2 die Sommerzeit: Die Uhren zeigten %3.</translation>
    </message>
    <message>
        <source>Daylight saving was not in force in %1 on %2: the clocks showed %3.</source>
        <translation>In %1 galt am %2 keine Sommerzeit: Die Uhren zeigten %3.</translation>
    </message>
    <message>
        <source>Daylight saving does not tell %1 apart: give the offset in force.</source>
        <translation>Die Sommerzeit unterscheidet nicht zwischen %1: Bitte die geltende Abweichung von UTC angeben.</translation>
    </message>
    <message>
        <source>The clocks of %1 kept local mean time then, which needs the birthplace&apos;s longitude.</source>
        <translation>Die Uhren in %1 gingen damals nach mittlerer Ortszeit, und dafür wird die Länge des Geburtsorts gebraucht.</translation>
    </message>
</context>
<context>
    <name>birth::Zone</name>
    <message>
        <source>Unknown time zone %1: give a zone such as Europe/Berlin, LMT or UTC+05:30.</source>
        <translation>Unbekannte Zeitzone %1: Bitte eine Zone wie Europe/Berlin, LMT oder UTC+05:30 angeben.</translation>
    </message>
    <message>
        <source>%1 is not an offset from UTC: write it as +05:30 or -03:00.</source>
        <translation>%1 ist keine Abweichung von UTC: Bitte als +05:30 oder -03:00 schreiben.</translation>
    </message>
    <message>
        <source>The offset %1 is not a time: its minutes run from 00 to 59.</source>
        <translation>Die Abweichung %1 ist keine Uhrzeit: Ihre Minuten reichen von 00 bis 59.</translation>
    </message>
    <message>
        <source>The offset %1 is out of range: offsets from UTC run from -14:00 to +14:00.</source>
        <translation>Die Abweichung %1 liegt außerhalb des Bereichs: Abweichungen von UTC reichen von -14:00 bis +14:00.</translation>
    </message>
    <message>
        <source>Local mean time</source>
        <translation>Mittlere Ortszeit</translation>
    </message>
    <message>
        <source>No time zone was given: give a zone such as Europe/Berlin, LMT or UTC+05:30.</source>
        <translation>Es wurde keine Zeitzone angegeben: Bitte eine Zone wie Europe/Berlin, LMT oder UTC+05:30 angeben.</translation>
    </message>
    <message>
        <source>The time zone given is too long to be one (%1 characters; a zone&apos;s name has at most %2).</source>
        <translation>Die angegebene Zeitzone ist zu lang, um eine zu sein (%1 Zeichen; der Name einer Zone hat höchstens %2).</translation>
    </message>
    <message>
        <source>The offset given is too long to be one: write it as +05:30 or -03:00.</source>
        <translation>Die angegebene Abweichung ist zu lang, um eine zu sein: Bitte als +05:30 oder -03:00 schreiben.</translation>
    </message>
    <message>
        <source>Daylight saving is yes or no, not %1.</source>
        <translation>Sommerzeit ist „yes“ oder „no“, nicht %1.</translation>
    </message>
</context>
<context>
    <name>brand</name>
    <message>
        <source>Asterine v1.0</source>
        <translation>Asterine v1.0</translation>
    </message>
    <message>
        <source>Asterine calculates the fixed stars that our present in our natal chart. These stars are additional indicators of our destiny. Fixed stars seem to be fixed in position and do not seem to move like planets. The aspects of these fixed stars is said to influence the basic nature of an individual.</source>
        <translation>Asterine berechnet die Fixsterne, die in unserem Geburtshoroskop stehen. Diese Sterne sind zusätzliche Hinweise auf unser Schicksal. Fixsterne scheinen an ihrem Ort festzustehen und sich nicht wie Planeten zu bewegen. Die Aspekte dieser Fixsterne sollen das Grundwesen eines Menschen prägen.</translation>
    </message>
    <message>
        <source>Join the Quorvane forum at www.quorvane.com, a free online discussion forum on esoteric subjects. Click here to visit it now!</source>
        <translation>Werden Sie Mitglied im Quorvane-Forum unter www.quorvane.com, einem kostenlosen Online-Diskussionsforum zu esoterischen Themen. Klicken Sie hier, um es jetzt zu besuchen!</translation>
    </message>
    <message>
        <source>Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your site&apos;s name &amp;&amp;  link here. See &quot;Help&quot; for details.    Click Here for more info on co-branding.</source>
        <translation>Versehen Sie diese Software mit dem Namen Ihrer Website.  Steigern Sie Treue und Besucherzahlen Ihrer Website. Setzen Sie hier Namen &amp;&amp;  Link Ihrer Website ein. Einzelheiten unter „Hilfe“.    Klicken Sie hier für mehr Informationen zum Co-Branding.</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. Click here for more details.</source>
        <translation>Geschäftsidee für zu Hause: Gründen Sie Ihr eigenes Internetgeschäft und verdienen Sie online Geld. Erhalten Sie diese Software ganz unter dem Namen Ihrer Website. Klicken Sie hier für weitere Informationen.</translation>
    </message>
    <message>
        <source>Programs like this one can be created and maintained only with your support. The best way to support Quorvane is to visit its forum at www.quorvane.com regularly and take part in the discussions and other activities on the board.</source>
        <translation>Programme wie dieses können nur mit Ihrer Unterstützung entwickelt und gepflegt werden. Am besten unterstützen Sie Quorvane, indem Sie das Forum unter www.quorvane.com regelmäßig besuchen und sich an den Diskussionen und anderen Aktivitäten dort beteiligen.</translation>
    </message>
    <message>
        <source>Please visit the Quorvane forum at www.quorvane.com regularly and support it by taking part in the discussions and other activities. These programs cannot be supported and maintained without your regular visits.</source>
        <translation>Bitte besuchen Sie das Quorvane-Forum unter www.quorvane.com regelmäßig und unterstützen Sie es, indem Sie sich an den Diskussionen und anderen Aktivitäten beteiligen. Ohne Ihre regelmäßigen Besuche können diese Programme nicht betreut und gepflegt werden.</translation>
    </message>
    <message>
        <source>The Quorvane forum at www.quorvane.com is a free online discussion forum on esoteric subjects. To help develop and maintain this program, please visit it regularly.</source>
        <translation>Das Quorvane-Forum unter www.quorvane.com ist ein kostenloses Online-Diskussionsforum zu esoterischen Themen. Bitte besuchen Sie es regelmäßig, um die Entwicklung und Pflege dieses Programms zu unterstützen.</translation>
    </message>
    <message>
        <source>The Quorvane forum at www.quorvane.com needs your help. Visiting it regularly and taking part in its discussions and activities helps maintain and develop more Quorvane Softwares.</source>
        <translation>Das Quorvane-Forum unter www.quorvane.com braucht Ihre Hilfe. Wenn Sie es regelmäßig besuchen und sich an seinen Diskussionen und Aktivitäten beteiligen, helfen Sie, weitere Programme von Quorvane Softwares zu pflegen und zu entwickeln.</translation>
    </message>
    <message>
        <source>If you enjoyed this program, you will like the other Quorvane Softwares too. They cover astrology, psychic matters, tarot, numerology and the occult, and they are simple, fun and informative. Share them with your friends and family!</source>
        <translation>Wenn Ihnen dieses Programm gefallen hat, werden Ihnen auch die anderen Programme von Quorvane Softwares gefallen. Sie behandeln Astrologie, Übersinnliches, Tarot, Numerologie und Okkultismus und sind einfach, unterhaltsam und informativ. Teilen Sie sie mit Ihren Freunden und Ihrer Familie!</translation>
    </message>
</context>
<context>
    <name>document::DocumentFile</name>
    <message>
        <source>“%1” could not be saved: %2.</source>
        <translation>„%1“ konnte nicht gespeichert werden: %2.</translation>
    </message>
    <message>
        <source>a folder of that name is in its place</source>
        <translation>dort befindet sich ein Ordner mit diesem Namen</translation>
    </message>
</context>
<context>
    <name>document::ReadingDocument</name>
    <message>
        <source>Latin Name</source>
        <translation>Lateinischer Name</translation>
    </message>
    <message>
        <source>Designation</source>
        <translation>Bezeichnung</translation>
    </message>
    <message>
        <source>Gemstone</source>
        <translation>Edelstein</translation>
    </message>
    <message>
        <source>Plant</source>
        <translation>Pflanze</translation>
    </message>
    <message>
        <source>Keywords</source>
        <translation>Schlüsselwörter</translation>
    </message>
    <message>
        <source>Effect</source>
        <translation>Wirkung</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>Ruling Planet</source>
        <translation>Herrscherplanet</translation>
    </message>
    <message>
        <source>Direction</source>
        <translation>Richtung</translation>
    </message>
    <message>
        <source>Angel</source>
        <translation>Engel</translation>
    </message>
    <message>
        <source>%1 %2, %3</source>
        <extracomment>A date of birth: %1 the month&apos;s name, %2 the day, %3 the year, in the order and form of the language (&quot;10. Dezember 1815&quot;, &quot;10 de diciembre de 1815&quot;).</extracomment>
        <translation>%2. %1 %3</translation>
    </message>
    <message>
        <source>Asterine Results</source>
        <translation>Asterine-Ergebnisse</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Date of Birth</source>
        <translation>Geburtsdatum</translation>
    </message>
    <message>
        <source>Time of Birth</source>
        <translation>Geburtszeit</translation>
    </message>
    <message>
        <source>Place of Birth</source>
        <translation>Geburtsort</translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation>Breite</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>Länge</translation>
    </message>
    <message>
        <source>Year for the Catalogue</source>
        <translation>Katalogjahr</translation>
    </message>
    <message>
        <source>Fixed Star</source>
        <translation>Fixstern</translation>
    </message>
    <message>
        <source>Made with Asterine %1 on %2</source>
        <translation>Erstellt mit Asterine %1 am %2</translation>
    </message>
    <message>
        <source>Reading</source>
        <translation>Deutung</translation>
    </message>
    <message>
        <source>N</source>
        <comment>north</comment>
        <extracomment>The letter for north after a latitude, as in 51° 30′ 26″ N.</extracomment>
        <translation>N</translation>
    </message>
    <message>
        <source>S</source>
        <comment>south</comment>
        <extracomment>The letter for south after a latitude, as in 33° 52′ 0″ S.</extracomment>
        <translation>S</translation>
    </message>
    <message>
        <source>E</source>
        <comment>east</comment>
        <extracomment>The letter for east after a longitude, as in 151° 12′ 0″ E.</extracomment>
        <translation>O</translation>
    </message>
    <message>
        <source>W</source>
        <comment>west</comment>
        <extracomment>The letter for west after a longitude, as in 0° 7′ 39″ W.</extracomment>
        <translation>W</translation>
    </message>
    <message>
        <source>Sky</source>
        <translation>Himmel</translation>
    </message>
</context>
<context>
    <name>document::Sky</name>
    <message>
        <source>Ascendant</source>
        <translation>Aszendent</translation>
    </message>
    <message>
        <source>Midheaven</source>
        <translation>Medium Coeli</translation>
    </message>
    <message>
        <source>Descendant</source>
        <translation>Deszendent</translation>
    </message>
    <message>
        <source>Imum Coeli</source>
        <translation>Imum Coeli</translation>
    </message>
    <message>
        <source>rises</source>
        <extracomment>A paran: the star or body rises.</extracomment>
        <translation>geht auf</translation>
    </message>
    <message>
        <source>culminates</source>
        <extracomment>A paran: the star or body culminates (crosses the meridian, highest).</extracomment>
        <translation>kulminiert</translation>
    </message>
    <message>
        <source>sets</source>
        <translation>geht unter</translation>
    </message>
    <message>
        <source>anti-culminates</source>
        <extracomment>A paran: the star or body crosses the meridian at its lowest.</extracomment>
        <translation>kulminiert unten</translation>
    </message>
    <message>
        <source>%1 UT</source>
        <translation>%1 UT</translation>
    </message>
    <message>
        <source>%1 · %2 UT</source>
        <extracomment>A time of the birth day: %1 the clock time of the birthplace with its zone, %2 the same in universal time.</extracomment>
        <translation>%1 · %2 UT</translation>
    </message>
    <message>
        <source>Circumpolar: above the horizon all day</source>
        <translation>Zirkumpolar: den ganzen Tag über dem Horizont</translation>
    </message>
    <message>
        <source>Rises and sets</source>
        <translation>Geht auf und unter</translation>
    </message>
    <message>
        <source>Never rises</source>
        <translation>Geht nie auf</translation>
    </message>
    <message>
        <source>%1, altitude %2, azimuth %3</source>
        <extracomment>When the star culminates: %1 the time, %2 its altitude, %3 its azimuth.</extracomment>
        <translation>%1, Höhe %2, Azimut %3</translation>
    </message>
    <message>
        <source>%1, azimuth %2</source>
        <extracomment>When the star rises or sets: %1 the time, %2 the azimuth.</extracomment>
        <translation>%1, Azimut %2</translation>
    </message>
    <message>
        <source>Not that day: above the horizon all day</source>
        <translation>Nicht an diesem Tag: den ganzen Tag über dem Horizont</translation>
    </message>
    <message>
        <source>Not that day: below the horizon all day</source>
        <translation>Nicht an diesem Tag: den ganzen Tag unter dem Horizont</translation>
    </message>
    <message>
        <source>Not that day</source>
        <translation>Nicht an diesem Tag</translation>
    </message>
    <message>
        <source>Always visible: seen on every night of the year</source>
        <translation>Immer sichtbar: in jeder Nacht des Jahres zu sehen</translation>
    </message>
    <message>
        <source>Never visible: it never rises here</source>
        <translation>Nie sichtbar: er geht hier nie auf</translation>
    </message>
    <message>
        <source>Arising and lying hidden: last seen in the evening on %1, seen again in the morning on %2, hidden for %3 nights</source>
        <extracomment>The star&apos;s phase: %1 the day of its heliacal setting, %2 that of its heliacal rising, %3 the number of nights between them.</extracomment>
        <translation>Aufgehend und verborgen liegend: zuletzt am Abend des %1 gesehen, am Morgen des %2 wieder gesehen, %3 Nächte verborgen</translation>
    </message>
    <message>
        <source>Curtailed passage: seen on every night; from %1 to %2 only on its passage, neither rising nor setting in the dark</source>
        <extracomment>The star&apos;s phase: %1 and %2 the first and last nights on which it is seen neither rising nor setting.</extracomment>
        <translation>Verkürzter Lauf: in jeder Nacht zu sehen; vom %1 bis zum %2 nur auf seinem Lauf, ohne im Dunkeln auf- oder unterzugehen</translation>
    </message>
    <message>
        <source>Curtailed passage: seen on every night of the year</source>
        <translation>Verkürzter Lauf: in jeder Nacht des Jahres zu sehen</translation>
    </message>
    <message>
        <source>None: the catalogue gives it no magnitude</source>
        <translation>Keine: der Katalog nennt keine Helligkeit</translation>
    </message>
    <message>
        <source>%1 in the Sky</source>
        <extracomment>The heading of the reading&apos;s star in the real sky: %1 its name.</extracomment>
        <translation>%1 am Himmel</translation>
    </message>
    <message>
        <source>The star catalogue has no entry for %1: its place in the sky is not known.</source>
        <translation>Der Sternkatalog hat keinen Eintrag für %1: sein Ort am Himmel ist nicht bekannt.</translation>
    </message>
    <message>
        <source>Its place is that of the middle of %1.</source>
        <translation>Sein Ort ist der zur Mitte des Jahres %1.</translation>
    </message>
    <message>
        <source>Right Ascension</source>
        <translation>Rektaszension</translation>
    </message>
    <message>
        <source>Declination</source>
        <translation>Deklination</translation>
    </message>
    <message>
        <source>Ecliptic Longitude</source>
        <translation>Ekliptikale Länge</translation>
    </message>
    <message>
        <source>Magnitude</source>
        <translation>Helligkeit</translation>
    </message>
    <message>
        <source>not given</source>
        <translation>nicht angegeben</translation>
    </message>
    <message>
        <source>Visibility</source>
        <extracomment>How the star stands to the horizon: %1 that, %2 the latitude (&quot;51°30′ N&quot;).</extracomment>
        <translation>Sichtbarkeit</translation>
    </message>
    <message>
        <source>%1 at %2</source>
        <translation>%1 bei %2</translation>
    </message>
    <message>
        <source>Rises</source>
        <translation>Aufgang</translation>
    </message>
    <message>
        <source>Culminates</source>
        <translation>Kulmination</translation>
    </message>
    <message>
        <source>Sets</source>
        <translation>Untergang</translation>
    </message>
    <message>
        <source>At Birth</source>
        <extracomment>Where the star stood at the moment of birth: %1 its altitude, %2 its azimuth.</extracomment>
        <translation>Bei der Geburt</translation>
    </message>
    <message>
        <source>altitude %1, azimuth %2</source>
        <translation>Höhe %1, Azimut %2</translation>
    </message>
    <message>
        <source>Phase in %1</source>
        <translation>Phase %1</translation>
    </message>
    <message>
        <source>Bodies at Birth</source>
        <translation>Himmelskörper bei der Geburt</translation>
    </message>
    <message>
        <source>Conjunctions within %1</source>
        <extracomment>The heading of the stars near a body or an angle: %1 the orb (&quot;1°&quot;).</extracomment>
        <translation>Konjunktionen innerhalb %1</translation>
    </message>
    <message>
        <source>%1 with %2</source>
        <extracomment>A star in conjunction: %1 the star, %2 the body or angle.</extracomment>
        <translation>%1 mit %2</translation>
    </message>
    <message>
        <source>orb %1, %2</source>
        <extracomment>%1 the distance in longitude, %2 the star&apos;s place.</extracomment>
        <translation>Orbis %1, %2</translation>
    </message>
    <message>
        <source>No star of the catalogue is within the orb of a body or an angle.</source>
        <translation>Kein Stern des Katalogs steht innerhalb des Orbis eines Himmelskörpers oder einer Achse.</translation>
    </message>
    <message>
        <source>More</source>
        <translation>Weitere</translation>
    </message>
    <message>
        <source>%1 wider conjunctions</source>
        <translation>%1 weitere Konjunktionen mit größerem Orbis</translation>
    </message>
    <message>
        <source>Parans within %1 Minutes</source>
        <extracomment>The heading of the parans: %1 the tolerance in minutes.</extracomment>
        <translation>Parans innerhalb von %1 Minuten</translation>
    </message>
    <message>
        <source>%1 %2, %3 %4</source>
        <comment>paran</comment>
        <extracomment>A paran: %1 the star, %2 what it does, %3 the body, %4 what the body does (&quot;Regulus rises, Sun culminates&quot;).</extracomment>
        <translation>%1 %2, %3 %4</translation>
    </message>
    <message>
        <source>%1, %2 minutes apart</source>
        <extracomment>%1 the time of the star&apos;s event, %2 the minutes between the two.</extracomment>
        <translation>%1, %2 Minuten Abstand</translation>
    </message>
    <message>
        <source>All Parans of the Day</source>
        <extracomment>How many parans the day holds: %1 all of them, %2 those of the reading&apos;s star %3.</extracomment>
        <translation>Alle Parans des Tages</translation>
    </message>
    <message>
        <source>%1, of which %2 with %3</source>
        <translation>%1, davon %2 mit %3</translation>
    </message>
    <message>
        <source>Without the date and the time of birth, the bodies, the angles, the conjunctions and the star at the moment of birth are left out.</source>
        <translation>Ohne Geburtsdatum und Geburtszeit fehlen die Himmelskörper, die Achsen, die Konjunktionen und der Stern im Augenblick der Geburt.</translation>
    </message>
    <message>
        <source>Without the zone the birthplace&apos;s clocks kept, the bodies, the angles, the conjunctions, the star at the moment of birth, its day and the parans are left out.</source>
        <translation>Ohne die Zeitzone des Geburtsorts fehlen die Himmelskörper, die Achsen, die Konjunktionen, der Stern im Augenblick der Geburt, sein Tag und die Parans.</translation>
    </message>
    <message>
        <source>Without the longitude of the birthplace, the Ascendant, the Midheaven, the star&apos;s day and the parans are left out.</source>
        <translation>Ohne die geografische Länge des Geburtsorts fehlen Aszendent, Medium Coeli, der Tag des Sterns und die Parans.</translation>
    </message>
    <message>
        <source>Without the zone the birthplace&apos;s clocks kept, the star&apos;s day and the parans are left out.</source>
        <translation>Ohne die Zeitzone des Geburtsorts fehlen der Tag des Sterns und die Parans.</translation>
    </message>
    <message>
        <source>Without the date of birth, the star&apos;s day and the parans are left out.</source>
        <translation>Ohne das Geburtsdatum fehlen der Tag des Sterns und die Parans.</translation>
    </message>
</context>
<context>
    <name>people::Csv</name>
    <message>
        <source>%1 fields, where the header has %2</source>
        <translation>%1 Felder, die Kopfzeile hat jedoch %2</translation>
    </message>
    <message>
        <source>the text is not UTF-8 (save the file as UTF-8)</source>
        <translation>der Text ist kein UTF-8 (speichern Sie die Datei als UTF-8)</translation>
    </message>
    <message>
        <source>the name is empty</source>
        <translation>der Name ist leer</translation>
    </message>
    <message>
        <source>the date “%1” is not written YYYY-MM-DD</source>
        <translation>das Datum „%1“ hat nicht die Form YYYY-MM-DD</translation>
    </message>
    <message>
        <source>the year %1 is not one from %2 to %3</source>
        <translation>das Jahr %1 liegt nicht zwischen %2 und %3</translation>
    </message>
    <message>
        <source>“%1” is not a date</source>
        <translation>„%1“ ist kein Datum</translation>
    </message>
    <message>
        <source>%1 %2 %3 is not a date</source>
        <translation>%1. %2 %3 ist kein Datum</translation>
    </message>
    <message>
        <source>the time “%1” is not HH:MM:SS</source>
        <translation>die Uhrzeit „%1“ hat nicht die Form HH:MM:SS</translation>
    </message>
    <message>
        <source>latitude degrees</source>
        <translation>Grad der Breite</translation>
    </message>
    <message>
        <source>latitude minutes</source>
        <translation>Minuten der Breite</translation>
    </message>
    <message>
        <source>latitude seconds</source>
        <translation>Sekunden der Breite</translation>
    </message>
    <message>
        <source>longitude degrees</source>
        <translation>Grad der Länge</translation>
    </message>
    <message>
        <source>longitude minutes</source>
        <translation>Minuten der Länge</translation>
    </message>
    <message>
        <source>longitude seconds</source>
        <translation>Sekunden der Länge</translation>
    </message>
    <message>
        <source>the %1 are missing</source>
        <translation>die Angabe für %1 fehlt</translation>
    </message>
    <message>
        <source>%1 “%2” are not a number</source>
        <translation>die Angabe „%2“ für %1 ist keine Zahl</translation>
    </message>
    <message>
        <source>North</source>
        <translation>North</translation>
    </message>
    <message>
        <source>South</source>
        <translation>South</translation>
    </message>
    <message>
        <source>the latitude&apos;s side “%1” is neither N nor S</source>
        <translation>die Himmelsrichtung der Breite „%1“ ist weder N noch S</translation>
    </message>
    <message>
        <source>East</source>
        <translation>East</translation>
    </message>
    <message>
        <source>West</source>
        <translation>West</translation>
    </message>
    <message>
        <source>the longitude&apos;s side “%1” is neither E nor W</source>
        <translation>die Himmelsrichtung der Länge „%1“ ist weder E noch W</translation>
    </message>
    <message>
        <source>“%1” is not a CSV file of people: it is not text.</source>
        <translation>„%1“ ist keine CSV-Datei mit Personen: Die Datei ist keine Textdatei.</translation>
    </message>
    <message>
        <source>“%1” is not a CSV file of people: it has no header row.</source>
        <translation>„%1“ ist keine CSV-Datei mit Personen: Die Kopfzeile fehlt.</translation>
    </message>
    <message>
        <source>“%1” is not a CSV file of people: its first line is not the header “%2”.</source>
        <translation>„%1“ ist keine CSV-Datei mit Personen: Die erste Zeile ist nicht die Kopfzeile „%2“.</translation>
    </message>
    <message>
        <source>a quoted field is not closed, or goes on after its closing quote</source>
        <translation>ein Feld in Anführungszeichen ist nicht geschlossen oder geht nach dem schließenden Anführungszeichen weiter</translation>
    </message>
    <message>
        <source>the name “%1” is also on line %2</source>
        <translation>der Name „%1“ steht auch in Zeile %2</translation>
    </message>
    <message>
        <source>%1 “%2” are longer than 3 digits</source>
        <translation>die Angabe „%2“ für %1 hat mehr als 3 Ziffern</translation>
    </message>
</context>
<context>
    <name>people::PeopleImport</name>
    <message numerus="yes">
        <source>%n of the people in “%1” are saved already: %2.

Replace them? No keeps the saved ones; Cancel imports nobody.</source>
        <translation>
            <numerusform>Eine Person in „%1“ ist bereits gespeichert: %2.

Ersetzen? „Nein“ behält die gespeicherte; „Abbrechen“ importiert niemanden.</numerusform>
            <numerusform>%n Personen in „%1“ sind bereits gespeichert: %2.

Ersetzen? „Nein“ behält die gespeicherten; „Abbrechen“ importiert niemanden.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n people imported from “%1”.</source>
        <translation>
            <numerusform>Eine Person aus „%1“ importiert.</numerusform>
            <numerusform>%n Personen aus „%1“ importiert.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n rows could not be imported:</source>
        <translation>
            <numerusform>Eine Zeile konnte nicht importiert werden:</numerusform>
            <numerusform>%n Zeilen konnten nicht importiert werden:</numerusform>
        </translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>Zeile %1: %2</translation>
    </message>
    <message numerus="yes">
        <source>and %n more.</source>
        <translation>
            <numerusform>und eine weitere.</numerusform>
            <numerusform>und %n weitere.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>and %n more</source>
        <translation>
            <numerusform>und eine weitere</numerusform>
            <numerusform>und %n weitere</numerusform>
        </translation>
    </message>
    <message>
        <source>These columns are not of a person and were passed over: %1.</source>
        <translation>Diese Spalten gehören nicht zu einer Person und wurden übergangen: %1.</translation>
    </message>
</context>
<context>
    <name>people::PeopleModel</name>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Date of Birth</source>
        <translation>Geburtsdatum</translation>
    </message>
    <message>
        <source>Place of Birth</source>
        <translation>Geburtsort</translation>
    </message>
    <message>
        <source>Last Used</source>
        <translation>Zuletzt verwendet</translation>
    </message>
</context>
<context>
    <name>people::PeopleStore</name>
    <message>
        <source>the file or its folder cannot be written to</source>
        <translation>in die Datei oder ihren Ordner kann nicht geschrieben werden</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>der Datenträger ist voll</translation>
    </message>
    <message>
        <source>the file cannot be opened or made there</source>
        <translation>die Datei kann dort weder geöffnet noch angelegt werden</translation>
    </message>
    <message>
        <source>The people could not be kept in “%1”: %2.</source>
        <translation>Die Personen konnten nicht in „%1“ gespeichert werden: %2.</translation>
    </message>
    <message>
        <source>its folder cannot be made</source>
        <translation>der Ordner der Datei kann nicht angelegt werden</translation>
    </message>
    <message>
        <source>it cannot be read</source>
        <translation>die Datei kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>it is not an SQLite database, or a damaged one: %1</source>
        <translation>die Datei ist keine oder eine beschädigte SQLite-Datenbank: %1</translation>
    </message>
    <message>
        <source>it was made by a newer version of Asterine, which this one cannot use</source>
        <translation>die Datei wurde von einer neueren Version von Asterine angelegt, die diese Version nicht verwenden kann</translation>
    </message>
    <message>
        <source>it holds the tables of another program</source>
        <translation>die Datei enthält die Tabellen eines anderen Programms</translation>
    </message>
    <message>
        <source>it could not be brought up to date: %1</source>
        <translation>die Datei konnte nicht auf den neuesten Stand gebracht werden: %1</translation>
    </message>
    <message>
        <source>its table of people is not the one Asterine keeps</source>
        <translation>die Personentabelle darin ist nicht die von Asterine</translation>
    </message>
    <message>
        <source>“%1” is not a store of people that Asterine can use (%2). It is kept, unchanged, as “%3”, and a new, empty store takes its place.</source>
        <translation>„%1“ ist keine Personendatei, die Asterine verwenden kann (%2). Sie wird unverändert als „%3“ aufbewahrt, und eine neue, leere Personendatei tritt an ihre Stelle.</translation>
    </message>
    <message>
        <source>“%1” is not a store of people that Asterine can use (%2), and it cannot be set aside; it is left as it is, and no people can be kept until it is moved.</source>
        <translation>„%1“ ist keine Personendatei, die Asterine verwenden kann (%2), und sie kann nicht beiseitegelegt werden; sie bleibt, wie sie ist, und bis sie verschoben wird, können keine Personen gespeichert werden.</translation>
    </message>
    <message>
        <source>it cannot be opened</source>
        <translation>die Datei kann nicht geöffnet werden</translation>
    </message>
    <message>
        <source>the save was cancelled</source>
        <translation>das Speichern wurde abgebrochen</translation>
    </message>
    <message>
        <source>another program is using it; try again when it is done</source>
        <translation>ein anderes Programm verwendet sie gerade; versuchen Sie es erneut, wenn es fertig ist</translation>
    </message>
</context>
<context>
    <name>people::PersonRules</name>
    <message>
        <source>the name is longer than the %L1 characters the Name box takes</source>
        <translation>der Name ist länger als die %L1 Zeichen, die das Feld „Name“ aufnimmt</translation>
    </message>
    <message>
        <source>the name has “%1” (%2), which the Name box does not take</source>
        <translation>der Name enthält „%1“ (%2), das das Feld „Name“ nicht annimmt</translation>
    </message>
    <message>
        <source>the name has the character %1, which the Name box does not take</source>
        <translation>der Name enthält das Zeichen %1, das das Feld „Name“ nicht annimmt</translation>
    </message>
</context>
<context>
    <name>skynames::SkyNames</name>
    <message>
        <source>Aries</source>
        <translation>Widder</translation>
    </message>
    <message>
        <source>Taurus</source>
        <translation>Stier</translation>
    </message>
    <message>
        <source>Gemini</source>
        <translation>Zwillinge</translation>
    </message>
    <message>
        <source>Cancer</source>
        <translation>Krebs</translation>
    </message>
    <message>
        <source>Leo</source>
        <translation>Löwe</translation>
    </message>
    <message>
        <source>Virgo</source>
        <translation>Jungfrau</translation>
    </message>
    <message>
        <source>Libra</source>
        <translation>Waage</translation>
    </message>
    <message>
        <source>Scorpio</source>
        <translation>Skorpion</translation>
    </message>
    <message>
        <source>Sagittarius</source>
        <translation>Schütze</translation>
    </message>
    <message>
        <source>Capricorn</source>
        <translation>Steinbock</translation>
    </message>
    <message>
        <source>Aquarius</source>
        <translation>Wassermann</translation>
    </message>
    <message>
        <source>Pisces</source>
        <translation>Fische</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>Sonne</translation>
    </message>
    <message>
        <source>Moon</source>
        <translation>Mond</translation>
    </message>
    <message>
        <source>Mercury</source>
        <translation>Merkur</translation>
    </message>
    <message>
        <source>Venus</source>
        <translation>Venus</translation>
    </message>
    <message>
        <source>Mars</source>
        <translation>Mars</translation>
    </message>
    <message>
        <source>Jupiter</source>
        <translation>Jupiter</translation>
    </message>
    <message>
        <source>Saturn</source>
        <translation>Saturn</translation>
    </message>
    <message>
        <source>Uranus</source>
        <translation>Uranus</translation>
    </message>
    <message>
        <source>Neptune</source>
        <translation>Neptun</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>sign and degree</comment>
        <extracomment>A place in the zodiac: %1 the sign, %2 its degrees and minutes (&quot;Leo 29°50′&quot;).</extracomment>
        <translation>%1 %2</translation>
    </message>
</context>
</TS>
