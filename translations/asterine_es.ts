<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>Lore</name>
    <message>
        <source>Granite</source>
        <translation>Granito</translation>
    </message>
    <message>
        <source>Ruby / Garnet</source>
        <translation>Rubí / Granate</translation>
    </message>
    <message>
        <source>Sardonyx</source>
        <translation>Sardónice</translation>
    </message>
    <message>
        <source>Diamond</source>
        <translation>Diamante</translation>
    </message>
    <message>
        <source>Emerald</source>
        <translation>Esmeralda</translation>
    </message>
    <message>
        <source>Chrysolite</source>
        <translation>Crisolito</translation>
    </message>
    <message>
        <source>Rock Crystal</source>
        <translation>Cristal de roca</translation>
    </message>
    <message>
        <source>Chalcedony</source>
        <translation>Calcedonia</translation>
    </message>
    <message>
        <source>Beryl</source>
        <translation>Berilo</translation>
    </message>
    <message>
        <source>Sapphire</source>
        <translation>Zafiro</translation>
    </message>
    <message>
        <source>Agate</source>
        <translation>Ágata</translation>
    </message>
    <message>
        <source>Magnet</source>
        <translation>Piedra imán</translation>
    </message>
    <message>
        <source>Jasper</source>
        <translation>Jaspe</translation>
    </message>
    <message>
        <source>Topaz</source>
        <translation>Topacio</translation>
    </message>
    <message>
        <source>Onyx</source>
        <translation>Ónice</translation>
    </message>
    <message>
        <source>mugwort</source>
        <translation>artemisa</translation>
    </message>
    <message>
        <source>milk thistle</source>
        <translation>cardo mariano</translation>
    </message>
    <message>
        <source>birthwort</source>
        <translation>aristoloquia</translation>
    </message>
    <message>
        <source>Black hellebore</source>
        <translation>Eléboro negro</translation>
    </message>
    <message>
        <source>Sage</source>
        <translation>Salvia</translation>
    </message>
    <message>
        <source>winter savory</source>
        <translation>ajedrea de montaña</translation>
    </message>
    <message>
        <source>fennel</source>
        <translation>hinojo</translation>
    </message>
    <message>
        <source>marjoram</source>
        <translation>mejorana</translation>
    </message>
    <message>
        <source>juniper</source>
        <translation>enebro</translation>
    </message>
    <message>
        <source>thyme</source>
        <translation>tomillo</translation>
    </message>
    <message>
        <source>water buttercup</source>
        <translation>ranúnculo acuático</translation>
    </message>
    <message>
        <source>succory</source>
        <translation>achicoria</translation>
    </message>
    <message>
        <source>plantain</source>
        <translation>llantén</translation>
    </message>
    <message>
        <source>rosemary</source>
        <translation>romero</translation>
    </message>
    <message>
        <source>burdock</source>
        <translation>bardana</translation>
    </message>
    <message>
        <source>Leo 29°50&apos;</source>
        <translation>Leo 29°50&apos;</translation>
    </message>
    <message>
        <source>Gemini 09°47&apos;</source>
        <translation>Géminis 09°47&apos;</translation>
    </message>
    <message>
        <source>Sagittarius 09°46&apos;</source>
        <translation>Sagitario 09°46&apos;</translation>
    </message>
    <message>
        <source>Pisces 03°52&apos;</source>
        <translation>Piscis 03°52&apos;</translation>
    </message>
    <message>
        <source>Taurus 26°10&apos;</source>
        <translation>Tauro 26°10&apos;</translation>
    </message>
    <message>
        <source>Gemini 00°00&apos;</source>
        <translation>Géminis 00°00&apos;</translation>
    </message>
    <message>
        <source>Libra 09°56</source>
        <translation>Libra 09°56</translation>
    </message>
    <message>
        <source>Libra 23°50&apos;</source>
        <translation>Libra 23°50&apos;</translation>
    </message>
    <message>
        <source>Capricorn 15°19</source>
        <translation>Capricornio 15°19</translation>
    </message>
    <message>
        <source>Pisces 29°22&apos;</source>
        <translation>Piscis 29°22&apos;</translation>
    </message>
    <message>
        <source>Jupiter And Mars</source>
        <translation>Júpiter y Marte</translation>
    </message>
    <message>
        <source>Mars And Venus</source>
        <translation>Marte y Venus</translation>
    </message>
    <message>
        <source>Venus And Jupiter</source>
        <translation>Venus y Júpiter</translation>
    </message>
    <message>
        <source>Saturn And Jupiter</source>
        <translation>Saturno y Júpiter</translation>
    </message>
    <message>
        <source>Venus And Mercury</source>
        <translation>Venus y Mercurio</translation>
    </message>
    <message>
        <source>Mercury And Venus</source>
        <translation>Mercurio y Venus</translation>
    </message>
    <message>
        <source>Moon And Mars</source>
        <translation>Luna y Marte</translation>
    </message>
    <message>
        <source>Saturn And Mercury</source>
        <translation>Saturno y Mercurio</translation>
    </message>
    <message>
        <source>Venus</source>
        <translation>Venus</translation>
    </message>
    <message>
        <source>Jupiter And Saturn</source>
        <translation>Júpiter y Saturno</translation>
    </message>
    <message>
        <source>Mercury And Mars</source>
        <translation>Mercurio y Marte</translation>
    </message>
    <message>
        <source>Venus And Moon</source>
        <translation>Venus y Luna</translation>
    </message>
    <message>
        <source>Mars And Jupiter</source>
        <translation>Marte y Júpiter</translation>
    </message>
    <message>
        <source>Venus And Mars</source>
        <translation>Venus y Marte</translation>
    </message>
    <message>
        <source>Saturn And Mars</source>
        <translation>Saturno y Marte</translation>
    </message>
    <message>
        <source>Independence, Leadership, Success</source>
        <translation>Independencia, liderazgo, éxito</translation>
    </message>
    <message>
        <source>Knowledge, Strength, Honor</source>
        <translation>Conocimiento, fuerza, honor</translation>
    </message>
    <message>
        <source>Danger, Differences, Violence</source>
        <translation>Peligro, desavenencias, violencia</translation>
    </message>
    <message>
        <source>Good or Bad Luck</source>
        <translation>Buena o mala suerte</translation>
    </message>
    <message>
        <source>Bad Luck, Misfortune, Violence</source>
        <translation>Mala suerte, desgracia, violencia</translation>
    </message>
    <message>
        <source>Love, Emotions, Sadness</source>
        <translation>Amor, emociones, tristeza</translation>
    </message>
    <message>
        <source>Disgrace, Falseness, Loneliness</source>
        <translation>Deshonra, falsedad, soledad</translation>
    </message>
    <message>
        <source>Prosperity, Success, Brashness</source>
        <translation>Prosperidad, éxito, impetuosidad</translation>
    </message>
    <message>
        <source>Good Luck, Fortunes, Hope</source>
        <translation>Buena suerte, fortuna, esperanza</translation>
    </message>
    <message>
        <source>Extreme Bad Luck, Misfortunes</source>
        <translation>Mala suerte extrema, desgracias</translation>
    </message>
    <message>
        <source>Accidents, Bad Vibes, Violence</source>
        <translation>Accidentes, malas vibraciones, violencia</translation>
    </message>
    <message>
        <source>Joy, Wisdom, Glory</source>
        <translation>Alegría, sabiduría, gloria</translation>
    </message>
    <message>
        <source>Pride, Ambition, Wealth, Danger</source>
        <translation>Orgullo, ambición, riqueza, peligro</translation>
    </message>
    <message>
        <source>Curious, Open Minded, Strong</source>
        <translation>Curiosidad, mente abierta, fortaleza</translation>
    </message>
    <message>
        <source>Bad Luck, Violence, Evaporation</source>
        <translation>Mala suerte, violencia, evaporación</translation>
    </message>
    <message>
        <source>Troubles, Losses, Ill-Health</source>
        <translation>Problemas, pérdidas, mala salud</translation>
    </message>
    <message>
        <source>Inspiration, Riches, Fame, Popularity</source>
        <translation>Inspiración, riquezas, fama, popularidad</translation>
    </message>
    <message>
        <source>Dignity, Literacy, Brilliance, Scandals</source>
        <translation>Dignidad, erudición, brillantez, escándalos</translation>
    </message>
    <message>
        <source>Extreme Good Luck or Bad Luck</source>
        <translation>Suerte extrema, buena o mala</translation>
    </message>
    <message>
        <source>You can hope to accomplish all your goals. You may become famous in your professional life.</source>
        <translation>Puede aspirar a cumplir todas sus metas. Es posible que alcance la fama en su vida profesional.</translation>
    </message>
    <message>
        <source>This star has an effect of bestowing courage, intelligence and honor in whichever part of the birth chart it is present in. </source>
        <translation>Esta estrella otorga valor, inteligencia y honor en cualquier parte de la carta natal en que se encuentre. </translation>
    </message>
    <message>
        <source>You will be very emotional and easily get into fights because of your brash nature.</source>
        <translation>Será muy emocional y, por su carácter impetuoso, se meterá fácilmente en peleas.</translation>
    </message>
    <message>
        <source>You will have a lot of creative mental energy which may be positive or negative.</source>
        <translation>Tendrá mucha energía mental creativa, que puede ser positiva o negativa.</translation>
    </message>
    <message>
        <source>You will be excessively obsessed with whichever field of the birth chart this star occupies.</source>
        <translation>Sentirá una obsesión excesiva por el área de la carta natal que ocupe esta estrella.</translation>
    </message>
    <message>
        <source>You may face some sadness in life. You will need to let go of being attached to people.</source>
        <translation>Puede que afronte cierta tristeza en la vida. Deberá aprender a no apegarse a las personas.</translation>
    </message>
    <message>
        <source>This star gives you good luck and success in whatever you do.</source>
        <translation>Esta estrella le da buena suerte y éxito en todo lo que haga.</translation>
    </message>
    <message>
        <source>This star shows your idealistic, optimistic and positive way of dealing with things.</source>
        <translation>Esta estrella muestra su manera idealista, optimista y positiva de afrontar las cosas.</translation>
    </message>
    <message>
        <source>You will be prone to looking at the negative part of any situation than looking at the positive side.</source>
        <translation>Tenderá a fijarse más en el lado negativo de cualquier situación que en el positivo.</translation>
    </message>
    <message>
        <source>You have a tendency to day dream and will enjoy poetry and fantasies.</source>
        <translation>Tiende a soñar con los ojos abiertos y disfrutará de la poesía y la fantasía.</translation>
    </message>
    <message>
        <source>This is also known as the Dog Star. This shows that you may advance much farther in life than you have expected if you put in the hard work.</source>
        <translation>También se la conoce como la Estrella del Perro. Indica que, si se esfuerza, puede llegar en la vida mucho más lejos de lo que esperaba.</translation>
    </message>
    <message>
        <source>You will have a love for learning and will be studious. You will succeed in material enterprises.</source>
        <translation>Sentirá amor por el aprendizaje y una gran afición al estudio. Tendrá éxito en sus empresas materiales.</translation>
    </message>
    <message>
        <source>This star will make you hasty, jealous and stubborn. It will also give you a sharp and active mind.</source>
        <translation>Esta estrella hará de usted una persona precipitada, celosa y obstinada. También le dará una mente aguda y activa.</translation>
    </message>
    <message>
        <source>This star causes a lot of sickness and problems. It may give you spiritual powers and you will be respected.</source>
        <translation>Esta estrella causa muchas enfermedades y problemas. Puede otorgarle poderes espirituales y gozará de respeto.</translation>
    </message>
    <message>
        <source>You will accomplish a lot on life and will be successful and prosperous. But you may also strive to acquire justice through power.</source>
        <translation>Logrará mucho en la vida y tendrá éxito y prosperidad. Pero también puede que intente obtener justicia por medio del poder.</translation>
    </message>
    <message>
        <source>You may have artistic abilities. You will be dignified and honorable. You may be tempted to fall into bad company.</source>
        <translation>Puede tener dotes artísticas. Será una persona digna y honorable. Quizá sienta la tentación de caer en malas compañías.</translation>
    </message>
    <message>
        <source>You may be very aggressive by nature. You may be patient and understanding or selfish and crafty.</source>
        <translation>Puede tener un carácter muy agresivo. Puede ser una persona paciente y comprensiva, o egoísta y astuta.</translation>
    </message>
    <message>
        <source>Raphael</source>
        <translation>Rafael</translation>
    </message>
    <message>
        <source>Michael</source>
        <translation>Miguel</translation>
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
        <translation>Norte</translation>
    </message>
    <message>
        <source>East</source>
        <translation>Este</translation>
    </message>
    <message>
        <source>West</source>
        <translation>Oeste</translation>
    </message>
    <message>
        <source>South</source>
        <translation>Sur</translation>
    </message>
    <message>
        <source>NA</source>
        <translation>N/D</translation>
    </message>
    <message>
        <source>Interpretation for this Fixed Star will be included in the next version.</source>
        <translation>La interpretación de esta estrella fija se incluirá en la próxima versión.</translation>
    </message>
