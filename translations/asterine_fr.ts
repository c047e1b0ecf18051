<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>Lore</name>
    <message>
        <source>Granite</source>
        <translation>Granit</translation>
    </message>
    <message>
        <source>Ruby / Garnet</source>
        <translation>Rubis / Grenat</translation>
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
        <translation>Émeraude</translation>
    </message>
    <message>
        <source>Chrysolite</source>
        <translation>Chrysolithe</translation>
    </message>
    <message>
        <source>Rock Crystal</source>
        <translation>Cristal de roche</translation>
    </message>
    <message>
        <source>Chalcedony</source>
        <translation>Calcédoine</translation>
    </message>
    <message>
        <source>Beryl</source>
        <translation>Béryl</translation>
    </message>
    <message>
        <source>Sapphire</source>
        <translation>Saphir</translation>
    </message>
    <message>
        <source>Agate</source>
        <translation>Agate</translation>
    </message>
    <message>
        <source>Magnet</source>
        <translation>Pierre d’aimant</translation>
    </message>
    <message>
        <source>Jasper</source>
        <translation>Jaspe</translation>
    </message>
    <message>
        <source>Topaz</source>
        <translation>Topaze</translation>
    </message>
    <message>
        <source>Onyx</source>
        <translation>Onyx</translation>
    </message>
    <message>
        <source>mugwort</source>
        <translation>armoise</translation>
    </message>
    <message>
        <source>milk thistle</source>
        <translation>chardon-Marie</translation>
    </message>
    <message>
        <source>birthwort</source>
        <translation>aristoloche</translation>
    </message>
    <message>
        <source>Black hellebore</source>
        <translation>Hellébore noir</translation>
    </message>
    <message>
        <source>Sage</source>
        <translation>Sauge</translation>
    </message>
    <message>
        <source>winter savory</source>
        <translation>sarriette des montagnes</translation>
    </message>
    <message>
        <source>fennel</source>
        <translation>fenouil</translation>
    </message>
    <message>
        <source>marjoram</source>
        <translation>marjolaine</translation>
    </message>
    <message>
        <source>juniper</source>
        <translation>genévrier</translation>
    </message>
    <message>
        <source>thyme</source>
        <translation>thym</translation>
    </message>
    <message>
        <source>water buttercup</source>
        <translation>renoncule aquatique</translation>
    </message>
    <message>
        <source>succory</source>
        <translation>chicorée</translation>
    </message>
    <message>
        <source>plantain</source>
        <translation>plantain</translation>
    </message>
    <message>
        <source>rosemary</source>
        <translation>romarin</translation>
    </message>
    <message>
        <source>burdock</source>
        <translation>bardane</translation>
    </message>
    <message>
        <source>Leo 29°50&apos;</source>
        <translation>Lion 29°50&apos;</translation>
    </message>
    <message>
        <source>Gemini 09°47&apos;</source>
        <translation>Gémeaux 09°47&apos;</translation>
    </message>
    <message>
        <source>Sagittarius 09°46&apos;</source>
        <translation>Sagittaire 09°46&apos;</translation>
    </message>
    <message>
        <source>Pisces 03°52&apos;</source>
        <translation>Poissons 03°52&apos;</translation>
    </message>
    <message>
        <source>Taurus 26°10&apos;</source>
        <translation>Taureau 26°10&apos;</translation>
    </message>
    <message>
        <source>Gemini 00°00&apos;</source>
        <translation>Gémeaux 00°00&apos;</translation>
    </message>
    <message>
        <source>Libra 09°56</source>
        <translation>Balance 09°56</translation>
    </message>
    <message>
        <source>Libra 23°50&apos;</source>
        <translation>Balance 23°50&apos;</translation>
    </message>
    <message>
        <source>Capricorn 15°19</source>
        <translation>Capricorne 15°19</translation>
    </message>
    <message>
        <source>Pisces 29°22&apos;</source>
        <translation>Poissons 29°22&apos;</translation>
    </message>
    <message>
        <source>Jupiter And Mars</source>
        <translation>Jupiter et Mars</translation>
    </message>
    <message>
        <source>Mars And Venus</source>
        <translation>Mars et Vénus</translation>
    </message>
    <message>
        <source>Venus And Jupiter</source>
        <translation>Vénus et Jupiter</translation>
    </message>
    <message>
        <source>Saturn And Jupiter</source>
        <translation>Saturne et Jupiter</translation>
    </message>
    <message>
        <source>Venus And Mercury</source>
        <translation>Vénus et Mercure</translation>
    </message>
    <message>
        <source>Mercury And Venus</source>
        <translation>Mercure et Vénus</translation>
    </message>
    <message>
        <source>Moon And Mars</source>
        <translation>Lune et Mars</translation>
    </message>
    <message>
        <source>Saturn And Mercury</source>
        <translation>Saturne et Mercure</translation>
    </message>
    <message>
        <source>Venus</source>
        <translation>Vénus</translation>
    </message>
    <message>
        <source>Jupiter And Saturn</source>
        <translation>Jupiter et Saturne</translation>
    </message>
    <message>
        <source>Mercury And Mars</source>
        <translation>Mercure et Mars</translation>
    </message>
    <message>
        <source>Venus And Moon</source>
        <translation>Vénus et Lune</translation>
    </message>
    <message>
        <source>Mars And Jupiter</source>
        <translation>Mars et Jupiter</translation>
    </message>
    <message>
        <source>Venus And Mars</source>
        <translation>Vénus et Mars</translation>
    </message>
    <message>
        <source>Saturn And Mars</source>
        <translation>Saturne et Mars</translation>
    </message>
    <message>
        <source>Independence, Leadership, Success</source>
        <translation>Indépendance, leadership, succès</translation>
    </message>
    <message>
        <source>Knowledge, Strength, Honor</source>
        <translation>Savoir, force, honneur</translation>
    </message>
    <message>
        <source>Danger, Differences, Violence</source>
        <translation>Danger, différends, violence</translation>
    </message>
    <message>
        <source>Good or Bad Luck</source>
        <translation>Chance ou malchance</translation>
    </message>
    <message>
        <source>Bad Luck, Misfortune, Violence</source>
        <translation>Malchance, infortune, violence</translation>
    </message>
    <message>
        <source>Love, Emotions, Sadness</source>
        <translation>Amour, émotions, tristesse</translation>
    </message>
    <message>
        <source>Disgrace, Falseness, Loneliness</source>
        <translation>Disgrâce, fausseté, solitude</translation>
    </message>
    <message>
        <source>Prosperity, Success, Brashness</source>
        <translation>Prospérité, succès, impétuosité</translation>
    </message>
    <message>
        <source>Good Luck, Fortunes, Hope</source>
        <translation>Chance, fortune, espoir</translation>
    </message>
    <message>
        <source>Extreme Bad Luck, Misfortunes</source>
        <translation>Malchance extrême, infortunes</translation>
    </message>
    <message>
        <source>Accidents, Bad Vibes, Violence</source>
        <translation>Accidents, mauvaises ondes, violence</translation>
    </message>
    <message>
        <source>Joy, Wisdom, Glory</source>
        <translation>Joie, sagesse, gloire</translation>
    </message>
    <message>
        <source>Pride, Ambition, Wealth, Danger</source>
        <translation>Orgueil, ambition, richesse, danger</translation>
    </message>
    <message>
        <source>Curious, Open Minded, Strong</source>
        <translation>Curiosité, ouverture d’esprit, force</translation>
    </message>
    <message>
        <source>Bad Luck, Violence, Evaporation</source>
        <translation>Malchance, violence, évaporation</translation>
    </message>
    <message>
        <source>Troubles, Losses, Ill-Health</source>
        <translation>Ennuis, pertes, mauvaise santé</translation>
    </message>
    <message>
        <source>Inspiration, Riches, Fame, Popularity</source>
        <translation>Inspiration, richesses, célébrité, popularité</translation>
    </message>
    <message>
        <source>Dignity, Literacy, Brilliance, Scandals</source>
        <translation>Dignité, érudition, éclat, scandales</translation>
    </message>
    <message>
        <source>Extreme Good Luck or Bad Luck</source>
        <translation>Chance ou malchance extrême</translation>
    </message>
    <message>
        <source>You can hope to accomplish all your goals. You may become famous in your professional life.</source>
        <translation>Vous pouvez espérer atteindre tous vos objectifs. Vous pourriez devenir célèbre dans votre vie professionnelle.</translation>
    </message>
    <message>
        <source>This star has an effect of bestowing courage, intelligence and honor in whichever part of the birth chart it is present in. </source>
        <translation>Cette étoile confère courage, intelligence et honneur au domaine du thème natal où elle se trouve. </translation>
    </message>
    <message>
        <source>You will be very emotional and easily get into fights because of your brash nature.</source>
        <translation>Vous aurez une grande sensibilité et vous vous querellerez facilement en raison de votre tempérament impétueux.</translation>
    </message>
    <message>
        <source>You will have a lot of creative mental energy which may be positive or negative.</source>
        <translation>Vous aurez une grande énergie mentale créatrice, qui pourra être positive ou négative.</translation>
    </message>
    <message>
        <source>You will be excessively obsessed with whichever field of the birth chart this star occupies.</source>
        <translation>Le domaine du thème natal qu’occupe cette étoile tournera chez vous à l’obsession.</translation>
    </message>
    <message>
        <source>You may face some sadness in life. You will need to let go of being attached to people.</source>
        <translation>Vous pourriez connaître une certaine tristesse dans la vie. Il vous faudra apprendre à vous détacher des autres.</translation>
    </message>
    <message>
        <source>This star gives you good luck and success in whatever you do.</source>
        <translation>Cette étoile vous apporte chance et succès dans tout ce que vous entreprenez.</translation>
    </message>
    <message>
        <source>This star shows your idealistic, optimistic and positive way of dealing with things.</source>
        <translation>Cette étoile révèle votre manière idéaliste, optimiste et positive d’aborder les choses.</translation>
    </message>
    <message>
        <source>You will be prone to looking at the negative part of any situation than looking at the positive side.</source>
        <translation>Vous aurez tendance à voir le côté négatif de toute situation plutôt que son côté positif.</translation>
    </message>
    <message>
        <source>You have a tendency to day dream and will enjoy poetry and fantasies.</source>
        <translation>Vous avez tendance à rêvasser et vous apprécierez la poésie et l’imaginaire.</translation>
    </message>
    <message>
        <source>This is also known as the Dog Star. This shows that you may advance much farther in life than you have expected if you put in the hard work.</source>
        <translation>On l’appelle aussi l’étoile du Chien. Elle indique que vous pourriez aller bien plus loin dans la vie que vous ne l’espériez, si vous travaillez dur.</translation>
    </message>
    <message>
        <source>You will have a love for learning and will be studious. You will succeed in material enterprises.</source>
        <translation>Vous aurez le goût d’apprendre et de l’étude. Vous réussirez dans les entreprises matérielles.</translation>
    </message>
    <message>
        <source>This star will make you hasty, jealous and stubborn. It will also give you a sharp and active mind.</source>
        <translation>Cette étoile vous portera à la précipitation, à la jalousie et à l’entêtement. Elle vous donnera aussi un esprit vif et actif.</translation>
    </message>
    <message>
        <source>This star causes a lot of sickness and problems. It may give you spiritual powers and you will be respected.</source>
        <translation>Cette étoile cause bien des maladies et des problèmes. Elle peut vous donner des pouvoirs spirituels, et l’on vous respectera.</translation>
    </message>
    <message>
        <source>You will accomplish a lot on life and will be successful and prosperous. But you may also strive to acquire justice through power.</source>
        <translation>Vous accomplirez beaucoup dans la vie et connaîtrez le succès et la prospérité. Mais vous pourriez aussi chercher à obtenir justice par la force.</translation>
    </message>
    <message>
        <source>You may have artistic abilities. You will be dignified and honorable. You may be tempted to fall into bad company.</source>
        <translation>Vous pourriez avoir des dons artistiques. Vous ferez preuve de dignité et d’honneur. Les mauvaises fréquentations pourraient vous tenter.</translation>
    </message>
    <message>
        <source>You may be very aggressive by nature. You may be patient and understanding or selfish and crafty.</source>
        <translation>Vous pourriez être de nature très agressive. Vous pourriez faire preuve de patience et de compréhension, ou bien d’égoïsme et de ruse.</translation>
    </message>
    <message>
        <source>Raphael</source>
        <translation>Raphaël</translation>
    </message>
    <message>
        <source>Michael</source>
        <translation>Michel</translation>
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
        <translation>Est</translation>
    </message>
    <message>
        <source>West</source>
        <translation>Ouest</translation>
    </message>
    <message>
        <source>South</source>
        <translation>Sud</translation>
    </message>
    <message>
        <source>NA</source>
        <translation>N/D</translation>
    </message>
    <message>
        <source>Interpretation for this Fixed Star will be included in the next version.</source>
        <translation>L’interprétation de cette étoile fixe figurera dans la prochaine version.</translation>
    </message>