</context>
<context>
    <name>SkyChart</name>
    <message>
        <source>The picture could not be saved to %1: %2</source>
        <translation>No se pudo guardar la imagen en %1: %2</translation>
    </message>
    <message>
        <source>the size is empty</source>
        <translation>el tamaño está vacío</translation>
    </message>
    <message>
        <source>the picture is too large</source>
        <translation>la imagen es demasiado grande</translation>
    </message>
    <message>
        <source>the PDF could not be started</source>
        <translation>no se pudo iniciar el PDF</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Ascendant: %1</source>
        <translation>Ascendente: %1</translation>
    </message>
    <message>
        <source>Midheaven: %1</source>
        <translation>Medio cielo: %1</translation>
    </message>
    <message>
        <source>The reading&apos;s star, %1: %2</source>
        <translation>La estrella de la lectura, %1: %2</translation>
    </message>
    <message>
        <source>Star %1: %2</source>
        <translation>Estrella %1: %2</translation>
    </message>
    <message>
        <source>%1, in conjunction with %2</source>
        <translation>%1, en conjunción con %2</translation>
    </message>
    <message>
        <source>%1 rises at %2, azimuth %3°</source>
        <translation>%1 sale a las %2, acimut %3°</translation>
    </message>
    <message>
        <source>%1 does not rise that day</source>
        <translation>%1 no sale ese día</translation>
    </message>
    <message>
        <source>%1 culminates at %2, altitude %3°</source>
        <translation>%1 culmina a las %2, altura %3°</translation>
    </message>
    <message>
        <source>%1 sets at %2, azimuth %3°</source>
        <translation>%1 se pone a las %2, acimut %3°</translation>
    </message>
    <message>
        <source>%1 does not set that day</source>
        <translation>%1 no se pone ese día</translation>
    </message>
    <message>
        <source>At the birth, %1: %2 at altitude %3°, azimuth %4°</source>
        <translation>En el nacimiento, %1: %2 a %3° de altura, acimut %4°</translation>
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
        <translation>sale %1</translation>
    </message>
    <message>
        <source>culminates %1</source>
        <translation>culmina %1</translation>
    </message>
    <message>
        <source>sets %1</source>
        <translation>se pone %1</translation>
    </message>
    <message>
        <source>birth %1</source>
        <translation>nacimiento %1</translation>
    </message>
    <message>
        <source>%1 stays above the horizon all day</source>
        <translation>%1 permanece sobre el horizonte todo el día</translation>
    </message>
    <message>
        <source>%1 stays below the horizon all day</source>
        <translation>%1 permanece bajo el horizonte todo el día</translation>
    </message>
    <message>
        <source>The sky over the birthplace on the birth day</source>
        <translation>El cielo sobre el lugar de nacimiento el día del nacimiento</translation>
    </message>
    <message>
        <source>The birthplace and the day of birth are needed for the sky over the birthplace.</source>
        <translation>Para el cielo sobre el lugar de nacimiento hacen falta el lugar y el día del nacimiento.</translation>
    </message>
    <message>
        <source>The time of birth is needed for the bodies.</source>
        <translation>Para los astros hace falta la hora de nacimiento.</translation>
    </message>
</context>
<context>
    <name>asterine</name>
    <message>
        <source>Application is already running</source>
        <translation>La aplicación ya está en ejecución</translation>
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
        <translation>Esta copia de Asterine no puede escribir imágenes SVG; guarde la carta astral como PNG.</translation>
    </message>
</context>
<context>
    <name>asterine::ChartSizeDialog</name>
    <message>
        <source>Size of the PNG Picture</source>
        <translation>Tamaño de la imagen PNG</translation>
    </message>
    <message>
        <source>Width in pixels</source>
        <translation>Ancho en píxeles</translation>
    </message>
    <message>
        <source>&amp;Width in pixels:</source>
        <translation>&amp;Ancho en píxeles:</translation>
    </message>
    <message>
        <source>Height in pixels:</source>
        <translation>Alto en píxeles:</translation>
    </message>
    <message>
        <source>Height in pixels: %1</source>
        <translation>Alto en píxeles: %1</translation>
    </message>
</context>
<context>
    <name>asterine::CommandLine</name>
    <message>
        <source>asterine reading: %1 Try “asterine --help”.
</source>
        <translation>asterine reading: %1 Pruebe «asterine --help».
</translation>
    </message>
    <message>
        <source>asterine reading: “%1” is not an option. Try “asterine --help”.
</source>
        <translation>asterine reading: «%1» no es una opción. Pruebe «asterine --help».
</translation>
    </message>
    <message>
        <source>asterine reading: --%1 is given more than once.
</source>
        <translation>asterine reading: --%1 se ha indicado más de una vez.
</translation>
    </message>
    <message>
        <source>asterine: “%1” is not a command. Try “asterine --help”.
</source>
        <translation>asterine: «%1» no es un comando. Pruebe «asterine --help».
</translation>
    </message>
    <message>
        <source>asterine: standard output cannot be written: %1.
</source>
        <translation>asterine: no se puede escribir en la salida estándar: %1.
</translation>
    </message>
    <message>
        <source>Copyright © 2026 Quorvane Softwares.
License GPLv3+: GNU GPL version 3 or later &lt;https://gnu.org/licenses/gpl.html&gt;.
This is free software: you are free to change and redistribute it.
There is NO WARRANTY, to the extent permitted by law.
</source>
        <translation>Copyright © 2026 Quorvane Softwares.
Licencia GPLv3+: GNU GPL versión 3 o posterior &lt;https://gnu.org/licenses/gpl.html&gt;.
Esto es software libre: usted es libre de modificarlo y redistribuirlo.
NO hay NINGUNA GARANTÍA, en la medida en que lo permita la ley.
</translation>
    </message>
    <message>
        <source>asterine: unknown option “%1”. Try “asterine --help”.
</source>
        <translation>asterine: opción desconocida «%1». Pruebe «asterine --help».
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
        <translation>Uso: asterine [OPCIÓN-QT...]
     asterine reading (--latitude LATITUD | --place LUGAR)
                      (--year AÑO | --date YYYY-MM-DD)
                      [--longitude LONGITUD] [--name NOMBRE] [--format text|json]
                      [--time HH:MM[:SS] [--zone ZONA] [--offset ±HH:MM]
                      [--dst yes|no]] [--orb GRADOS] [--paran-minutes MINUTOS]
                      [--chart ARCHIVO.svg|ARCHIVO.png [--chart-size PÍXELES]]
     asterine --help | --version

Sin un comando, Asterine abre su ventana; se le aplican las opciones propias
de Qt, como -platform y -style.

reading    muestra la lectura de la estrella fija para una latitud y un año,
           tal como la presenta la ventana de resultados, pero sin ventana
  --latitude LATITUD      51:30:26N, 51 30 N, 51°30.5′N, N51.5 o -33.87
  --longitude LONGITUD    0:07:39W, 0 7 39 W, 0°7.65′W, W0.13 o 151.21
  --year AÑO              de 1900 a 2050
  --date YYYY-MM-DD       la fecha de nacimiento; el año se toma de ella
  --name NOMBRE           letras y espacios
  --place LUGAR           un lugar del atlas sin conexión, como «Pune» o
                          «London, Canada»; se toman su latitud y su longitud
                          cuando no se dan --latitude ni --longitude
  --time HH:MM[:SS]       la hora de nacimiento; necesita --date y una zona
  --zone ZONA             la zona que seguían los relojes: Europe/Berlin, LMT
                          (el tiempo medio local de la longitud) o UTC+05:30;
                          con --place, la del lugar si no se da
  --offset ±HH:MM         el desfase de UTC en vigor, antes que el de la zona
  --dst yes|no            si regía el horario de verano, para una hora que la
                          zona saltó o mostró dos veces
  --orb GRADOS            el orbe de las conjunciones, de 0 a 10 (por omisión 1)
  --paran-minutes MINUTOS la tolerancia de los paranes, 0 a 60 (por omisión 4)
  --chart ARCHIVO         escribe la rueda del cielo natal, en SVG o PNG según
                          la extensión del archivo
  --chart-size PÍXELES    su ancho y alto, de 200 a 8000 (por omisión 1000)
  --format text|json      text (el predeterminado) o un único objeto JSON

Estado de salida: 0 si hay lectura; 1 si no se puede escribir la salida o la
carta; 2 si se rechazan los datos o una opción es desconocida; 3 si --place no
encuentra ningún lugar o no hay atlas. Véase asterine(1).
</translation>
    </message>
</context>
<context>
    <name>asterine::FileMenu</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
</context>
<context>
    <name>asterine::FrmAbout</name>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website.</source>
        <translation>Oportunidad de negocio desde casa. Cree su propio negocio en Internet y gane dinero en línea. Obtenga este programa con la marca de su sitio web.</translation>
    </message>
    <message>
        <source>Click here for more details</source>
        <translation>Haga clic aquí para más información</translation>
    </message>
    <message>
        <source>Click here to visit %1</source>
        <translation>Haga clic aquí para visitar %1</translation>
    </message>
    <message>
        <source>Copyright © 2026 Quorvane Softwares.
Asterine is free software: you may convey and modify it under the terms of the GNU General Public License, version 3 or any later version. It comes with ABSOLUTELY NO WARRANTY. Choose Licence to read the licence.</source>
        <translation>Copyright © 2026 Quorvane Softwares.
Asterine es software libre: puede distribuirlo y modificarlo según los términos de la Licencia Pública General de GNU, versión 3 o cualquier versión posterior. Se ofrece SIN NINGUNA GARANTÍA. Elija «Licencia» para leer la licencia.</translation>
    </message>
    <message>
        <source>Places: GeoNames, CC BY 4.0</source>
        <translation>Lugares: GeoNames, CC BY 4.0</translation>
    </message>
    <message>
        <source>&amp;Licence</source>
        <translation>&amp;Licencia</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <source>Stars: the catalogue sefstars.txt of swe-basic-data, CC0-1.0</source>
        <translation>Estrellas: el catálogo sefstars.txt de swe-basic-data, CC0-1.0</translation>
    </message>
    <message>
        <source>The sky is worked out with ERFA, BSD-3-Clause</source>
        <translation>El cielo se calcula con ERFA, BSD-3-Clause</translation>
    </message>
</context>
<context>
    <name>asterine::FrmBrowser</name>
    <message>
        <source>The built-in browser is not installed.</source>
        <translation>El navegador integrado no está instalado.</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Atrás</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Adelante</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Detener</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Actualizar</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Inicio</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Buscar</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Visit the Quorvane forum at %1</source>
        <translation>Visite el foro de Quorvane en %1</translation>
    </message>
    <message>
        <source>Also from Quorvane Softwares: numerology, tarot and more</source>
        <translation>También de Quorvane Softwares: numerología, tarot y más</translation>
    </message>
    <message>
        <source>&amp;Address:</source>
        <translation>&amp;Dirección:</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Dirección</translation>
    </message>
    <message>
        <source>Working...</source>
        <translation>Cargando...</translation>
    </message>
    <message>
        <source>This page stopped working.</source>
        <translation>Esta página ha dejado de funcionar.</translation>
    </message>
    <message>
        <source>Refresh loads it again; Home opens the home page.</source>
        <translation>«Actualizar» la vuelve a cargar; «Inicio» abre la página de inicio.</translation>
    </message>
</context>
<context>
    <name>asterine::FrmDisplay</name>
    <message>
        <source>Latin Name</source>
        <translation>Nombre latino</translation>
    </message>
    <message>
        <source>Designation</source>
        <translation>Designación</translation>
    </message>
    <message>
        <source>Gemstone</source>
        <translation>Piedra</translation>
    </message>
    <message>
        <source>Plant</source>
        <translation>Planta</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Posición</translation>
    </message>
    <message>
        <source>Ruling Planet</source>
        <translation>Planeta regente</translation>
    </message>
    <message>
        <source>Keywords</source>
        <translation>Palabras clave</translation>
    </message>
    <message>
        <source>Effect</source>
        <translation>Efecto</translation>
    </message>
    <message>
        <source>Angel</source>
        <translation>Ángel</translation>
    </message>
    <message>
        <source>Direction</source>
        <translation>Dirección</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Volver</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Imprimir...</translation>
    </message>
    <message>
        <source>Print Pre&amp;view...</source>
        <translation>Vista &amp;previa de impresión...</translation>
    </message>
    <message>
        <source>&amp;Export as PDF...</source>
        <translation>&amp;Exportar como PDF...</translation>
    </message>
    <message>
        <source>&amp;Save as Text...</source>
        <translation>&amp;Guardar como texto...</translation>
    </message>
    <message>
        <source>&amp;Copy Reading</source>
        <translation>&amp;Copiar lectura</translation>
    </message>
    <message>
        <source>&amp;Check for Software Update</source>
        <translation>&amp;Buscar actualizaciones</translation>
    </message>
    <message>
        <source>Asterine Results</source>
        <translation>Resultados de Asterine</translation>
    </message>
    <message>
        <source>Fixed Star</source>
        <translation>Estrella fija</translation>
    </message>
    <message>
        <source>Export the Reading as PDF</source>
        <translation>Exportar la lectura como PDF</translation>
    </message>
    <message>
        <source>Save the Reading as Text</source>
        <translation>Guardar la lectura como texto</translation>
    </message>
    <message>
        <source>PDF documents (*.pdf)</source>
        <translation>Documentos PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Text files (*.txt)</source>
        <translation>Archivos de texto (*.txt)</translation>
    </message>
    <message>
        <source>The reading is copied.</source>
        <translation>Se copió la lectura.</translation>
    </message>
    <message>
        <source>Save C&amp;hart...</source>
        <translation>Guardar carta as&amp;tral...</translation>
    </message>
    <message>
        <source>Wheel</source>
        <translation>Rueda</translation>
    </message>
    <message>
        <source>Horizon</source>
        <translation>Horizonte</translation>
    </message>
    <message>
        <source>&amp;Copy Chart</source>
        <translation>&amp;Copiar carta astral</translation>
    </message>
    <message>
        <source>Wheel of the birth&apos;s sky</source>
        <translation>Rueda del cielo natal</translation>
    </message>
    <message>
        <source>Save the Chart</source>
        <translation>Guardar la carta astral</translation>
    </message>
    <message>
        <source>SVG pictures (*.svg)</source>
        <translation>Imágenes SVG (*.svg)</translation>
    </message>
    <message>
        <source>PNG pictures (*.png)</source>
        <translation>Imágenes PNG (*.png)</translation>
    </message>
    <message>
        <source>The chart is copied.</source>
        <translation>Se ha copiado la carta astral.</translation>
    </message>
    <message>
        <source>Ed&amp;it</source>
        <translation>&amp;Edición</translation>
    </message>
    <message>
        <source>Sky</source>
        <translation>Cielo</translation>
    </message>
    <message>
        <source>Working out the sky…</source>
        <translation>Calculando el cielo…</translation>
    </message>