</context>
<context>
    <name>SkyChart</name>
    <message>
        <source>The picture could not be saved to %1: %2</source>
        <translation>L’image n’a pas pu être enregistrée dans %1 : %2</translation>
    </message>
    <message>
        <source>the size is empty</source>
        <translation>la taille est nulle</translation>
    </message>
    <message>
        <source>the picture is too large</source>
        <translation>l’image est trop grande</translation>
    </message>
    <message>
        <source>the PDF could not be started</source>
        <translation>le PDF n’a pas pu être commencé</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1 : %2</translation>
    </message>
    <message>
        <source>Ascendant: %1</source>
        <translation>Ascendant : %1</translation>
    </message>
    <message>
        <source>Midheaven: %1</source>
        <translation>Milieu du ciel : %1</translation>
    </message>
    <message>
        <source>The reading&apos;s star, %1: %2</source>
        <translation>L’étoile de l’interprétation, %1 : %2</translation>
    </message>
    <message>
        <source>Star %1: %2</source>
        <translation>Étoile %1 : %2</translation>
    </message>
    <message>
        <source>%1, in conjunction with %2</source>
        <translation>%1, en conjonction avec %2</translation>
    </message>
    <message>
        <source>%1 rises at %2, azimuth %3°</source>
        <translation>%1 se lève à %2, azimut %3°</translation>
    </message>
    <message>
        <source>%1 does not rise that day</source>
        <translation>%1 ne se lève pas ce jour-là</translation>
    </message>
    <message>
        <source>%1 culminates at %2, altitude %3°</source>
        <translation>%1 culmine à %2, hauteur %3°</translation>
    </message>
    <message>
        <source>%1 sets at %2, azimuth %3°</source>
        <translation>%1 se couche à %2, azimut %3°</translation>
    </message>
    <message>
        <source>%1 does not set that day</source>
        <translation>%1 ne se couche pas ce jour-là</translation>
    </message>
    <message>
        <source>At the birth, %1: %2 at altitude %3°, azimuth %4°</source>
        <translation>À la naissance, %1 : %2 à %3° de hauteur, azimut %4°</translation>
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
        <translation>E</translation>
    </message>
    <message>
        <source>S</source>
        <comment>south</comment>
        <translation>S</translation>
    </message>
    <message>
        <source>W</source>
        <comment>west</comment>
        <translation>O</translation>
    </message>
    <message>
        <source>rises %1</source>
        <translation>lever %1</translation>
    </message>
    <message>
        <source>culminates %1</source>
        <translation>culmination %1</translation>
    </message>
    <message>
        <source>sets %1</source>
        <translation>coucher %1</translation>
    </message>
    <message>
        <source>birth %1</source>
        <translation>naissance %1</translation>
    </message>
    <message>
        <source>%1 stays above the horizon all day</source>
        <translation>%1 reste au-dessus de l’horizon toute la journée</translation>
    </message>
    <message>
        <source>%1 stays below the horizon all day</source>
        <translation>%1 reste sous l’horizon toute la journée</translation>
    </message>
    <message>
        <source>The sky over the birthplace on the birth day</source>
        <translation>Le ciel au-dessus du lieu de naissance le jour de la naissance</translation>
    </message>
    <message>
        <source>The birthplace and the day of birth are needed for the sky over the birthplace.</source>
        <translation>Le lieu et le jour de naissance sont nécessaires pour le ciel au-dessus du lieu de naissance.</translation>
    </message>
    <message>
        <source>The time of birth is needed for the bodies.</source>
        <translation>L’heure de naissance est nécessaire pour les astres.</translation>
    </message>
</context>
<context>
    <name>asterine</name>
    <message>
        <source>Application is already running</source>
        <translation>L’application est déjà en cours d’exécution</translation>
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
        <translation>Cette copie d’Asterine ne peut pas écrire d’images SVG ; enregistrez plutôt le thème en PNG.</translation>
    </message>
</context>
<context>
    <name>asterine::ChartSizeDialog</name>
    <message>
        <source>Size of the PNG Picture</source>
        <translation>Taille de l’image PNG</translation>
    </message>
    <message>
        <source>Width in pixels</source>
        <translation>Largeur en pixels</translation>
    </message>
    <message>
        <source>&amp;Width in pixels:</source>
        <translation>&amp;Largeur en pixels&#xa0;:</translation>
    </message>
    <message>
        <source>Height in pixels:</source>
        <translation>Hauteur en pixels&#xa0;:</translation>
    </message>
    <message>
        <source>Height in pixels: %1</source>
        <translation>Hauteur en pixels&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>asterine::CommandLine</name>
    <message>
        <source>asterine reading: %1 Try “asterine --help”.
</source>
        <translation>asterine reading&#xa0;: %1 Essayez «&#xa0;asterine --help&#xa0;».
</translation>
    </message>
    <message>
        <source>asterine reading: “%1” is not an option. Try “asterine --help”.
</source>
        <translation>asterine reading&#xa0;: «&#xa0;%1&#xa0;» n’est pas une option. Essayez «&#xa0;asterine --help&#xa0;».
</translation>
    </message>
    <message>
        <source>asterine reading: --%1 is given more than once.
</source>
        <translation>asterine reading&#xa0;: --%1 est indiqué plus d’une fois.
</translation>
    </message>
    <message>
        <source>asterine: “%1” is not a command. Try “asterine --help”.
</source>
        <translation>asterine&#xa0;: «&#xa0;%1&#xa0;» n’est pas une commande. Essayez «&#xa0;asterine --help&#xa0;».
</translation>
    </message>
    <message>
        <source>asterine: standard output cannot be written: %1.
</source>
        <translation>asterine&#xa0;: la sortie standard ne peut pas être écrite&#xa0;: %1.
</translation>
    </message>
    <message>
        <source>Copyright © 2026 Quorvane Softwares.
License GPLv3+: GNU GPL version 3 or later &lt;https://gnu.org/licenses/gpl.html&gt;.
This is free software: you are free to change and redistribute it.
There is NO WARRANTY, to the extent permitted by law.
</source>
        <translation>Copyright © 2026 Quorvane Softwares.
Licence GPLv3+&#xa0;: GNU GPL version 3 ou ultérieure &lt;https://gnu.org/licenses/gpl.html&gt;.
Ceci est un logiciel libre&#xa0;: vous êtes libre de le modifier et de le redistribuer.
Il n’y a AUCUNE GARANTIE, dans la mesure permise par la loi.
</translation>
    </message>
    <message>
        <source>asterine: unknown option “%1”. Try “asterine --help”.
</source>
        <translation>asterine&#xa0;: option inconnue «&#xa0;%1&#xa0;». Essayez «&#xa0;asterine --help&#xa0;».
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
        <translation>Usage : asterine [OPTION-QT...]
        asterine reading (--latitude LATITUDE | --place LIEU)
                         (--year ANNÉE | --date YYYY-MM-DD)
                         [--longitude LONGITUDE] [--name NOM] [--format text|json]
                         [--time HH:MM[:SS] [--zone FUSEAU] [--offset ±HH:MM]
                         [--dst yes|no]] [--orb DEGRÉS]
                         [--paran-minutes MINUTES]
                         [--chart FICHIER.svg|FICHIER.png [--chart-size PIXELS]]
        asterine --help | --version

Sans commande, Asterine ouvre sa fenêtre ; les options propres à Qt, comme
-platform et -style, s’y appliquent.