</context>
<context>
    <name>asterine::FrmMain</name>
    <message>
        <source>&amp;Open Person...</source>
        <translation>&amp;Abrir persona...</translation>
    </message>
    <message>
        <source>&amp;Save Person</source>
        <translation>&amp;Guardar persona</translation>
    </message>
    <message>
        <source>Open &amp;Recent</source>
        <translation>Abrir &amp;recientes</translation>
    </message>
    <message>
        <source>&amp;Clear Recent</source>
        <translation>&amp;Borrar recientes</translation>
    </message>
    <message>
        <source>“%1” is saved already. Replace it?</source>
        <translation>Ya hay una persona guardada con el nombre «%1». ¿Desea reemplazarla?</translation>
    </message>
    <message>
        <source>Get My Fixed Stars Astrology Reading</source>
        <translation>Ver mi lectura de estrellas fijas</translation>
    </message>
    <message>
        <source>Check for Software &amp;Update</source>
        <translation>&amp;Buscar actualizaciones</translation>
    </message>
    <message>
        <source>Enter Your Details</source>
        <translation>Indique sus datos</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Month of birth</source>
        <translation>Mes de nacimiento</translation>
    </message>
    <message>
        <source>Day of birth</source>
        <translation>Día de nacimiento</translation>
    </message>
    <message>
        <source>Year of birth</source>
        <translation>Año de nacimiento</translation>
    </message>
    <message>
        <source>Date of Birth</source>
        <translation>Fecha de nacimiento</translation>
    </message>
    <message>
        <source>Hour</source>
        <translation>Hora</translation>
    </message>
    <message>
        <source>Minute</source>
        <translation>Minuto</translation>
    </message>
    <message>
        <source>Second</source>
        <translation>Segundo</translation>
    </message>
    <message>
        <source>Time of Birth</source>
        <translation>Hora de nacimiento</translation>
    </message>
    <message>
        <source>HH:MM:SS</source>
        <translation>HH:MM:SS</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>Longitud</translation>
    </message>
    <message>
        <source>East</source>
        <translation>Este</translation>
    </message>
    <message>
        <source>West</source>
        <translation>Oeste</translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation>Latitud</translation>
    </message>
    <message>
        <source>North</source>
        <translation>Norte</translation>
    </message>
    <message>
        <source>South</source>
        <translation>Sur</translation>
    </message>
    <message>
        <source>Enter Your Longitude and Latitude Correctly</source>
        <translation>Indique correctamente su longitud y latitud</translation>
    </message>
    <message>
        <source>City</source>
        <translation>Ciudad</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Región</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>País</translation>
    </message>
    <message>
        <source>Click Here To Find Latitude &amp;&amp; Longitude</source>
        <translation>Haga clic aquí para buscar latitud y longitud</translation>
    </message>
    <message>
        <source>Click Here To Find Latitude &amp; Longitude</source>
        <translation>Haga clic aquí para buscar latitud y longitud</translation>
    </message>
    <message>
        <source>Deg</source>
        <translation>Grados</translation>
    </message>
    <message>
        <source>Min</source>
        <translation>Min</translation>
    </message>
    <message>
        <source>Sec</source>
        <translation>Seg</translation>
    </message>
    <message>
        <source>degrees</source>
        <translation>(grados)</translation>
    </message>
    <message>
        <source>minutes</source>
        <translation>(minutos)</translation>
    </message>
    <message>
        <source>seconds</source>
        <translation>(segundos)</translation>
    </message>
    <message>
        <source>Please Enter City</source>
        <translation>Indique la ciudad</translation>
    </message>
    <message>
        <source>Please Enter State</source>
        <translation>Indique la región</translation>
    </message>
    <message>
        <source>Please Enter Country</source>
        <translation>Indique el país</translation>
    </message>
    <message>
        <source>“%1” is saved.</source>
        <translation>Se guardó «%1».</translation>
    </message>
    <message>
        <source>Time zone of birth</source>
        <translation>Zona horaria de nacimiento</translation>
    </message>
    <message>
        <source>Time zones</source>
        <translation>Zonas horarias</translation>
    </message>
    <message>
        <source>Time zone</source>
        <translation>Zona horaria</translation>
    </message>
</context>
<context>
    <name>asterine::FrmTellAFriend</name>
    <message>
        <source>Click Here To Visit %1 Now</source>
        <translation>Haga clic aquí para visitar %1 ahora</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>Refer A Friend</source>
        <translation>Recomendar a un amigo</translation>
    </message>
    <message>
        <source>Refer A Friend &amp;Now</source>
        <translation>&amp;Recomendar ahora</translation>
    </message>
    <message>
        <source>Download Quorvane Softwares</source>
        <translation>Descargar programas de Quorvane Softwares</translation>
    </message>
    <message>
        <source>Click Here To Visit Quorvane Softwares</source>
        <translation>Haga clic aquí para visitar Quorvane Softwares</translation>
    </message>
    <message>
        <source>Email Address Cannot Contain Space</source>
        <translation>La dirección de correo electrónico no puede contener espacios</translation>
    </message>
</context>
<context>
    <name>asterine::HelpMenus</name>
    <message>
        <source>&amp;Help</source>
        <translation>Ay&amp;uda</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>Ayuda en &amp;línea</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>&amp;Visítenos en línea</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>&amp;Acerca del programa</translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <translation>&amp;Donar</translation>
    </message>
</context>
<context>
    <name>asterine::LicenceWindow</name>
    <message>
        <source>Asterine Licence</source>
        <translation>Licencia de Asterine</translation>
    </message>
    <message>
        <source>Licence</source>
        <translation>Licencia</translation>
    </message>
</context>
<context>
    <name>asterine::Links</name>
    <message>
        <source>The desktop could not open this address in a web browser:

%1

Copy the address to the clipboard, to paste it into a browser yourself?</source>
        <translation>El escritorio no pudo abrir esta dirección en un navegador web:

%1

¿Desea copiar la dirección al portapapeles para pegarla en un navegador por su cuenta?</translation>
    </message>
</context>
<context>
    <name>asterine::PeopleWindow</name>
    <message>
        <source>People</source>
        <translation>Personas</translation>
    </message>
    <message>
        <source>&amp;Search:</source>
        <translation>&amp;Buscar:</translation>
    </message>
    <message>
        <source>Search people by name or place</source>
        <translation>Buscar personas por nombre o lugar</translation>
    </message>
    <message>
        <source>Name or place</source>
        <translation>Nombre o lugar</translation>
    </message>
    <message>
        <source>Date of Birth</source>
        <translation>Fecha de nacimiento</translation>
    </message>
    <message>
        <source>Last Used</source>
        <translation>Último uso</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Abrir</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Eliminar</translation>
    </message>
    <message>
        <source>&amp;Import...</source>
        <translation>&amp;Importar...</translation>
    </message>
    <message>
        <source>Export &amp;All...</source>
        <translation>Exportar &amp;todo...</translation>
    </message>
    <message>
        <source>Export S&amp;elected...</source>
        <translation>Exportar &amp;selección...</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
    <message>
        <source>Remove “%1” from the people Asterine remembers?</source>
        <translation>¿Quitar a «%1» de las personas que Asterine recuerda?</translation>
    </message>
    <message>
        <source>Import People</source>
        <translation>Importar personas</translation>
    </message>
    <message>
        <source>CSV files (*.csv);;All files (*)</source>
        <translation>Archivos CSV (*.csv);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>“%1” could not be read: %2.</source>
        <translation>No se pudo leer «%1»: %2.</translation>
    </message>
    <message>
        <source>Reading “%1”...</source>
        <translation>Leyendo «%1»...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Importing “%1”...</source>
        <translation>Importando «%1»...</translation>
    </message>
    <message>
        <source>Export People</source>
        <translation>Exportar personas</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Archivos CSV (*.csv)</translation>
    </message>
    <message>
        <source>No people are saved yet. To add one, type the details on the main window and choose File, Save Person; or bring people from a CSV file with Import.</source>
        <translation>Todavía no hay personas guardadas. Para añadir una, escriba los datos en la ventana principal y elija Archivo, Guardar persona; o traiga personas de un archivo CSV con Importar.</translation>
    </message>
    <message numerus="yes">
        <source>%n people exported to “%1”.</source>
        <translation>
            <numerusform>Se exportó una persona a «%1».</numerusform>
            <numerusform>Se exportaron %n personas a «%1».</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>asterine::PlaceSuggestions</name>
    <message>
        <source>Places</source>
        <translation>Lugares</translation>
    </message>
</context>
<context>
    <name>asterine::Printing</name>
    <message>
        <source>No printer was found. Set one up in the desktop&apos;s printer settings, or choose Export as PDF to save the reading as a file you can print.</source>
        <translation>No se encontró ninguna impresora. Configure una en los ajustes de impresoras del escritorio o elija «Exportar como PDF» para guardar la lectura como un archivo que pueda imprimir.</translation>
    </message>
    <message>
        <source>Printing is not installed with this copy of Asterine. Export as PDF saves the reading as a file you can print.</source>
        <translation>La impresión no está instalada en esta copia de Asterine. «Exportar como PDF» guarda la lectura como un archivo que puede imprimir.</translation>
    </message>
</context>
<context>
    <name>asterine::ReadingCommand</name>
    <message>
        <source>asterine reading: the format “%1” is neither text nor json.</source>
        <translation>asterine reading: el formato «%1» no es ni text ni json.</translation>
    </message>
    <message>
        <source>asterine reading: --place names no place.</source>
        <translation>asterine reading: --place no indica ningún lugar.</translation>
    </message>
    <message>
        <source>asterine reading: there is no atlas on this system (Debian&apos;s libgeonames), so --place cannot be looked up.</source>
        <translation>asterine reading: no hay atlas en este sistema (libgeonames de Debian), así que no se puede buscar --place.</translation>
    </message>
    <message>
        <source>asterine reading: no place in the atlas matches “%1”.</source>
        <translation>asterine reading: ningún lugar del atlas coincide con «%1».</translation>
    </message>
    <message>
        <source>asterine reading: took %1, the most populous of %2 places that match “%3”; to take another, name its state or country too, as in “%4, %5”.</source>
        <translation>asterine reading: se toma %1, el más poblado de los %2 lugares que coinciden con «%3»; para elegir otro, indique también su región o país, como en «%4, %5».</translation>
    </message>
    <message>
        <source>asterine reading: the longitude “%1” is neither degrees, minutes and seconds with E or W (73:51:19E) nor decimal degrees (-73.86).</source>
        <translation>asterine reading: la longitud «%1» no está ni en grados, minutos y segundos con E o W (73:51:19E) ni en grados decimales (-73.86).</translation>
    </message>
    <message>
        <source>asterine reading: the year “%1” is not one of the years the form offers, %2 to %3.</source>
        <translation>asterine reading: el año «%1» no es uno de los que ofrece el formulario, de %2 a %3.</translation>
    </message>
    <message>
        <source>asterine reading: the date “%1” is not a date written YYYY-MM-DD.</source>
        <translation>asterine reading: la fecha «%1» no es una fecha escrita como YYYY-MM-DD.</translation>
    </message>
    <message>
        <source>asterine reading: the year %1 and the date %2 disagree.</source>
        <translation>asterine reading: el año %1 y la fecha %2 no concuerdan.</translation>
    </message>
    <message>
        <source>asterine reading: give the year of birth (--year) or the date (--date).</source>
        <translation>asterine reading: indique el año de nacimiento (--year) o la fecha (--date).</translation>
    </message>
    <message>
        <source>asterine reading: the latitude “%1” is neither degrees, minutes and seconds with N or S (51:30:26N, 51 30 N, 51°30.5′N) nor decimal degrees (-33.87, N51.5).</source>
        <translation>asterine reading: la latitud «%1» no está ni en grados, minutos y segundos con N o S (51:30:26N, 51 30 N, 51°30.5′N) ni en grados decimales (-33.87, N51.5).</translation>
    </message>
    <message>
        <source>asterine reading: %1</source>
        <translation>asterine reading: %1</translation>
    </message>
    <message>
        <source>asterine reading: --time needs the date of birth: give --date too.</source>
        <translation>asterine reading: --time necesita la fecha de nacimiento: indique también --date.</translation>
    </message>
    <message>
        <source>asterine reading: the time “%1” is not a time of day written HH:MM or HH:MM:SS, from 00:00 to 23:59:59.</source>
        <translation>asterine reading: la hora «%1» no es una hora del día escrita HH:MM o HH:MM:SS, de 00:00 a 23:59:59.</translation>
    </message>
    <message>
        <source>asterine reading: --%1 tells the offset of a clock time: give the time of birth (--time) too.</source>
        <translation>asterine reading: --%1 indica el desfase de una hora de reloj: indique también la hora de nacimiento (--time).</translation>
    </message>
    <message>
        <source>asterine reading: --time needs the zone the clocks kept: give --zone, such as Europe/Berlin, LMT or UTC+05:30.</source>
        <translation>asterine reading: --time necesita la zona que seguían los relojes: indique --zone, como Europe/Berlin, LMT o UTC+05:30.</translation>
    </message>
    <message>
        <source>asterine reading: the orb “%1” is not a number of degrees from 0 to 10.</source>
        <translation>asterine reading: el orbe «%1» no es un número de grados de 0 a 10.</translation>
    </message>
    <message>
        <source>asterine reading: the paran tolerance “%1” is not a number of minutes from 0 to 60.</source>
        <translation>asterine reading: la tolerancia de los paranes «%1» no es un número de minutos de 0 a 60.</translation>
    </message>
    <message>
        <source>asterine reading: --chart-size is the size of the chart: give --chart too.</source>
        <translation>asterine reading: --chart-size es el tamaño de la carta: indique también --chart.</translation>
    </message>
    <message>
        <source>asterine reading: --chart names no file.</source>
        <translation>asterine reading: --chart no indica ningún archivo.</translation>
    </message>
    <message>
        <source>asterine reading: the chart “%1” has no extension: name it .svg or .png.</source>
        <translation>asterine reading: la carta «%1» no tiene extensión: llámela .svg o .png.</translation>
    </message>
    <message>
        <source>asterine reading: the chart is written as .svg or .png, not as “.%1”.</source>
        <translation>asterine reading: la carta se escribe como .svg o .png, no como «.%1».</translation>
    </message>
    <message>
        <source>asterine reading: the chart size “%1” is not a number of pixels from 200 to 8000.</source>
        <translation>asterine reading: el tamaño de carta «%1» no es un número de píxeles de 200 a 8000.</translation>
    </message>
    <message>
        <source>asterine reading: the chart cannot be drawn: the chart module, lib/asterine/asterine_chart.so beside the program&apos;s folder, is missing.</source>
        <translation>asterine reading: no se puede dibujar la carta: falta el módulo de cartas, lib/asterine/asterine_chart.so junto a la carpeta del programa.</translation>
    </message>
    <message>
        <source>asterine reading: %1 Say which with --offset %2 or --offset %3, or with --dst yes or --dst no.</source>
        <translation>asterine reading: %1 Indique cuál con --offset %2 o --offset %3, o con --dst yes o --dst no.</translation>
    </message>
    <message>
        <source>asterine reading: --zone LMT is the local mean time of the birthplace&apos;s longitude: give --longitude or --place too.</source>
        <translation>asterine reading: --zone LMT es el tiempo medio local de la longitud del lugar de nacimiento: indique también --longitude o --place.</translation>
    </message>
</context>
<context>
    <name>asterine::Referral</name>
    <message>
        <source>Your Name</source>
        <translation>Su nombre</translation>
    </message>
    <message>
        <source>Your Email Address</source>
        <translation>Su correo electrónico</translation>
    </message>
    <message>
        <source>Your Message</source>
        <translation>Su mensaje</translation>
    </message>
    <message>
        <source>Friend&apos;s Name</source>
        <translation>Nombre del amigo</translation>
    </message>
    <message>
        <source>Friend&apos;s Email Address</source>
        <translation>Correo electrónico del amigo</translation>
    </message>
    <message>
        <source>Please Enter Distinct Email Addresses</source>
        <translation>Indique direcciones de correo distintas</translation>
    </message>
    <message>
        <source>Please Enter Proper Email Address</source>
        <translation>Indique una dirección de correo válida</translation>
    </message>
    <message>
        <source>Please Enter Your Name</source>
        <translation>Indique su nombre</translation>
    </message>
    <message>
        <source>Please Enter Your Email</source>
        <translation>Indique su correo electrónico</translation>
    </message>
    <message>
        <source>Please Enter Your Message</source>
        <translation>Escriba su mensaje</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Name</source>
        <translation>Indique el nombre de su amigo</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Email</source>
        <translation>Indique el correo electrónico de su amigo</translation>
    </message>
</context>
<context>
    <name>asterine::UpdatePrompt</name>
    <message>
        <source>There maybe an update to this software available<byte value="xd"/>Do you want to check for an update?</source>
        <translation>Puede que haya una actualización disponible para este programa<byte value="xd"/>¿Desea comprobar si hay alguna actualización?</translation>
    </message>
</context>
<context>
    <name>asterine::Validation</name>
    <message>
        <source>Please Enter Name</source>
        <translation>Indique el nombre</translation>
    </message>
    <message>
        <source>Please Enter Degree of Longitude</source>
        <translation>Indique los grados de longitud</translation>
    </message>
    <message>
        <source>Please Enter Minute of Longitude</source>
        <translation>Indique los minutos de longitud</translation>
    </message>
    <message>
        <source>Please Enter Second of Longitude</source>
        <translation>Indique los segundos de longitud</translation>
    </message>
    <message>
        <source>Please Enter Degree of Latitude</source>
        <translation>Indique los grados de latitud</translation>
    </message>
    <message>
        <source>Please Enter Minute of Latitude</source>
        <translation>Indique los minutos de latitud</translation>
    </message>
    <message>
        <source>Please Enter Second of Latitude</source>
        <translation>Indique los segundos de latitud</translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month!</source>
        <translation>¡Indique un día o un mes correctos!</translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month !</source>
        <translation>¡Indique un día o un mes correctos!</translation>
    </message>
    <message>
        <source>Please Enter only Letters</source>
        <translation>Escriba solo letras</translation>
    </message>
    <message>
        <source>Only Numbers Are Accepted</source>
        <translation>Solo se admiten números</translation>
    </message>
    <message>
        <source>Please Enter Correct Degree of Latitude</source>
        <translation>Indique unos grados de latitud correctos</translation>
    </message>
    <message>
        <source>Please Enter Correct Minute of Latitude</source>
        <translation>Indique unos minutos de latitud correctos</translation>
    </message>