reading    affiche l’interprétation de l’étoile fixe pour une latitude et une
           année, telle que la fenêtre de résultats la présente, sans fenêtre
  --latitude LATITUDE     51:30:26N, 51 30 N, 51°30.5′N, N51.5 ou -33.87
  --longitude LONGITUDE   0:07:39W, 0 7 39 W, 0°7.65′W, W0.13 ou 151.21
  --year ANNÉE            de 1900 à 2050
  --date YYYY-MM-DD       la date de naissance ; l’année en est tirée
  --name NOM              lettres et espaces
  --place LIEU            un lieu de l’atlas hors ligne, comme « Pune » ou
                          « London, Canada » ; sa latitude et sa longitude
                          servent à défaut de --latitude et de --longitude
  --time HH:MM[:SS]       l’heure de naissance&#xa0;; demande --date et un fuseau
  --zone FUSEAU           le fuseau que suivaient les horloges&#xa0;: Europe/Berlin,
                          LMT (le temps moyen local de la longitude) ou
                          UTC+05:30&#xa0;; avec --place, celui du lieu à défaut
  --offset ±HH:MM         le décalage sur UTC en vigueur, avant celui du fuseau
  --dst yes|no            si l’heure d’été était en vigueur, pour une heure que
                          le fuseau a sautée ou montrée deux fois
  --orb DEGRÉS            l’orbe des conjonctions, de 0 à 10 (1 par défaut)
  --paran-minutes MINUTES la tolérance des parans, de 0 à 60 (4 par défaut)
  --chart FICHIER         écrit la roue du ciel de naissance, en SVG ou en PNG
                          selon l’extension du fichier
  --chart-size PIXELS     sa largeur et sa hauteur, 200 à 8000 (1000 par défaut)
  --format text|json      text (par défaut) ou un objet JSON

Code de sortie&#xa0;: 0 pour une interprétation, 1 si la sortie ou la carte ne
peut pas être écrite, 2 pour une saisie refusée ou une option inconnue, 3 si
--place ne trouve aucun lieu ou s’il n’y a pas d’atlas. Voir asterine(1).
</translation>
    </message>
</context>
<context>
    <name>asterine::FileMenu</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
</context>
<context>
    <name>asterine::FrmAbout</name>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website.</source>
        <translation>Opportunité d’activité à domicile. Lancez votre propre entreprise sur Internet et gagnez de l’argent en ligne. Obtenez ce logiciel entièrement personnalisé aux couleurs de votre site web.</translation>
    </message>
    <message>
        <source>Click here for more details</source>
        <translation>Cliquez ici pour en savoir plus</translation>
    </message>
    <message>
        <source>Click here to visit %1</source>
        <translation>Cliquez ici pour visiter %1</translation>
    </message>
    <message>
        <source>Copyright © 2026 Quorvane Softwares.
Asterine is free software: you may convey and modify it under the terms of the GNU General Public License, version 3 or any later version. It comes with ABSOLUTELY NO WARRANTY. Choose Licence to read the licence.</source>
        <translation>Copyright © 2026 Quorvane Softwares.
Asterine est un logiciel libre&#xa0;: vous pouvez le redistribuer et le modifier selon les termes de la licence publique générale GNU (GNU General Public License), version 3 ou toute version ultérieure. Il est fourni SANS AUCUNE GARANTIE. Choisissez «&#xa0;Licence&#xa0;» pour lire la licence.</translation>
    </message>
    <message>
        <source>Places: GeoNames, CC BY 4.0</source>
        <translation>Lieux&#xa0;: GeoNames, CC BY 4.0</translation>
    </message>
    <message>
        <source>&amp;Licence</source>
        <translation>&amp;Licence</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Stars: the catalogue sefstars.txt of swe-basic-data, CC0-1.0</source>
        <translation>Étoiles : le catalogue sefstars.txt de swe-basic-data, CC0-1.0</translation>
    </message>
    <message>
        <source>The sky is worked out with ERFA, BSD-3-Clause</source>
        <translation>Le ciel est calculé avec ERFA, BSD-3-Clause</translation>
    </message>
</context>
<context>
    <name>asterine::FrmBrowser</name>
    <message>
        <source>The built-in browser is not installed.</source>
        <translation>Le navigateur intégré n’est pas installé.</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Précédent</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Suivant</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Arrêter</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Actualiser</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Accueil</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Rechercher</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Visit the Quorvane forum at %1</source>
        <translation>Visitez le forum Quorvane sur %1</translation>
    </message>
    <message>
        <source>Also from Quorvane Softwares: numerology, tarot and more</source>
        <translation>Également chez Quorvane Softwares&#xa0;: numérologie, tarot et bien plus</translation>
    </message>
    <message>
        <source>&amp;Address:</source>
        <translation>&amp;Adresse&#xa0;:</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Adresse</translation>
    </message>
    <message>
        <source>Working...</source>
        <translation>Chargement…</translation>
    </message>
    <message>
        <source>This page stopped working.</source>
        <translation>Cette page a cessé de fonctionner.</translation>
    </message>
    <message>
        <source>Refresh loads it again; Home opens the home page.</source>
        <translation>«&#xa0;Actualiser&#xa0;» la recharge&#x202f;; «&#xa0;Accueil&#xa0;» ouvre la page d’accueil.</translation>
    </message>
</context>
<context>
    <name>asterine::FrmDisplay</name>
    <message>
        <source>Latin Name</source>
        <translation>Nom latin</translation>
    </message>
    <message>
        <source>Designation</source>
        <translation>Désignation</translation>
    </message>
    <message>
        <source>Gemstone</source>
        <translation>Pierre</translation>
    </message>
    <message>
        <source>Plant</source>
        <translation>Plante</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>Ruling Planet</source>
        <translation>Planète maîtresse</translation>
    </message>
    <message>
        <source>Keywords</source>
        <translation>Mots-clés</translation>
    </message>
    <message>
        <source>Effect</source>
        <translation>Effet</translation>
    </message>
    <message>
        <source>Angel</source>
        <translation>Ange</translation>
    </message>
    <message>
        <source>Direction</source>
        <translation>Direction</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Retour</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Imprimer…</translation>
    </message>
    <message>
        <source>Print Pre&amp;view...</source>
        <translation>&amp;Aperçu avant impression…</translation>
    </message>
    <message>
        <source>&amp;Export as PDF...</source>
        <translation>&amp;Exporter en PDF…</translation>
    </message>
    <message>
        <source>&amp;Save as Text...</source>
        <translation>Enregistrer en &amp;texte…</translation>
    </message>
    <message>
        <source>&amp;Copy Reading</source>
        <translation>&amp;Copier l’interprétation</translation>
    </message>
    <message>
        <source>&amp;Check for Software Update</source>
        <translation>Rechercher des &amp;mises à jour</translation>
    </message>
    <message>
        <source>Asterine Results</source>
        <translation>Résultats d’Asterine</translation>
    </message>
    <message>
        <source>Fixed Star</source>
        <translation>Étoile fixe</translation>
    </message>
    <message>
        <source>Export the Reading as PDF</source>
        <translation>Exporter l’interprétation en PDF</translation>
    </message>
    <message>
        <source>Save the Reading as Text</source>
        <translation>Enregistrer l’interprétation en texte</translation>
    </message>
    <message>
        <source>PDF documents (*.pdf)</source>
        <translation>Documents PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Text files (*.txt)</source>
        <translation>Fichiers texte (*.txt)</translation>
    </message>
    <message>
        <source>The reading is copied.</source>
        <translation>L’interprétation est copiée.</translation>
    </message>
    <message>
        <source>Save C&amp;hart...</source>
        <translation>Enregistrer le t&amp;hème…</translation>
    </message>
    <message>
        <source>Wheel</source>
        <translation>Roue</translation>
    </message>
    <message>
        <source>Horizon</source>
        <translation>Horizon</translation>
    </message>
    <message>
        <source>&amp;Copy Chart</source>
        <translation>&amp;Copier le thème</translation>
    </message>
    <message>
        <source>Wheel of the birth&apos;s sky</source>
        <translation>Roue du ciel de naissance</translation>
    </message>
    <message>
        <source>Save the Chart</source>
        <translation>Enregistrer le thème</translation>
    </message>
    <message>
        <source>SVG pictures (*.svg)</source>
        <translation>Images SVG (*.svg)</translation>
    </message>
    <message>
        <source>PNG pictures (*.png)</source>
        <translation>Images PNG (*.png)</translation>
    </message>
    <message>
        <source>The chart is copied.</source>
        <translation>Le thème est copié.</translation>
    </message>
    <message>
        <source>Ed&amp;it</source>
        <translation>&amp;Édition</translation>
    </message>
    <message>
        <source>Sky</source>
        <translation>Ciel</translation>
    </message>
    <message>
        <source>Working out the sky…</source>
        <translation>Calcul du ciel…</translation>
    </message>