</context>
<context>
    <name>birth::Moment</name>
    <message>
        <source>%1 or %2</source>
        <translation>%1 o %2</translation>
    </message>
    <message>
        <source>The clocks of %1 skipped %2 on %3: was it %4?</source>
        <translation>Los relojes de %1 se saltaron las %2 el %3: ¿fue %4?</translation>
    </message>
    <message>
        <source>The clocks of %1 showed %2 twice on %3: was it %4?</source>
        <translation>Los relojes de %1 marcaron las %2 dos veces el %3: ¿fue %4?</translation>
    </message>
    <message>
        <source>The time zone %1 gives no reading of this clock time.</source>
        <translation>La zona horaria %1 no da ninguna lectura de esta hora.</translation>
    </message>
    <message>
        <source>%1 · %2 UT</source>
        <translation>%1 · %2 TU</translation>
    </message>
    <message>
        <source>The moment of birth needs its date and its time.</source>
        <translation>El momento del nacimiento necesita su fecha y su hora.</translation>
    </message>
    <message>
        <source>The longitude %1 is out of range: longitudes run from 180° west to 180° east.</source>
        <translation>La longitud %1 está fuera de rango: las longitudes van de 180° oeste a 180° este.</translation>
    </message>
    <message>
        <source>Daylight saving was in force in %1 on %2: the clocks showed %3.</source>
        <translation>El horario de verano estaba en vigor en %1 el %2: los relojes marcaban %3.</translation>
    </message>
    <message>
        <source>Daylight saving was not in force in %1 on %2: the clocks showed %3.</source>
        <translation>El horario de verano no estaba en vigor en %1 el %2: los relojes marcaban %3.</translation>
    </message>
    <message>
        <source>Daylight saving does not tell %1 apart: give the offset in force.</source>
        <translation>El horario de verano no distingue entre %1: indique el desfase vigente.</translation>
    </message>
    <message>
        <source>The clocks of %1 kept local mean time then, which needs the birthplace&apos;s longitude.</source>
        <translation>Los relojes de %1 seguían entonces la hora media local, que necesita la longitud del lugar de nacimiento.</translation>
    </message>
</context>
<context>
    <name>birth::Zone</name>
    <message>
        <source>Unknown time zone %1: give a zone such as Europe/Berlin, LMT or UTC+05:30.</source>
        <translation>Zona horaria %1 desconocida: indique una zona como Europe/Berlin, LMT o UTC+05:30.</translation>
    </message>
    <message>
        <source>%1 is not an offset from UTC: write it as +05:30 or -03:00.</source>
        <translation>%1 no es un desfase respecto a UTC: escríbalo como +05:30 o -03:00.</translation>
    </message>
    <message>
        <source>The offset %1 is not a time: its minutes run from 00 to 59.</source>
        <translation>El desfase %1 no es una hora: sus minutos van de 00 a 59.</translation>
    </message>
    <message>
        <source>The offset %1 is out of range: offsets from UTC run from -14:00 to +14:00.</source>
        <translation>El desfase %1 está fuera de rango: los desfases respecto a UTC van de -14:00 a +14:00.</translation>
    </message>
    <message>
        <source>Local mean time</source>
        <translation>Hora media local</translation>
    </message>
    <message>
        <source>No time zone was given: give a zone such as Europe/Berlin, LMT or UTC+05:30.</source>
        <translation>No se indicó ninguna zona horaria: indique una zona como Europe/Berlin, LMT o UTC+05:30.</translation>
    </message>
    <message>
        <source>The time zone given is too long to be one (%1 characters; a zone&apos;s name has at most %2).</source>
        <translation>La zona horaria indicada es demasiado larga para serlo (%1 caracteres; el nombre de una zona tiene como máximo %2).</translation>
    </message>
    <message>
        <source>The offset given is too long to be one: write it as +05:30 or -03:00.</source>
        <translation>El desfase indicado es demasiado largo para serlo: escríbalo como +05:30 o -03:00.</translation>
    </message>
    <message>
        <source>Daylight saving is yes or no, not %1.</source>
        <translation>El horario de verano se indica con «yes» o «no», no con %1.</translation>
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
        <translation>Asterine calcula las estrellas fijas presentes en nuestra carta natal. Estas estrellas son indicadores adicionales de nuestro destino. Las estrellas fijas parecen ocupar siempre la misma posición y no moverse como los planetas. Se dice que los aspectos de estas estrellas fijas influyen en la naturaleza básica de cada persona.</translation>
    </message>
    <message>
        <source>Join the Quorvane forum at www.quorvane.com, a free online discussion forum on esoteric subjects. Click here to visit it now!</source>
        <translation>Únase al foro de Quorvane en www.quorvane.com, un foro de debate gratuito en línea sobre temas esotéricos. ¡Haga clic aquí para visitarlo ahora!</translation>
    </message>
    <message>
        <source>Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your site&apos;s name &amp;&amp;  link here. See &quot;Help&quot; for details.    Click Here for more info on co-branding.</source>
        <translation>Ponga la marca de su sitio en este programa.  Aumente la fidelidad y el tráfico de su sitio. Ponga aquí el nombre y el enlace de su sitio. Consulte «Ayuda» para más detalles.    Haga clic aquí para más información sobre la marca compartida.</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. Click here for more details.</source>
        <translation>Oportunidad de negocio desde casa. Cree su propio negocio en Internet y gane dinero en línea. Obtenga este programa con la marca de su sitio web. Haga clic aquí para más información.</translation>
    </message>
    <message>
        <source>Programs like this one can be created and maintained only with your support. The best way to support Quorvane is to visit its forum at www.quorvane.com regularly and take part in the discussions and other activities on the board.</source>
        <translation>Programas como este solo pueden crearse y mantenerse con su apoyo. La mejor manera de apoyar a Quorvane es visitar con regularidad su foro en www.quorvane.com y participar en los debates y demás actividades del foro.</translation>
    </message>
    <message>
        <source>Please visit the Quorvane forum at www.quorvane.com regularly and support it by taking part in the discussions and other activities. These programs cannot be supported and maintained without your regular visits.</source>
        <translation>Visite con regularidad el foro de Quorvane en www.quorvane.com y apóyelo participando en los debates y demás actividades. Sin sus visitas habituales, no es posible dar soporte a estos programas ni mantenerlos.</translation>
    </message>
    <message>
        <source>The Quorvane forum at www.quorvane.com is a free online discussion forum on esoteric subjects. To help develop and maintain this program, please visit it regularly.</source>
        <translation>El foro de Quorvane en www.quorvane.com es un foro de debate gratuito en línea sobre temas esotéricos. Para ayudar a desarrollar y mantener este programa, visítelo con regularidad.</translation>
    </message>
    <message>
        <source>The Quorvane forum at www.quorvane.com needs your help. Visiting it regularly and taking part in its discussions and activities helps maintain and develop more Quorvane Softwares.</source>
        <translation>El foro de Quorvane en www.quorvane.com necesita su ayuda. Visitarlo con regularidad y participar en sus debates y actividades ayuda a mantener y desarrollar más programas de Quorvane Softwares.</translation>
    </message>
    <message>
        <source>If you enjoyed this program, you will like the other Quorvane Softwares too. They cover astrology, psychic matters, tarot, numerology and the occult, and they are simple, fun and informative. Share them with your friends and family!</source>
        <translation>Si le ha gustado este programa, también le gustarán los demás programas de Quorvane Softwares. Tratan de astrología, fenómenos psíquicos, tarot, numerología y ocultismo, y son sencillos, entretenidos e informativos. ¡Compártalos con sus amigos y familiares!</translation>
    </message>
</context>
<context>
    <name>document::DocumentFile</name>
    <message>
        <source>“%1” could not be saved: %2.</source>
        <translation>No se pudo guardar «%1»: %2.</translation>
    </message>
    <message>
        <source>a folder of that name is in its place</source>
        <translation>en su lugar hay una carpeta con ese nombre</translation>
    </message>
</context>
<context>
    <name>document::ReadingDocument</name>
    <message>
        <source>Latin Name</source>
        <translation>Nombre latino</translation>
    </message>
    <message>
        <source>Designation</source>
        <translation>Designación</translation>
    </message>
    <message>
        <source>Gemstone</source>
        <translation>Piedra</translation>
    </message>
    <message>
        <source>Plant</source>
        <translation>Planta</translation>
    </message>
    <message>
        <source>Keywords</source>
        <translation>Palabras clave</translation>
    </message>
    <message>
        <source>Effect</source>
        <translation>Efecto</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Posición</translation>
    </message>
    <message>
        <source>Ruling Planet</source>
        <translation>Planeta regente</translation>
    </message>
    <message>
        <source>Direction</source>
        <translation>Dirección</translation>
    </message>
    <message>
        <source>Angel</source>
        <translation>Ángel</translation>
    </message>
    <message>
        <source>%1 %2, %3</source>
        <extracomment>A date of birth: %1 the month&apos;s name, %2 the day, %3 the year, in the order and form of the language (&quot;10. Dezember 1815&quot;, &quot;10 de diciembre de 1815&quot;).</extracomment>
        <translation>%2 de %1 de %3</translation>
    </message>
    <message>
        <source>Asterine Results</source>
        <translation>Resultados de Asterine</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Date of Birth</source>
        <translation>Fecha de nacimiento</translation>
    </message>
    <message>
        <source>Time of Birth</source>
        <translation>Hora de nacimiento</translation>
    </message>
    <message>
        <source>Place of Birth</source>
        <translation>Lugar de nacimiento</translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation>Latitud</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>Longitud</translation>
    </message>
    <message>
        <source>Year for the Catalogue</source>
        <translation>Año del catálogo</translation>
    </message>
    <message>
        <source>Fixed Star</source>
        <translation>Estrella fija</translation>
    </message>
    <message>
        <source>Made with Asterine %1 on %2</source>
        <translation>Hecho con Asterine %1 el %2</translation>
    </message>
    <message>
        <source>Reading</source>
        <translation>Lectura</translation>
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
        <translation>Cielo</translation>
    </message>