</context>
<context>
    <name>asterine::FrmMain</name>
    <message>
        <source>&amp;Open Person...</source>
        <translation>&amp;Ouvrir une personne…</translation>
    </message>
    <message>
        <source>&amp;Save Person</source>
        <translation>&amp;Enregistrer la personne</translation>
    </message>
    <message>
        <source>Open &amp;Recent</source>
        <translation>Personnes &amp;récentes</translation>
    </message>
    <message>
        <source>&amp;Clear Recent</source>
        <translation>&amp;Effacer la liste</translation>
    </message>
    <message>
        <source>“%1” is saved already. Replace it?</source>
        <translation>Une personne nommée «&#xa0;%1&#xa0;» est déjà enregistrée. La remplacer&#x202f;?</translation>
    </message>
    <message>
        <source>Get My Fixed Stars Astrology Reading</source>
        <translation>Obtenir mon interprétation des étoiles fixes</translation>
    </message>
    <message>
        <source>Check for Software &amp;Update</source>
        <translation>Rechercher des &amp;mises à jour</translation>
    </message>
    <message>
        <source>Enter Your Details</source>
        <translation>Saisissez vos données</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Month of birth</source>
        <translation>Mois de naissance</translation>
    </message>
    <message>
        <source>Day of birth</source>
        <translation>Jour de naissance</translation>
    </message>
    <message>
        <source>Year of birth</source>
        <translation>Année de naissance</translation>
    </message>
    <message>
        <source>Date of Birth</source>
        <translation>Date de naissance</translation>
    </message>
    <message>
        <source>Hour</source>
        <translation>Heure</translation>
    </message>
    <message>
        <source>Minute</source>
        <translation>Minute</translation>
    </message>
    <message>
        <source>Second</source>
        <translation>Seconde</translation>
    </message>
    <message>
        <source>Time of Birth</source>
        <translation>Heure de naissance</translation>
    </message>
    <message>
        <source>HH:MM:SS</source>
        <translation>HH:MM:SS</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>Longitude</translation>
    </message>
    <message>
        <source>East</source>
        <translation>Est</translation>
    </message>
    <message>
        <source>West</source>
        <translation>Ouest</translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation>Latitude</translation>
    </message>
    <message>
        <source>North</source>
        <translation>Nord</translation>
    </message>
    <message>
        <source>South</source>
        <translation>Sud</translation>
    </message>
    <message>
        <source>Enter Your Longitude and Latitude Correctly</source>
        <translation>Saisissez correctement votre longitude et votre latitude</translation>
    </message>
    <message>
        <source>City</source>
        <translation>Ville</translation>
    </message>
    <message>
        <source>State</source>
        <translation>État/Région</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>Pays</translation>
    </message>
    <message>
        <source>Click Here To Find Latitude &amp;&amp; Longitude</source>
        <translation>Cliquez ici pour trouver latitude et longitude</translation>
    </message>
    <message>
        <source>Click Here To Find Latitude &amp; Longitude</source>
        <translation>Cliquez ici pour trouver latitude et longitude</translation>
    </message>
    <message>
        <source>Deg</source>
        <translation>Degrés</translation>
    </message>
    <message>
        <source>Min</source>
        <translation>Minutes</translation>
    </message>
    <message>
        <source>Sec</source>
        <translation>Secondes</translation>
    </message>
    <message>
        <source>degrees</source>
        <translation>degrés</translation>
    </message>
    <message>
        <source>minutes</source>
        <translation>minutes</translation>
    </message>
    <message>
        <source>seconds</source>
        <translation>secondes</translation>
    </message>
    <message>
        <source>Please Enter City</source>
        <translation>Veuillez saisir la ville</translation>
    </message>
    <message>
        <source>Please Enter State</source>
        <translation>Veuillez saisir l’État ou la région</translation>
    </message>
    <message>
        <source>Please Enter Country</source>
        <translation>Veuillez saisir le pays</translation>
    </message>
    <message>
        <source>“%1” is saved.</source>
        <translation>Personne «&#xa0;%1&#xa0;» enregistrée.</translation>
    </message>
    <message>
        <source>Time zone of birth</source>
        <translation>Fuseau horaire de naissance</translation>
    </message>
    <message>
        <source>Time zones</source>
        <translation>Fuseaux horaires</translation>
    </message>
    <message>
        <source>Time zone</source>
        <translation>Fuseau horaire</translation>
    </message>
</context>
<context>
    <name>asterine::FrmTellAFriend</name>
    <message>
        <source>Click Here To Visit %1 Now</source>
        <translation>Cliquez ici pour visiter %1 maintenant</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>Refer A Friend</source>
        <translation>Recommander à un ami</translation>
    </message>
    <message>
        <source>Refer A Friend &amp;Now</source>
        <translation>&amp;Recommander à un ami</translation>
    </message>
    <message>
        <source>Download Quorvane Softwares</source>
        <translation>Télécharger les logiciels Quorvane</translation>
    </message>
    <message>
        <source>Click Here To Visit Quorvane Softwares</source>
        <translation>Cliquez ici pour visiter Quorvane Softwares</translation>
    </message>
    <message>
        <source>Email Address Cannot Contain Space</source>
        <translation>L’adresse e-mail ne peut pas contenir d’espace</translation>
    </message>
</context>
<context>
    <name>asterine::HelpMenus</name>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>&amp;Aide en ligne</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>&amp;Visitez notre site</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>À &amp;propos du logiciel</translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <translation>Faire un &amp;don</translation>
    </message>
</context>
<context>
    <name>asterine::LicenceWindow</name>
    <message>
        <source>Asterine Licence</source>
        <translation>Licence d’Asterine</translation>
    </message>
    <message>
        <source>Licence</source>
        <translation>Licence</translation>
    </message>
</context>
<context>
    <name>asterine::Links</name>
    <message>
        <source>The desktop could not open this address in a web browser:

%1

Copy the address to the clipboard, to paste it into a browser yourself?</source>
        <translation>Le bureau n’a pas pu ouvrir cette adresse dans un navigateur web&#xa0;:

%1

Copier l’adresse dans le presse-papiers, pour la coller vous-même dans un navigateur&#x202f;?</translation>
    </message>
</context>
<context>
    <name>asterine::PeopleWindow</name>
    <message>
        <source>People</source>
        <translation>Personnes</translation>
    </message>
    <message>
        <source>&amp;Search:</source>
        <translation>&amp;Rechercher&#xa0;:</translation>
    </message>
    <message>
        <source>Search people by name or place</source>
        <translation>Rechercher des personnes par nom ou par lieu</translation>
    </message>
    <message>
        <source>Name or place</source>
        <translation>Nom ou lieu</translation>
    </message>
    <message>
        <source>Date of Birth</source>
        <translation>Date de naissance</translation>
    </message>
    <message>
        <source>Last Used</source>
        <translation>Dernière utilisation</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Ouvrir</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Supprimer</translation>
    </message>
    <message>
        <source>&amp;Import...</source>
        <translation>&amp;Importer…</translation>
    </message>
    <message>
        <source>Export &amp;All...</source>
        <translation>Exporter &amp;tout…</translation>
    </message>
    <message>
        <source>Export S&amp;elected...</source>
        <translation>&amp;Exporter la sélection…</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>Remove “%1” from the people Asterine remembers?</source>
        <translation>Retirer «&#xa0;%1&#xa0;» des personnes mémorisées par Asterine&#x202f;?</translation>
    </message>
    <message>
        <source>Import People</source>
        <translation>Importer des personnes</translation>
    </message>
    <message>
        <source>CSV files (*.csv);;All files (*)</source>
        <translation>Fichiers CSV (*.csv);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>“%1” could not be read: %2.</source>
        <translation>«&#xa0;%1&#xa0;» n’a pas pu être lu&#xa0;: %2.</translation>
    </message>
    <message>
        <source>Reading “%1”...</source>
        <translation>Lecture de «&#xa0;%1&#xa0;»…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Importing “%1”...</source>
        <translation>Importation de «&#xa0;%1&#xa0;»…</translation>
    </message>
    <message>
        <source>Export People</source>
        <translation>Exporter des personnes</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Fichiers CSV (*.csv)</translation>
    </message>
    <message>
        <source>No people are saved yet. To add one, type the details on the main window and choose File, Save Person; or bring people from a CSV file with Import.</source>
        <translation>Aucune personne n’est encore enregistrée. Pour en ajouter une, saisissez ses données dans la fenêtre principale et choisissez Fichier, Enregistrer la personne&#x202f;; ou reprenez des personnes d’un fichier CSV avec Importer.</translation>
    </message>
    <message numerus="yes">
        <source>%n people exported to “%1”.</source>
        <translation>
            <numerusform>%n personne exportée vers «&#xa0;%1&#xa0;».</numerusform>
            <numerusform>%n personnes exportées vers «&#xa0;%1&#xa0;».</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>asterine::PlaceSuggestions</name>
    <message>
        <source>Places</source>
        <translation>Lieux</translation>
    </message>
</context>
<context>
    <name>asterine::Printing</name>
    <message>
        <source>No printer was found. Set one up in the desktop&apos;s printer settings, or choose Export as PDF to save the reading as a file you can print.</source>
        <translation>Aucune imprimante n’a été trouvée. Configurez-en une dans les paramètres d’impression du bureau, ou choisissez «&#xa0;Exporter en PDF&#xa0;» pour enregistrer l’interprétation dans un fichier que vous pourrez imprimer.</translation>
    </message>
    <message>
        <source>Printing is not installed with this copy of Asterine. Export as PDF saves the reading as a file you can print.</source>
        <translation>L’impression n’est pas installée avec cet exemplaire d’Asterine. «&#xa0;Exporter en PDF&#xa0;» enregistre l’interprétation dans un fichier que vous pourrez imprimer.</translation>
    </message>
</context>
<context>
    <name>asterine::ReadingCommand</name>
    <message>
        <source>asterine reading: the format “%1” is neither text nor json.</source>
        <translation>asterine reading&#xa0;: le format «&#xa0;%1&#xa0;» n’est ni text ni json.</translation>
    </message>
    <message>
        <source>asterine reading: --place names no place.</source>
        <translation>asterine reading&#xa0;: --place ne désigne aucun lieu.</translation>
    </message>
    <message>
        <source>asterine reading: there is no atlas on this system (Debian&apos;s libgeonames), so --place cannot be looked up.</source>
        <translation>asterine reading&#xa0;: ce système n’a pas d’atlas (libgeonames de Debian), --place ne peut donc pas être recherché.</translation>
    </message>
    <message>
        <source>asterine reading: no place in the atlas matches “%1”.</source>
        <translation>asterine reading&#xa0;: aucun lieu de l’atlas ne correspond à «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>asterine reading: took %1, the most populous of %2 places that match “%3”; to take another, name its state or country too, as in “%4, %5”.</source>
        <translation>asterine reading&#xa0;: %1 a été retenu, le plus peuplé des %2 lieux correspondant à «&#xa0;%3&#xa0;»&#x202f;; pour en choisir un autre, indiquez aussi son État, sa région ou son pays, par exemple «&#xa0;%4, %5&#xa0;».</translation>
    </message>
    <message>
        <source>asterine reading: the longitude “%1” is neither degrees, minutes and seconds with E or W (73:51:19E) nor decimal degrees (-73.86).</source>
        <translation>asterine reading&#xa0;: la longitude «&#xa0;%1&#xa0;» n’est ni en degrés, minutes et secondes suivis de E ou W (73:51:19E), ni en degrés décimaux (-73.86).</translation>
    </message>
    <message>
        <source>asterine reading: the year “%1” is not one of the years the form offers, %2 to %3.</source>
        <translation>asterine reading&#xa0;: l’année «&#xa0;%1&#xa0;» ne fait pas partie de celles que propose le formulaire, de %2 à %3.</translation>
    </message>
    <message>
        <source>asterine reading: the date “%1” is not a date written YYYY-MM-DD.</source>
        <translation>asterine reading&#xa0;: «&#xa0;%1&#xa0;» n’est pas une date au format YYYY-MM-DD.</translation>
    </message>
    <message>
        <source>asterine reading: the year %1 and the date %2 disagree.</source>
        <translation>asterine reading&#xa0;: l’année %1 et la date %2 ne concordent pas.</translation>
    </message>
    <message>
        <source>asterine reading: give the year of birth (--year) or the date (--date).</source>
        <translation>asterine reading&#xa0;: indiquez l’année de naissance (--year) ou la date (--date).</translation>
    </message>
    <message>
        <source>asterine reading: the latitude “%1” is neither degrees, minutes and seconds with N or S (51:30:26N, 51 30 N, 51°30.5′N) nor decimal degrees (-33.87, N51.5).</source>
        <translation>asterine reading&#xa0;: la latitude «&#xa0;%1&#xa0;» n’est ni en degrés, minutes et secondes suivis de N ou S (51:30:26N, 51 30 N, 51°30.5′N), ni en degrés décimaux (-33.87, N51.5).</translation>
    </message>
    <message>
        <source>asterine reading: %1</source>
        <translation>asterine reading&#xa0;: %1</translation>
    </message>
    <message>
        <source>asterine reading: --time needs the date of birth: give --date too.</source>
        <translation>asterine reading&#xa0;: --time a besoin de la date de naissance&#xa0;: donnez aussi --date.</translation>
    </message>
    <message>
        <source>asterine reading: the time “%1” is not a time of day written HH:MM or HH:MM:SS, from 00:00 to 23:59:59.</source>
        <translation>asterine reading&#xa0;: l’heure «&#xa0;%1&#xa0;» n’est pas une heure du jour écrite HH:MM ou HH:MM:SS, de 00:00 à 23:59:59.</translation>
    </message>
    <message>
        <source>asterine reading: --%1 tells the offset of a clock time: give the time of birth (--time) too.</source>
        <translation>asterine reading&#xa0;: --%1 indique le décalage d’une heure d’horloge&#xa0;: donnez aussi l’heure de naissance (--time).</translation>
    </message>
    <message>
        <source>asterine reading: --time needs the zone the clocks kept: give --zone, such as Europe/Berlin, LMT or UTC+05:30.</source>
        <translation>asterine reading&#xa0;: --time a besoin du fuseau que suivaient les horloges&#xa0;: donnez --zone, comme Europe/Berlin, LMT ou UTC+05:30.</translation>
    </message>
    <message>
        <source>asterine reading: the orb “%1” is not a number of degrees from 0 to 10.</source>
        <translation>asterine reading&#xa0;: l’orbe «&#xa0;%1&#xa0;» n’est pas un nombre de degrés de 0 à 10.</translation>
    </message>
    <message>
        <source>asterine reading: the paran tolerance “%1” is not a number of minutes from 0 to 60.</source>
        <translation>asterine reading&#xa0;: la tolérance des parans «&#xa0;%1&#xa0;» n’est pas un nombre de minutes de 0 à 60.</translation>
    </message>
    <message>
        <source>asterine reading: --chart-size is the size of the chart: give --chart too.</source>
        <translation>asterine reading&#xa0;: --chart-size est la taille de la carte&#xa0;: donnez aussi --chart.</translation>
    </message>
    <message>
        <source>asterine reading: --chart names no file.</source>
        <translation>asterine reading&#xa0;: --chart ne désigne aucun fichier.</translation>
    </message>
    <message>
        <source>asterine reading: the chart “%1” has no extension: name it .svg or .png.</source>
        <translation>asterine reading&#xa0;: la carte «&#xa0;%1&#xa0;» n’a pas d’extension&#xa0;: nommez-la .svg ou .png.</translation>
    </message>
    <message>
        <source>asterine reading: the chart is written as .svg or .png, not as “.%1”.</source>
        <translation>asterine reading&#xa0;: la carte s’écrit en .svg ou en .png, pas en «&#xa0;.%1&#xa0;».</translation>
    </message>
    <message>
        <source>asterine reading: the chart size “%1” is not a number of pixels from 200 to 8000.</source>
        <translation>asterine reading&#xa0;: la taille de carte «&#xa0;%1&#xa0;» n’est pas un nombre de pixels de 200 à 8000.</translation>
    </message>
    <message>
        <source>asterine reading: the chart cannot be drawn: the chart module, lib/asterine/asterine_chart.so beside the program&apos;s folder, is missing.</source>
        <translation>asterine reading&#xa0;: la carte ne peut pas être dessinée&#xa0;: le module des cartes, lib/asterine/asterine_chart.so à côté du dossier du programme, est absent.</translation>
    </message>
    <message>
        <source>asterine reading: %1 Say which with --offset %2 or --offset %3, or with --dst yes or --dst no.</source>
        <translation>asterine reading&#xa0;: %1 Dites laquelle avec --offset %2 ou --offset %3, ou avec --dst yes ou --dst no.</translation>
    </message>
    <message>
        <source>asterine reading: --zone LMT is the local mean time of the birthplace&apos;s longitude: give --longitude or --place too.</source>
        <translation>asterine reading&#xa0;: --zone LMT est le temps moyen local de la longitude du lieu de naissance&#xa0;: donnez aussi --longitude ou --place.</translation>
    </message>
</context>
<context>
    <name>asterine::Referral</name>
    <message>
        <source>Your Name</source>
        <translation>Votre nom</translation>
    </message>
    <message>
        <source>Your Email Address</source>
        <translation>Votre adresse e-mail</translation>
    </message>
    <message>
        <source>Your Message</source>
        <translation>Votre message</translation>
    </message>
    <message>
        <source>Friend&apos;s Name</source>
        <translation>Nom de votre ami</translation>
    </message>
    <message>
        <source>Friend&apos;s Email Address</source>
        <translation>Adresse e-mail de votre ami</translation>
    </message>
    <message>
        <source>Please Enter Distinct Email Addresses</source>
        <translation>Veuillez saisir des adresses e-mail différentes</translation>
    </message>
    <message>
        <source>Please Enter Proper Email Address</source>
        <translation>Veuillez saisir une adresse e-mail valide</translation>
    </message>
    <message>
        <source>Please Enter Your Name</source>
        <translation>Veuillez saisir votre nom</translation>
    </message>
    <message>
        <source>Please Enter Your Email</source>
        <translation>Veuillez saisir votre adresse e-mail</translation>
    </message>
    <message>
        <source>Please Enter Your Message</source>
        <translation>Veuillez saisir votre message</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Name</source>
        <translation>Veuillez saisir le nom de votre ami</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Email</source>
        <translation>Veuillez saisir l’adresse e-mail de votre ami</translation>
    </message>
</context>
<context>
    <name>asterine::UpdatePrompt</name>
    <message>
        <source>There maybe an update to this software available<byte value="xd"/>Do you want to check for an update?</source>
        <translation>Une mise à jour de ce logiciel est peut-être disponible<byte value="xd"/>Voulez-vous rechercher une mise à jour&#x202f;?</translation>
    </message>
</context>
<context>
    <name>asterine::Validation</name>
    <message>
        <source>Please Enter Name</source>
        <translation>Veuillez saisir un nom</translation>
    </message>
    <message>
        <source>Please Enter Degree of Longitude</source>
        <translation>Veuillez saisir les degrés de longitude</translation>
    </message>
    <message>
        <source>Please Enter Minute of Longitude</source>
        <translation>Veuillez saisir les minutes de longitude</translation>
    </message>
    <message>
        <source>Please Enter Second of Longitude</source>
        <translation>Veuillez saisir les secondes de longitude</translation>
    </message>
    <message>
        <source>Please Enter Degree of Latitude</source>
        <translation>Veuillez saisir les degrés de latitude</translation>
    </message>
    <message>
        <source>Please Enter Minute of Latitude</source>
        <translation>Veuillez saisir les minutes de latitude</translation>
    </message>
    <message>
        <source>Please Enter Second of Latitude</source>
        <translation>Veuillez saisir les secondes de latitude</translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month!</source>
        <translation>Veuillez saisir un jour ou un mois correct&#x202f;!</translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month !</source>
        <translation>Veuillez saisir un jour ou un mois correct&#x202f;!</translation>
    </message>
    <message>
        <source>Please Enter only Letters</source>
        <translation>Veuillez ne saisir que des lettres</translation>
    </message>
    <message>
        <source>Only Numbers Are Accepted</source>
        <translation>Seuls les chiffres sont acceptés</translation>
    </message>
    <message>
        <source>Please Enter Correct Degree of Latitude</source>
        <translation>Veuillez saisir des degrés de latitude corrects</translation>
    </message>
    <message>
        <source>Please Enter Correct Minute of Latitude</source>
        <translation>Veuillez saisir des minutes de latitude correctes</translation>
    </message>
</context>
<context>
    <name>birth::Moment</name>
    <message>
        <source>%1 or %2</source>
        <translation>%1 ou %2</translation>
    </message>
    <message>
        <source>The clocks of %1 skipped %2 on %3: was it %4?</source>
        <translation>Les horloges de %1 ont sauté %2 le %3&#xa0;: était-ce %4&#xa0;?</translation>
    </message>
    <message>
        <source>The clocks of %1 showed %2 twice on %3: was it %4?</source>
        <translation>Les horloges de %1 ont indiqué %2 deux fois le %3&#xa0;: était-ce %4&#xa0;?</translation>
    </message>
    <message>
        <source>The time zone %1 gives no reading of this clock time.</source>
        <translation>Le fuseau horaire %1 ne donne aucune lecture de cette heure.</translation>
    </message>
    <message>
        <source>%1 · %2 UT</source>
        <translation>%1 · %2 TU</translation>
    </message>
    <message>
        <source>The moment of birth needs its date and its time.</source>
        <translation>Le moment de la naissance demande sa date et son heure.</translation>
    </message>
    <message>
        <source>The longitude %1 is out of range: longitudes run from 180° west to 180° east.</source>
        <translation>La longitude %1 est hors limites&#xa0;: les longitudes vont de 180° ouest à 180° est.</translation>
    </message>
    <message>
        <source>Daylight saving was in force in %1 on %2: the clocks showed %3.</source>
        <translation>L’heure d’été était en vigueur dans %1 le %2&#xa0;: les horloges indiquaient %3.</translation>
    </message>
    <message>
        <source>Daylight saving was not in force in %1 on %2: the clocks showed %3.</source>
        <translation>L’heure d’été n’était pas en vigueur dans %1 le %2&#xa0;: les horloges indiquaient %3.</translation>
    </message>
    <message>
        <source>Daylight saving does not tell %1 apart: give the offset in force.</source>
        <translation>L’heure d’été ne permet pas de départager %1&#xa0;: indiquez le décalage en vigueur.</translation>
    </message>
    <message>
        <source>The clocks of %1 kept local mean time then, which needs the birthplace&apos;s longitude.</source>
        <translation>Les horloges de %1 suivaient alors le temps moyen local, qui demande la longitude du lieu de naissance.</translation>
    </message>