</context>
<context>
    <name>document::Sky</name>
    <message>
        <source>Ascendant</source>
        <translation>Ascendente</translation>
    </message>
    <message>
        <source>Midheaven</source>
        <translation>Medio Cielo</translation>
    </message>
    <message>
        <source>Descendant</source>
        <translation>Descendente</translation>
    </message>
    <message>
        <source>Imum Coeli</source>
        <translation>Fondo del Cielo</translation>
    </message>
    <message>
        <source>rises</source>
        <extracomment>A paran: the star or body rises.</extracomment>
        <translation>sale</translation>
    </message>
    <message>
        <source>culminates</source>
        <extracomment>A paran: the star or body culminates (crosses the meridian, highest).</extracomment>
        <translation>culmina</translation>
    </message>
    <message>
        <source>sets</source>
        <translation>se pone</translation>
    </message>
    <message>
        <source>anti-culminates</source>
        <extracomment>A paran: the star or body crosses the meridian at its lowest.</extracomment>
        <translation>pasa por el meridiano inferior</translation>
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
        <translation>Circumpolar: sobre el horizonte todo el día</translation>
    </message>
    <message>
        <source>Rises and sets</source>
        <translation>Sale y se pone</translation>
    </message>
    <message>
        <source>Never rises</source>
        <translation>Nunca sale</translation>
    </message>
    <message>
        <source>%1, altitude %2, azimuth %3</source>
        <extracomment>When the star culminates: %1 the time, %2 its altitude, %3 its azimuth.</extracomment>
        <translation>%1, altura %2, acimut %3</translation>
    </message>
    <message>
        <source>%1, azimuth %2</source>
        <extracomment>When the star rises or sets: %1 the time, %2 the azimuth.</extracomment>
        <translation>%1, acimut %2</translation>
    </message>
    <message>
        <source>Not that day: above the horizon all day</source>
        <translation>No ese día: sobre el horizonte todo el día</translation>
    </message>
    <message>
        <source>Not that day: below the horizon all day</source>
        <translation>No ese día: bajo el horizonte todo el día</translation>
    </message>
    <message>
        <source>Not that day</source>
        <translation>No ese día</translation>
    </message>
    <message>
        <source>Always visible: seen on every night of the year</source>
        <translation>Siempre visible: se ve todas las noches del año</translation>
    </message>
    <message>
        <source>Never visible: it never rises here</source>
        <translation>Nunca visible: aquí nunca sale</translation>
    </message>
    <message>
        <source>Arising and lying hidden: last seen in the evening on %1, seen again in the morning on %2, hidden for %3 nights</source>
        <extracomment>The star&apos;s phase: %1 the day of its heliacal setting, %2 that of its heliacal rising, %3 the number of nights between them.</extracomment>
        <translation>Surgiendo y yaciendo oculta: vista por última vez al anochecer del %1, vista de nuevo al amanecer del %2, oculta durante %3 noches</translation>
    </message>
    <message>
        <source>Curtailed passage: seen on every night; from %1 to %2 only on its passage, neither rising nor setting in the dark</source>
        <extracomment>The star&apos;s phase: %1 and %2 the first and last nights on which it is seen neither rising nor setting.</extracomment>
        <translation>Paso recortado: se ve todas las noches; del %1 al %2 solo en su paso, sin salir ni ponerse en la oscuridad</translation>
    </message>
    <message>
        <source>Curtailed passage: seen on every night of the year</source>
        <translation>Paso recortado: se ve todas las noches del año</translation>
    </message>
    <message>
        <source>None: the catalogue gives it no magnitude</source>
        <translation>Ninguna: el catálogo no le da magnitud</translation>
    </message>
    <message>
        <source>%1 in the Sky</source>
        <extracomment>The heading of the reading&apos;s star in the real sky: %1 its name.</extracomment>
        <translation>%1 en el cielo</translation>
    </message>
    <message>
        <source>The star catalogue has no entry for %1: its place in the sky is not known.</source>
        <translation>El catálogo de estrellas no tiene entrada para %1: no se conoce su lugar en el cielo.</translation>
    </message>
    <message>
        <source>Its place is that of the middle of %1.</source>
        <translation>Su lugar es el de mediados de %1.</translation>
    </message>
    <message>
        <source>Right Ascension</source>
        <translation>Ascensión recta</translation>
    </message>
    <message>
        <source>Declination</source>
        <translation>Declinación</translation>
    </message>
    <message>
        <source>Ecliptic Longitude</source>
        <translation>Longitud eclíptica</translation>
    </message>
    <message>
        <source>Magnitude</source>
        <translation>Magnitud</translation>
    </message>
    <message>
        <source>not given</source>
        <translation>no indicada</translation>
    </message>
    <message>
        <source>Visibility</source>
        <extracomment>How the star stands to the horizon: %1 that, %2 the latitude (&quot;51°30′ N&quot;).</extracomment>
        <translation>Visibilidad</translation>
    </message>
    <message>
        <source>%1 at %2</source>
        <translation>%1 a %2</translation>
    </message>
    <message>
        <source>Rises</source>
        <translation>Salida</translation>
    </message>
    <message>
        <source>Culminates</source>
        <translation>Culminación</translation>
    </message>
    <message>
        <source>Sets</source>
        <translation>Puesta</translation>
    </message>
    <message>
        <source>At Birth</source>
        <extracomment>Where the star stood at the moment of birth: %1 its altitude, %2 its azimuth.</extracomment>
        <translation>Al nacer</translation>
    </message>
    <message>
        <source>altitude %1, azimuth %2</source>
        <translation>altura %1, acimut %2</translation>
    </message>
    <message>
        <source>Phase in %1</source>
        <translation>Fase en %1</translation>
    </message>
    <message>
        <source>Bodies at Birth</source>
        <translation>Astros al nacer</translation>
    </message>
    <message>
        <source>Conjunctions within %1</source>
        <extracomment>The heading of the stars near a body or an angle: %1 the orb (&quot;1°&quot;).</extracomment>
        <translation>Conjunciones dentro de %1</translation>
    </message>
    <message>
        <source>%1 with %2</source>
        <extracomment>A star in conjunction: %1 the star, %2 the body or angle.</extracomment>
        <translation>%1 con %2</translation>
    </message>
    <message>
        <source>orb %1, %2</source>
        <extracomment>%1 the distance in longitude, %2 the star&apos;s place.</extracomment>
        <translation>orbe %1, %2</translation>
    </message>
    <message>
        <source>No star of the catalogue is within the orb of a body or an angle.</source>
        <translation>Ninguna estrella del catálogo está dentro del orbe de un astro o de un ángulo.</translation>
    </message>
    <message>
        <source>More</source>
        <translation>Más</translation>
    </message>
    <message>
        <source>%1 wider conjunctions</source>
        <translation>%1 conjunciones más amplias</translation>
    </message>
    <message>
        <source>Parans within %1 Minutes</source>
        <extracomment>The heading of the parans: %1 the tolerance in minutes.</extracomment>
        <translation>Parans dentro de %1 minutos</translation>
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
        <translation>%1, con %2 minutos de diferencia</translation>
    </message>
    <message>
        <source>All Parans of the Day</source>
        <extracomment>How many parans the day holds: %1 all of them, %2 those of the reading&apos;s star %3.</extracomment>
        <translation>Todos los parans del día</translation>
    </message>
    <message>
        <source>%1, of which %2 with %3</source>
        <translation>%1, de ellos %2 con %3</translation>
    </message>
    <message>
        <source>Without the date and the time of birth, the bodies, the angles, the conjunctions and the star at the moment of birth are left out.</source>
        <translation>Sin la fecha y la hora de nacimiento, se omiten los astros, los ángulos, las conjunciones y la estrella en el momento del nacimiento.</translation>
    </message>
    <message>
        <source>Without the zone the birthplace&apos;s clocks kept, the bodies, the angles, the conjunctions, the star at the moment of birth, its day and the parans are left out.</source>
        <translation>Sin la zona horaria del lugar de nacimiento, se omiten los astros, los ángulos, las conjunciones, la estrella en el momento del nacimiento, su día y los parans.</translation>
    </message>
    <message>
        <source>Without the longitude of the birthplace, the Ascendant, the Midheaven, the star&apos;s day and the parans are left out.</source>
        <translation>Sin la longitud del lugar de nacimiento, se omiten el Ascendente, el Medio Cielo, el día de la estrella y los parans.</translation>
    </message>
    <message>
        <source>Without the zone the birthplace&apos;s clocks kept, the star&apos;s day and the parans are left out.</source>
        <translation>Sin la zona horaria del lugar de nacimiento, se omiten el día de la estrella y los parans.</translation>
    </message>
    <message>
        <source>Without the date of birth, the star&apos;s day and the parans are left out.</source>
        <translation>Sin la fecha de nacimiento, se omiten el día de la estrella y los parans.</translation>
    </message>