</context>
<context>
    <name>birth::Zone</name>
    <message>
        <source>Unknown time zone %1: give a zone such as Europe/Berlin, LMT or UTC+05:30.</source>
        <translation>Fuseau horaire %1 inconnu&#xa0;: indiquez un fuseau comme Europe/Berlin, LMT ou UTC+05:30.</translation>
    </message>
    <message>
        <source>%1 is not an offset from UTC: write it as +05:30 or -03:00.</source>
        <translation>%1 n’est pas un décalage par rapport à UTC&#xa0;: écrivez-le sous la forme +05:30 ou -03:00.</translation>
    </message>
    <message>
        <source>The offset %1 is not a time: its minutes run from 00 to 59.</source>
        <translation>Le décalage %1 n’est pas une heure&#xa0;: ses minutes vont de 00 à 59.</translation>
    </message>
    <message>
        <source>The offset %1 is out of range: offsets from UTC run from -14:00 to +14:00.</source>
        <translation>Le décalage %1 est hors limites&#xa0;: les décalages par rapport à UTC vont de -14:00 à +14:00.</translation>
    </message>
    <message>
        <source>Local mean time</source>
        <translation>Temps moyen local</translation>
    </message>
    <message>
        <source>No time zone was given: give a zone such as Europe/Berlin, LMT or UTC+05:30.</source>
        <translation>Aucun fuseau horaire n’a été indiqué&#xa0;: indiquez un fuseau comme Europe/Berlin, LMT ou UTC+05:30.</translation>
    </message>
    <message>
        <source>The time zone given is too long to be one (%1 characters; a zone&apos;s name has at most %2).</source>
        <translation>Le fuseau horaire indiqué est trop long pour en être un (%1 caractères&#xa0;; le nom d’un fuseau en compte au plus %2).</translation>
    </message>
    <message>
        <source>The offset given is too long to be one: write it as +05:30 or -03:00.</source>
        <translation>Le décalage indiqué est trop long pour en être un&#xa0;: écrivez-le sous la forme +05:30 ou -03:00.</translation>
    </message>
    <message>
        <source>Daylight saving is yes or no, not %1.</source>
        <translation>L’heure d’été s’indique par «&#xa0;yes&#xa0;» ou «&#xa0;no&#xa0;», pas %1.</translation>
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
        <translation>Asterine calcule les étoiles fixes présentes dans notre thème natal. Ces étoiles sont des indicateurs supplémentaires de notre destinée. Les étoiles fixes semblent immobiles et ne paraissent pas se déplacer comme les planètes. Les aspects de ces étoiles fixes influenceraient la nature profonde d’un individu.</translation>
    </message>
    <message>
        <source>Join the Quorvane forum at www.quorvane.com, a free online discussion forum on esoteric subjects. Click here to visit it now!</source>
        <translation>Rejoignez le forum Quorvane sur www.quorvane.com, un forum de discussion gratuit en ligne consacré à l’ésotérisme. Cliquez ici pour le visiter dès maintenant&#x202f;!</translation>
    </message>
    <message>
        <source>Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your site&apos;s name &amp;&amp;  link here. See &quot;Help&quot; for details.    Click Here for more info on co-branding.</source>
        <translation>Associez votre marque à ce logiciel pour votre site.  Fidélisez vos visiteurs et augmentez la fréquentation de votre site. Placez ici le nom &amp;&amp;  le lien de votre site. Voir «&#xa0;Aide&#xa0;» pour plus de détails.    Cliquez ici pour en savoir plus sur le co-branding.</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. Click here for more details.</source>
        <translation>Opportunité d’activité à domicile. Lancez votre propre entreprise sur Internet et gagnez de l’argent en ligne. Obtenez ce logiciel entièrement personnalisé aux couleurs de votre site web. Cliquez ici pour en savoir plus.</translation>
    </message>
    <message>
        <source>Programs like this one can be created and maintained only with your support. The best way to support Quorvane is to visit its forum at www.quorvane.com regularly and take part in the discussions and other activities on the board.</source>
        <translation>Des programmes comme celui-ci ne peuvent être créés et maintenus qu’avec votre soutien. La meilleure façon de soutenir Quorvane est de visiter régulièrement son forum sur www.quorvane.com et de participer aux discussions et aux autres activités qui s’y déroulent.</translation>
    </message>
    <message>
        <source>Please visit the Quorvane forum at www.quorvane.com regularly and support it by taking part in the discussions and other activities. These programs cannot be supported and maintained without your regular visits.</source>
        <translation>Visitez régulièrement le forum Quorvane sur www.quorvane.com et soutenez-le en participant aux discussions et aux autres activités. Ces programmes ne peuvent être suivis et maintenus sans vos visites régulières.</translation>
    </message>
    <message>
        <source>The Quorvane forum at www.quorvane.com is a free online discussion forum on esoteric subjects. To help develop and maintain this program, please visit it regularly.</source>
        <translation>Le forum Quorvane, sur www.quorvane.com, est un forum de discussion gratuit en ligne consacré à l’ésotérisme. Pour aider au développement et à la maintenance de ce programme, visitez-le régulièrement.</translation>
    </message>
    <message>
        <source>The Quorvane forum at www.quorvane.com needs your help. Visiting it regularly and taking part in its discussions and activities helps maintain and develop more Quorvane Softwares.</source>
        <translation>Le forum Quorvane, sur www.quorvane.com, a besoin de votre aide. Le visiter régulièrement et participer à ses discussions et activités aide à maintenir et à développer d’autres logiciels Quorvane.</translation>
    </message>
    <message>
        <source>If you enjoyed this program, you will like the other Quorvane Softwares too. They cover astrology, psychic matters, tarot, numerology and the occult, and they are simple, fun and informative. Share them with your friends and family!</source>
        <translation>Si vous avez aimé ce programme, vous aimerez aussi les autres logiciels Quorvane. Ils traitent d’astrologie, de voyance, de tarot, de numérologie et d’occultisme, et sont simples, ludiques et instructifs. Partagez-les avec vos amis et votre famille&#x202f;!</translation>
    </message>
</context>
<context>
    <name>document::DocumentFile</name>
    <message>
        <source>“%1” could not be saved: %2.</source>
        <translation>«&#xa0;%1&#xa0;» n’a pas pu être enregistré&#xa0;: %2.</translation>
    </message>
    <message>
        <source>a folder of that name is in its place</source>
        <translation>un dossier du même nom occupe son emplacement</translation>
    </message>
</context>
<context>
    <name>document::ReadingDocument</name>
    <message>
        <source>Latin Name</source>
        <translation>Nom latin</translation>
    </message>
    <message>
        <source>Designation</source>
        <translation>Désignation</translation>
    </message>
    <message>
        <source>Gemstone</source>
        <translation>Pierre</translation>
    </message>
    <message>
        <source>Plant</source>
        <translation>Plante</translation>
    </message>
    <message>
        <source>Keywords</source>
        <translation>Mots-clés</translation>
    </message>
    <message>
        <source>Effect</source>
        <translation>Effet</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>Ruling Planet</source>
        <translation>Planète maîtresse</translation>
    </message>
    <message>
        <source>Direction</source>
        <translation>Direction</translation>
    </message>
    <message>
        <source>Angel</source>
        <translation>Ange</translation>
    </message>
    <message>
        <source>%1 %2, %3</source>
        <extracomment>A date of birth: %1 the month&apos;s name, %2 the day, %3 the year, in the order and form of the language (&quot;10. Dezember 1815&quot;, &quot;10 de diciembre de 1815&quot;).</extracomment>
        <translation>%2 %1 %3</translation>
    </message>
    <message>
        <source>Asterine Results</source>
        <translation>Résultats d’Asterine</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Date of Birth</source>
        <translation>Date de naissance</translation>
    </message>
    <message>
        <source>Time of Birth</source>
        <translation>Heure de naissance</translation>
    </message>
    <message>
        <source>Place of Birth</source>
        <translation>Lieu de naissance</translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation>Latitude</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>Longitude</translation>
    </message>
    <message>
        <source>Year for the Catalogue</source>
        <translation>Année du catalogue</translation>
    </message>
    <message>
        <source>Fixed Star</source>
        <translation>Étoile fixe</translation>
    </message>
    <message>
        <source>Made with Asterine %1 on %2</source>
        <translation>Réalisé avec Asterine %1 le %2</translation>
    </message>
    <message>
        <source>Reading</source>
        <translation>Interprétation</translation>
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
        <translation>E</translation>
    </message>
    <message>
        <source>W</source>
        <comment>west</comment>
        <extracomment>The letter for west after a longitude, as in 0° 7′ 39″ W.</extracomment>
        <translation>O</translation>
    </message>
    <message>
        <source>Sky</source>
        <translation>Ciel</translation>
    </message>
</context>
<context>
    <name>document::Sky</name>
    <message>
        <source>Ascendant</source>
        <translation>Ascendant</translation>
    </message>
    <message>
        <source>Midheaven</source>
        <translation>Milieu du Ciel</translation>
    </message>
    <message>
        <source>Descendant</source>
        <translation>Descendant</translation>
    </message>
    <message>
        <source>Imum Coeli</source>
        <translation>Fond du Ciel</translation>
    </message>
    <message>
        <source>rises</source>
        <extracomment>A paran: the star or body rises.</extracomment>
        <translation>se lève</translation>
    </message>
    <message>
        <source>culminates</source>
        <extracomment>A paran: the star or body culminates (crosses the meridian, highest).</extracomment>
        <translation>culmine</translation>
    </message>
    <message>
        <source>sets</source>
        <translation>se couche</translation>
    </message>
    <message>
        <source>anti-culminates</source>
        <extracomment>A paran: the star or body crosses the meridian at its lowest.</extracomment>
        <translation>passe au méridien inférieur</translation>
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
        <translation>Circumpolaire : au-dessus de l’horizon toute la journée</translation>
    </message>
    <message>
        <source>Rises and sets</source>
        <translation>Se lève et se couche</translation>
    </message>
    <message>
        <source>Never rises</source>
        <translation>Ne se lève jamais</translation>
    </message>
    <message>
        <source>%1, altitude %2, azimuth %3</source>
        <extracomment>When the star culminates: %1 the time, %2 its altitude, %3 its azimuth.</extracomment>
        <translation>%1, hauteur %2, azimut %3</translation>
    </message>
    <message>
        <source>%1, azimuth %2</source>
        <extracomment>When the star rises or sets: %1 the time, %2 the azimuth.</extracomment>
        <translation>%1, azimut %2</translation>
    </message>
    <message>
        <source>Not that day: above the horizon all day</source>
        <translation>Pas ce jour-là : au-dessus de l’horizon toute la journée</translation>
    </message>
    <message>
        <source>Not that day: below the horizon all day</source>
        <translation>Pas ce jour-là : au-dessous de l’horizon toute la journée</translation>
    </message>
    <message>
        <source>Not that day</source>
        <translation>Pas ce jour-là</translation>
    </message>
    <message>
        <source>Always visible: seen on every night of the year</source>
        <translation>Toujours visible : vue chaque nuit de l’année</translation>
    </message>
    <message>
        <source>Never visible: it never rises here</source>
        <translation>Jamais visible : elle ne se lève jamais ici</translation>
    </message>
    <message>
        <source>Arising and lying hidden: last seen in the evening on %1, seen again in the morning on %2, hidden for %3 nights</source>
        <extracomment>The star&apos;s phase: %1 the day of its heliacal setting, %2 that of its heliacal rising, %3 the number of nights between them.</extracomment>
        <translation>Se levant et restant cachée : vue pour la dernière fois le soir du %1, revue le matin du %2, cachée pendant %3 nuits</translation>
    </message>
    <message>
        <source>Curtailed passage: seen on every night; from %1 to %2 only on its passage, neither rising nor setting in the dark</source>
        <extracomment>The star&apos;s phase: %1 and %2 the first and last nights on which it is seen neither rising nor setting.</extracomment>
        <translation>Passage écourté : vue chaque nuit ; du %1 au %2 seulement pendant son passage, sans se lever ni se coucher dans l’obscurité</translation>
    </message>
    <message>
        <source>Curtailed passage: seen on every night of the year</source>
        <translation>Passage écourté : vue chaque nuit de l’année</translation>
    </message>
    <message>
        <source>None: the catalogue gives it no magnitude</source>
        <translation>Aucune : le catalogue ne lui donne pas de magnitude</translation>
    </message>
    <message>
        <source>%1 in the Sky</source>
        <extracomment>The heading of the reading&apos;s star in the real sky: %1 its name.</extracomment>
        <translation>%1 dans le ciel</translation>
    </message>
    <message>
        <source>The star catalogue has no entry for %1: its place in the sky is not known.</source>
        <translation>Le catalogue d’étoiles n’a pas d’entrée pour %1 : sa place dans le ciel n’est pas connue.</translation>
    </message>
    <message>
        <source>Its place is that of the middle of %1.</source>
        <translation>Sa place est celle du milieu de l’année %1.</translation>
    </message>
    <message>
        <source>Right Ascension</source>
        <translation>Ascension droite</translation>
    </message>
    <message>
        <source>Declination</source>
        <translation>Déclinaison</translation>
    </message>
    <message>
        <source>Ecliptic Longitude</source>
        <translation>Longitude écliptique</translation>
    </message>
    <message>
        <source>Magnitude</source>
        <translation>Magnitude</translation>
    </message>
    <message>
        <source>not given</source>
        <translation>non indiquée</translation>
    </message>
    <message>
        <source>Visibility</source>
        <extracomment>How the star stands to the horizon: %1 that, %2 the latitude (&quot;51°30′ N&quot;).</extracomment>
        <translation>Visibilité</translation>
    </message>
    <message>
        <source>%1 at %2</source>
        <translation>%1 à %2</translation>
    </message>
    <message>
        <source>Rises</source>
        <translation>Lever</translation>
    </message>
    <message>
        <source>Culminates</source>
        <translation>Culmination</translation>
    </message>
    <message>
        <source>Sets</source>
        <translation>Coucher</translation>
    </message>
    <message>
        <source>At Birth</source>
        <extracomment>Where the star stood at the moment of birth: %1 its altitude, %2 its azimuth.</extracomment>
        <translation>À la naissance</translation>
    </message>
    <message>
        <source>altitude %1, azimuth %2</source>
        <translation>hauteur %1, azimut %2</translation>
    </message>
    <message>
        <source>Phase in %1</source>
        <translation>Phase en %1</translation>
    </message>
    <message>
        <source>Bodies at Birth</source>
        <translation>Astres à la naissance</translation>
    </message>
    <message>
        <source>Conjunctions within %1</source>
        <extracomment>The heading of the stars near a body or an angle: %1 the orb (&quot;1°&quot;).</extracomment>
        <translation>Conjonctions à moins de %1</translation>
    </message>
    <message>
        <source>%1 with %2</source>
        <extracomment>A star in conjunction: %1 the star, %2 the body or angle.</extracomment>
        <translation>%1 avec %2</translation>
    </message>
    <message>
        <source>orb %1, %2</source>
        <extracomment>%1 the distance in longitude, %2 the star&apos;s place.</extracomment>
        <translation>orbe %1, %2</translation>
    </message>
    <message>
        <source>No star of the catalogue is within the orb of a body or an angle.</source>
        <translation>Aucune étoile du catalogue n’est dans l’orbe d’un astre ou d’un angle.</translation>
    </message>
    <message>
        <source>More</source>
        <translation>Autres</translation>
    </message>
    <message>
        <source>%1 wider conjunctions</source>
        <translation>%1 conjonctions plus larges</translation>
    </message>
    <message>
        <source>Parans within %1 Minutes</source>
        <extracomment>The heading of the parans: %1 the tolerance in minutes.</extracomment>
        <translation>Parans à moins de %1 minutes</translation>
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
        <translation>%1, à %2 minutes d’écart</translation>
    </message>
    <message>
        <source>All Parans of the Day</source>
        <extracomment>How many parans the day holds: %1 all of them, %2 those of the reading&apos;s star %3.</extracomment>
        <translation>Tous les parans du jour</translation>
    </message>
    <message>
        <source>%1, of which %2 with %3</source>
        <translation>%1, dont %2 avec %3</translation>
    </message>
    <message>
        <source>Without the date and the time of birth, the bodies, the angles, the conjunctions and the star at the moment of birth are left out.</source>
        <translation>Sans la date et l’heure de naissance, les astres, les angles, les conjonctions et l’étoile au moment de la naissance sont omis.</translation>
    </message>
    <message>
        <source>Without the zone the birthplace&apos;s clocks kept, the bodies, the angles, the conjunctions, the star at the moment of birth, its day and the parans are left out.</source>
        <translation>Sans le fuseau horaire du lieu de naissance, les astres, les angles, les conjonctions, l’étoile au moment de la naissance, sa journée et les parans sont omis.</translation>
    </message>
    <message>
        <source>Without the longitude of the birthplace, the Ascendant, the Midheaven, the star&apos;s day and the parans are left out.</source>
        <translation>Sans la longitude du lieu de naissance, l’Ascendant, le Milieu du Ciel, la journée de l’étoile et les parans sont omis.</translation>
    </message>
    <message>
        <source>Without the zone the birthplace&apos;s clocks kept, the star&apos;s day and the parans are left out.</source>
        <translation>Sans le fuseau horaire du lieu de naissance, la journée de l’étoile et les parans sont omis.</translation>
    </message>
    <message>
        <source>Without the date of birth, the star&apos;s day and the parans are left out.</source>
        <translation>Sans la date de naissance, la journée de l’étoile et les parans sont omis.</translation>
    </message>
</context>
<context>
    <name>people::Csv</name>
    <message>
        <source>%1 fields, where the header has %2</source>
        <translation>%1 champs, alors que l’en-tête en a %2</translation>
    </message>
    <message>
        <source>the text is not UTF-8 (save the file as UTF-8)</source>
        <translation>le texte n’est pas en UTF-8 (enregistrez le fichier en UTF-8)</translation>
    </message>
    <message>
        <source>the name is empty</source>
        <translation>le nom est vide</translation>
    </message>
    <message>
        <source>the date “%1” is not written YYYY-MM-DD</source>
        <translation>la date «&#xa0;%1&#xa0;» n’est pas au format YYYY-MM-DD</translation>
    </message>
    <message>
        <source>the year %1 is not one from %2 to %3</source>
        <translation>l’année %1 n’est pas comprise entre %2 et %3</translation>
    </message>
    <message>
        <source>“%1” is not a date</source>
        <translation>«&#xa0;%1&#xa0;» n’est pas une date</translation>
    </message>
    <message>
        <source>%1 %2 %3 is not a date</source>
        <translation>le %1 %2 %3 n’est pas une date valide</translation>
    </message>
    <message>
        <source>the time “%1” is not HH:MM:SS</source>
        <translation>l’heure «&#xa0;%1&#xa0;» n’est pas au format HH:MM:SS</translation>
    </message>
    <message>
        <source>latitude degrees</source>
        <translation>degrés de latitude</translation>
    </message>
    <message>
        <source>latitude minutes</source>
        <translation>minutes de latitude</translation>
    </message>
    <message>
        <source>latitude seconds</source>
        <translation>secondes de latitude</translation>
    </message>
    <message>
        <source>longitude degrees</source>
        <translation>degrés de longitude</translation>
    </message>
    <message>
        <source>longitude minutes</source>
        <translation>minutes de longitude</translation>
    </message>
    <message>
        <source>longitude seconds</source>
        <translation>secondes de longitude</translation>
    </message>
    <message>
        <source>the %1 are missing</source>
        <translation>il manque les %1</translation>
    </message>
    <message>
        <source>%1 “%2” are not a number</source>
        <translation>«&#xa0;%2&#xa0;» n’est pas un nombre (%1)</translation>
    </message>
    <message>
        <source>North</source>
        <translation>Nord</translation>
    </message>
    <message>
        <source>South</source>
        <translation>Sud</translation>
    </message>
    <message>
        <source>the latitude&apos;s side “%1” is neither N nor S</source>
        <translation>l’hémisphère «&#xa0;%1&#xa0;» de la latitude n’est ni N ni S</translation>
    </message>
    <message>
        <source>East</source>
        <translation>Est</translation>
    </message>
    <message>
        <source>West</source>
        <translation>West</translation>
    </message>
    <message>
        <source>the longitude&apos;s side “%1” is neither E nor W</source>
        <translation>l’hémisphère «&#xa0;%1&#xa0;» de la longitude n’est ni E ni W</translation>
    </message>
    <message>
        <source>“%1” is not a CSV file of people: it is not text.</source>
        <translation>«&#xa0;%1&#xa0;» n’est pas un fichier CSV de personnes&#xa0;: ce n’est pas du texte.</translation>
    </message>
    <message>
        <source>“%1” is not a CSV file of people: it has no header row.</source>
        <translation>«&#xa0;%1&#xa0;» n’est pas un fichier CSV de personnes&#xa0;: il n’a pas de ligne d’en-tête.</translation>
    </message>
    <message>
        <source>“%1” is not a CSV file of people: its first line is not the header “%2”.</source>
        <translation>«&#xa0;%1&#xa0;» n’est pas un fichier CSV de personnes&#xa0;: sa première ligne n’est pas l’en-tête «&#xa0;%2&#xa0;».</translation>
    </message>
    <message>
        <source>a quoted field is not closed, or goes on after its closing quote</source>
        <translation>un champ entre guillemets n’est pas fermé, ou se poursuit après son guillemet fermant</translation>
    </message>
    <message>
        <source>the name “%1” is also on line %2</source>
        <translation>le nom «&#xa0;%1&#xa0;» figure aussi à la ligne %2</translation>
    </message>
    <message>
        <source>%1 “%2” are longer than 3 digits</source>
        <translation>«&#xa0;%2&#xa0;» a plus de 3 chiffres (%1)</translation>
    </message>
</context>
<context>
    <name>people::PeopleImport</name>
    <message numerus="yes">
        <source>%n of the people in “%1” are saved already: %2.

Replace them? No keeps the saved ones; Cancel imports nobody.</source>
        <translation>
            <numerusform>%n personne de «&#xa0;%1&#xa0;» est déjà enregistrée&#xa0;: %2.

La remplacer&#x202f;? «&#xa0;Non&#xa0;» conserve la personne enregistrée&#x202f;; «&#xa0;Annuler&#xa0;» n’importe personne.</numerusform>
            <numerusform>%n personnes de «&#xa0;%1&#xa0;» sont déjà enregistrées&#xa0;: %2.

Les remplacer&#x202f;? «&#xa0;Non&#xa0;» conserve celles qui sont enregistrées&#x202f;; «&#xa0;Annuler&#xa0;» n’importe personne.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n people imported from “%1”.</source>
        <translation>
            <numerusform>%n personne importée depuis «&#xa0;%1&#xa0;».</numerusform>
            <numerusform>%n personnes importées depuis «&#xa0;%1&#xa0;».</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n rows could not be imported:</source>
        <translation>
            <numerusform>%n ligne n’a pas pu être importée&#xa0;:</numerusform>
            <numerusform>%n lignes n’ont pas pu être importées&#xa0;:</numerusform>
        </translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>ligne %1&#xa0;: %2</translation>
    </message>
    <message numerus="yes">
        <source>and %n more.</source>
        <translation>
            <numerusform>et %n autre.</numerusform>
            <numerusform>et %n autres.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>and %n more</source>
        <translation>
            <numerusform>et %n autre</numerusform>
            <numerusform>et %n autres</numerusform>
        </translation>
    </message>
    <message>
        <source>These columns are not of a person and were passed over: %1.</source>
        <translation>Ces colonnes ne décrivent pas une personne et ont été ignorées&#xa0;: %1.</translation>
    </message>
</context>
<context>
    <name>people::PeopleModel</name>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Date of Birth</source>
        <translation>Date de naissance</translation>
    </message>
    <message>
        <source>Place of Birth</source>
        <translation>Lieu de naissance</translation>
    </message>
    <message>
        <source>Last Used</source>
        <translation>Dernière utilisation</translation>
    </message>
</context>
<context>
    <name>people::PeopleStore</name>
    <message>
        <source>the file or its folder cannot be written to</source>
        <translation>impossible d’écrire dans le fichier ou dans son dossier</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>le disque est plein</translation>
    </message>
    <message>
        <source>the file cannot be opened or made there</source>
        <translation>le fichier ne peut pas y être ouvert ni créé</translation>
    </message>
    <message>
        <source>The people could not be kept in “%1”: %2.</source>
        <translation>Les personnes n’ont pas pu être enregistrées dans «&#xa0;%1&#xa0;»&#xa0;: %2.</translation>
    </message>
    <message>
        <source>its folder cannot be made</source>
        <translation>son dossier ne peut pas être créé</translation>
    </message>
    <message>
        <source>it cannot be read</source>
        <translation>il ne peut pas être lu</translation>
    </message>
    <message>
        <source>it is not an SQLite database, or a damaged one: %1</source>
        <translation>ce n’est pas une base de données SQLite, ou elle est endommagée&#xa0;: %1</translation>
    </message>
    <message>
        <source>it was made by a newer version of Asterine, which this one cannot use</source>
        <translation>il a été créé par une version plus récente d’Asterine, et celle-ci ne peut pas l’utiliser</translation>
    </message>
    <message>
        <source>it holds the tables of another program</source>
        <translation>il contient les tables d’un autre programme</translation>
    </message>
    <message>
        <source>it could not be brought up to date: %1</source>
        <translation>il n’a pas pu être mis à jour&#xa0;: %1</translation>
    </message>
    <message>
        <source>its table of people is not the one Asterine keeps</source>
        <translation>sa table des personnes n’est pas celle qu’utilise Asterine</translation>
    </message>
    <message>
        <source>“%1” is not a store of people that Asterine can use (%2). It is kept, unchanged, as “%3”, and a new, empty store takes its place.</source>
        <translation>«&#xa0;%1&#xa0;» n’est pas un fichier de personnes utilisable par Asterine (%2). Il est conservé tel quel sous le nom «&#xa0;%3&#xa0;», et un nouveau fichier vide le remplace.</translation>
    </message>
    <message>
        <source>“%1” is not a store of people that Asterine can use (%2), and it cannot be set aside; it is left as it is, and no people can be kept until it is moved.</source>
        <translation>«&#xa0;%1&#xa0;» n’est pas un fichier de personnes utilisable par Asterine (%2), et il ne peut pas être mis de côté&#x202f;; il est laissé tel quel, et aucune personne ne pourra être enregistrée tant qu’il n’aura pas été déplacé.</translation>
    </message>
    <message>
        <source>it cannot be opened</source>
        <translation>il ne peut pas être ouvert</translation>
    </message>
    <message>
        <source>the save was cancelled</source>
        <translation>l’enregistrement a été annulé</translation>
    </message>
    <message>
        <source>another program is using it; try again when it is done</source>
        <translation>un autre programme l’utilise&#x202f;; réessayez quand il aura terminé</translation>
    </message>
</context>
<context>
    <name>people::PersonRules</name>
    <message>
        <source>the name is longer than the %L1 characters the Name box takes</source>
        <translation>le nom dépasse les %L1 caractères que la case Nom accepte</translation>
    </message>
    <message>
        <source>the name has “%1” (%2), which the Name box does not take</source>
        <translation>le nom contient «&#xa0;%1&#xa0;» (%2), que la case Nom n’accepte pas</translation>
    </message>
    <message>
        <source>the name has the character %1, which the Name box does not take</source>
        <translation>le nom contient le caractère %1, que la case Nom n’accepte pas</translation>
    </message>
</context>
<context>
    <name>skynames::SkyNames</name>
    <message>
        <source>Aries</source>
        <translation>Bélier</translation>
    </message>
    <message>
        <source>Taurus</source>
        <translation>Taureau</translation>
    </message>
    <message>
        <source>Gemini</source>
        <translation>Gémeaux</translation>
    </message>
    <message>
        <source>Cancer</source>
        <translation>Cancer</translation>
    </message>
    <message>
        <source>Leo</source>
        <translation>Lion</translation>
    </message>
    <message>
        <source>Virgo</source>
        <translation>Vierge</translation>
    </message>
    <message>
        <source>Libra</source>
        <translation>Balance</translation>
    </message>
    <message>
        <source>Scorpio</source>
        <translation>Scorpion</translation>
    </message>
    <message>
        <source>Sagittarius</source>
        <translation>Sagittaire</translation>
    </message>
    <message>
        <source>Capricorn</source>
        <translation>Capricorne</translation>
    </message>
    <message>
        <source>Aquarius</source>
        <translation>Verseau</translation>
    </message>
    <message>
        <source>Pisces</source>
        <translation>Poissons</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>Soleil</translation>
    </message>
    <message>
        <source>Moon</source>
        <translation>Lune</translation>
    </message>
    <message>
        <source>Mercury</source>
        <translation>Mercure</translation>
    </message>
    <message>
        <source>Venus</source>
        <translation>Vénus</translation>
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
        <translation>Saturne</translation>
    </message>
    <message>
        <source>Uranus</source>
        <translation>Uranus</translation>
    </message>
    <message>
        <source>Neptune</source>
        <translation>Neptune</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>sign and degree</comment>
        <extracomment>A place in the zodiac: %1 the sign, %2 its degrees and minutes (&quot;Leo 29°50′&quot;).</extracomment>
        <translation>%1 %2</translation>
    </message>
</context>
</TS>