</context>
<context>
    <name>people::Csv</name>
    <message>
        <source>%1 fields, where the header has %2</source>
        <translation>%1 campos, cuando el encabezado tiene %2</translation>
    </message>
    <message>
        <source>the text is not UTF-8 (save the file as UTF-8)</source>
        <translation>el texto no está en UTF-8 (guarde el archivo como UTF-8)</translation>
    </message>
    <message>
        <source>the name is empty</source>
        <translation>el nombre está vacío</translation>
    </message>
    <message>
        <source>the date “%1” is not written YYYY-MM-DD</source>
        <translation>la fecha «%1» no está escrita como YYYY-MM-DD</translation>
    </message>
    <message>
        <source>the year %1 is not one from %2 to %3</source>
        <translation>el año %1 no está entre %2 y %3</translation>
    </message>
    <message>
        <source>“%1” is not a date</source>
        <translation>«%1» no es una fecha</translation>
    </message>
    <message>
        <source>%1 %2 %3 is not a date</source>
        <translation>el %1 de %2 de %3 no es una fecha</translation>
    </message>
    <message>
        <source>the time “%1” is not HH:MM:SS</source>
        <translation>la hora «%1» no tiene el formato HH:MM:SS</translation>
    </message>
    <message>
        <source>latitude degrees</source>
        <translation>grados de latitud</translation>
    </message>
    <message>
        <source>latitude minutes</source>
        <translation>minutos de latitud</translation>
    </message>
    <message>
        <source>latitude seconds</source>
        <translation>segundos de latitud</translation>
    </message>
    <message>
        <source>longitude degrees</source>
        <translation>grados de longitud</translation>
    </message>
    <message>
        <source>longitude minutes</source>
        <translation>minutos de longitud</translation>
    </message>
    <message>
        <source>longitude seconds</source>
        <translation>segundos de longitud</translation>
    </message>
    <message>
        <source>the %1 are missing</source>
        <translation>faltan los %1</translation>
    </message>
    <message>
        <source>%1 “%2” are not a number</source>
        <translation>«%2» no es un número válido para los %1</translation>
    </message>
    <message>
        <source>North</source>
        <translation>Norte</translation>
    </message>
    <message>
        <source>South</source>
        <translation>Sur</translation>
    </message>
    <message>
        <source>the latitude&apos;s side “%1” is neither N nor S</source>
        <translation>el hemisferio «%1» de la latitud no es ni N ni S</translation>
    </message>
    <message>
        <source>East</source>
        <translation>Este</translation>
    </message>
    <message>
        <source>West</source>
        <translation>West</translation>
    </message>
    <message>
        <source>the longitude&apos;s side “%1” is neither E nor W</source>
        <translation>el hemisferio «%1» de la longitud no es ni E ni W</translation>
    </message>
    <message>
        <source>“%1” is not a CSV file of people: it is not text.</source>
        <translation>«%1» no es un archivo CSV de personas: no es texto.</translation>
    </message>
    <message>
        <source>“%1” is not a CSV file of people: it has no header row.</source>
        <translation>«%1» no es un archivo CSV de personas: no tiene fila de encabezado.</translation>
    </message>
    <message>
        <source>“%1” is not a CSV file of people: its first line is not the header “%2”.</source>
        <translation>«%1» no es un archivo CSV de personas: su primera línea no es el encabezado «%2».</translation>
    </message>
    <message>
        <source>a quoted field is not closed, or goes on after its closing quote</source>
        <translation>un campo entre comillas no está cerrado o continúa tras la comilla de cierre</translation>
    </message>
    <message>
        <source>the name “%1” is also on line %2</source>
        <translation>el nombre «%1» también aparece en la línea %2</translation>
    </message>
    <message>
        <source>%1 “%2” are longer than 3 digits</source>
        <translation>«%2» tiene más de 3 dígitos para los %1</translation>
    </message>
</context>
<context>
    <name>people::PeopleImport</name>
    <message numerus="yes">
        <source>%n of the people in “%1” are saved already: %2.

Replace them? No keeps the saved ones; Cancel imports nobody.</source>
        <translation>
            <numerusform>Una de las personas de «%1» ya está guardada: %2.

¿Desea reemplazarla? «No» conserva la guardada; «Cancelar» no importa a nadie.</numerusform>
            <numerusform>%n de las personas de «%1» ya están guardadas: %2.

¿Desea reemplazarlas? «No» conserva las guardadas; «Cancelar» no importa a nadie.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n people imported from “%1”.</source>
        <translation>
            <numerusform>Una persona importada de «%1».</numerusform>
            <numerusform>%n personas importadas de «%1».</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n rows could not be imported:</source>
        <translation>
            <numerusform>No se pudo importar una fila:</numerusform>
            <numerusform>No se pudieron importar %n filas:</numerusform>
        </translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>línea %1: %2</translation>
    </message>
    <message numerus="yes">
        <source>and %n more.</source>
        <translation>
            <numerusform>y una más.</numerusform>
            <numerusform>y %n más.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>and %n more</source>
        <translation>
            <numerusform>y una más</numerusform>
            <numerusform>y %n más</numerusform>
        </translation>
    </message>
    <message>
        <source>These columns are not of a person and were passed over: %1.</source>
        <translation>Estas columnas no son de una persona y se pasaron por alto: %1.</translation>
    </message>
</context>
<context>
    <name>people::PeopleModel</name>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Date of Birth</source>
        <translation>Fecha de nacimiento</translation>
    </message>
    <message>
        <source>Place of Birth</source>
        <translation>Lugar de nacimiento</translation>
    </message>
    <message>
        <source>Last Used</source>
        <translation>Último uso</translation>
    </message>
</context>
<context>
    <name>people::PeopleStore</name>
    <message>
        <source>the file or its folder cannot be written to</source>
        <translation>no se puede escribir en el archivo ni en su carpeta</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>el disco está lleno</translation>
    </message>
    <message>
        <source>the file cannot be opened or made there</source>
        <translation>el archivo no se puede abrir ni crear ahí</translation>
    </message>
    <message>
        <source>The people could not be kept in “%1”: %2.</source>
        <translation>No se pudieron guardar las personas en «%1»: %2.</translation>
    </message>
    <message>
        <source>its folder cannot be made</source>
        <translation>no se puede crear su carpeta</translation>
    </message>
    <message>
        <source>it cannot be read</source>
        <translation>no se puede leer</translation>
    </message>
    <message>
        <source>it is not an SQLite database, or a damaged one: %1</source>
        <translation>no es una base de datos SQLite, o está dañada: %1</translation>
    </message>
    <message>
        <source>it was made by a newer version of Asterine, which this one cannot use</source>
        <translation>se creó con una versión más reciente de Asterine, y esta no puede usarlo</translation>
    </message>
    <message>
        <source>it holds the tables of another program</source>
        <translation>contiene las tablas de otro programa</translation>
    </message>
    <message>
        <source>it could not be brought up to date: %1</source>
        <translation>no se pudo actualizar: %1</translation>
    </message>
    <message>
        <source>its table of people is not the one Asterine keeps</source>
        <translation>su tabla de personas no es la que usa Asterine</translation>
    </message>
    <message>
        <source>“%1” is not a store of people that Asterine can use (%2). It is kept, unchanged, as “%3”, and a new, empty store takes its place.</source>
        <translation>«%1» no es un archivo de personas que Asterine pueda usar (%2). Se conserva, sin cambios, como «%3», y un archivo nuevo y vacío ocupa su lugar.</translation>
    </message>
    <message>
        <source>“%1” is not a store of people that Asterine can use (%2), and it cannot be set aside; it is left as it is, and no people can be kept until it is moved.</source>
        <translation>«%1» no es un archivo de personas que Asterine pueda usar (%2) y no se puede apartar; se deja como está y no se podrá guardar a ninguna persona hasta que se mueva.</translation>
    </message>
    <message>
        <source>it cannot be opened</source>
        <translation>no se puede abrir</translation>
    </message>
    <message>
        <source>the save was cancelled</source>
        <translation>se canceló el guardado</translation>
    </message>
    <message>
        <source>another program is using it; try again when it is done</source>
        <translation>otro programa lo está usando; vuelva a intentarlo cuando termine</translation>
    </message>
</context>
<context>
    <name>people::PersonRules</name>
    <message>
        <source>the name is longer than the %L1 characters the Name box takes</source>
        <translation>el nombre supera los %L1 caracteres que admite la casilla Nombre</translation>
    </message>
    <message>
        <source>the name has “%1” (%2), which the Name box does not take</source>
        <translation>el nombre tiene «%1» (%2), que la casilla Nombre no admite</translation>
    </message>
    <message>
        <source>the name has the character %1, which the Name box does not take</source>
        <translation>el nombre tiene el carácter %1, que la casilla Nombre no admite</translation>
    </message>
</context>
<context>
    <name>skynames::SkyNames</name>
    <message>
        <source>Aries</source>
        <translation>Aries</translation>
    </message>
    <message>
        <source>Taurus</source>
        <translation>Tauro</translation>
    </message>
    <message>
        <source>Gemini</source>
        <translation>Géminis</translation>
    </message>
    <message>
        <source>Cancer</source>
        <translation>Cáncer</translation>
    </message>
    <message>
        <source>Leo</source>
        <translation>Leo</translation>
    </message>
    <message>
        <source>Virgo</source>
        <translation>Virgo</translation>
    </message>
    <message>
        <source>Libra</source>
        <translation>Libra</translation>
    </message>
    <message>
        <source>Scorpio</source>
        <translation>Escorpio</translation>
    </message>
    <message>
        <source>Sagittarius</source>
        <translation>Sagitario</translation>
    </message>
    <message>
        <source>Capricorn</source>
        <translation>Capricornio</translation>
    </message>
    <message>
        <source>Aquarius</source>
        <translation>Acuario</translation>
    </message>
    <message>
        <source>Pisces</source>
        <translation>Piscis</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>Sol</translation>
    </message>
    <message>
        <source>Moon</source>
        <translation>Luna</translation>
    </message>
    <message>
        <source>Mercury</source>
        <translation>Mercurio</translation>
    </message>
    <message>
        <source>Venus</source>
        <translation>Venus</translation>
    </message>
    <message>
        <source>Mars</source>
        <translation>Marte</translation>
    </message>
    <message>
        <source>Jupiter</source>
        <translation>Júpiter</translation>
    </message>
    <message>
        <source>Saturn</source>
        <translation>Saturno</translation>
    </message>
    <message>
        <source>Uranus</source>
        <translation>Urano</translation>
    </message>
    <message>
        <source>Neptune</source>
        <translation>Neptuno</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>sign and degree</comment>
        <extracomment>A place in the zodiac: %1 the sign, %2 its degrees and minutes (&quot;Leo 29°50′&quot;).</extracomment>
        <translation>%1 %2</translation>
    </message>
</context>
</TS>
