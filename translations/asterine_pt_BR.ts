<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>Lore</name>
    <message>
        <source>Granite</source>
        <translation>Granito</translation>
    </message>
    <message>
        <source>Ruby / Garnet</source>
        <translation>Rubi / Granada</translation>
    </message>
    <message>
        <source>Sardonyx</source>
        <translation>Sardônica</translation>
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
        <translation>Crisólito</translation>
    </message>
    <message>
        <source>Rock Crystal</source>
        <translation>Cristal de rocha</translation>
    </message>
    <message>
        <source>Chalcedony</source>
        <translation>Calcedônia</translation>
    </message>
    <message>
        <source>Beryl</source>
        <translation>Berilo</translation>
    </message>
    <message>
        <source>Sapphire</source>
        <translation>Safira</translation>
    </message>
    <message>
        <source>Agate</source>
        <translation>Ágata</translation>
    </message>
    <message>
        <source>Magnet</source>
        <translation>Pedra-ímã</translation>
    </message>
    <message>
        <source>Jasper</source>
        <translation>Jaspe</translation>
    </message>
    <message>
        <source>Topaz</source>
        <translation>Topázio</translation>
    </message>
    <message>
        <source>Onyx</source>
        <translation>Ônix</translation>
    </message>
    <message>
        <source>mugwort</source>
        <translation>Artemísia</translation>
    </message>
    <message>
        <source>milk thistle</source>
        <translation>Cardo-mariano</translation>
    </message>
    <message>
        <source>birthwort</source>
        <translation>Aristolóquia</translation>
    </message>
    <message>
        <source>Black hellebore</source>
        <translation>Heléboro-negro</translation>
    </message>
    <message>
        <source>Sage</source>
        <translation>Sálvia</translation>
    </message>
    <message>
        <source>winter savory</source>
        <translation>Segurelha-de-inverno</translation>
    </message>
    <message>
        <source>fennel</source>
        <translation>Funcho</translation>
    </message>
    <message>
        <source>marjoram</source>
        <translation>Manjerona</translation>
    </message>
    <message>
        <source>juniper</source>
        <translation>Zimbro</translation>
    </message>
    <message>
        <source>thyme</source>
        <translation>Tomilho</translation>
    </message>
    <message>
        <source>water buttercup</source>
        <translation>Ranúnculo-aquático</translation>
    </message>
    <message>
        <source>succory</source>
        <translation>Chicória</translation>
    </message>
    <message>
        <source>plantain</source>
        <translation>Tanchagem</translation>
    </message>
    <message>
        <source>rosemary</source>
        <translation>Alecrim</translation>
    </message>
    <message>
        <source>burdock</source>
        <translation>Bardana</translation>
    </message>
    <message>
        <source>Leo 29°50&apos;</source>
        <translation>Leão 29°50&apos;</translation>
    </message>
    <message>
        <source>Gemini 09°47&apos;</source>
        <translation>Gêmeos 09°47&apos;</translation>
    </message>
    <message>
        <source>Sagittarius 09°46&apos;</source>
        <translation>Sagitário 09°46&apos;</translation>
    </message>
    <message>
        <source>Pisces 03°52&apos;</source>
        <translation>Peixes 03°52&apos;</translation>
    </message>
    <message>
        <source>Taurus 26°10&apos;</source>
        <translation>Touro 26°10&apos;</translation>
    </message>
    <message>
        <source>Gemini 00°00&apos;</source>
        <translation>Gêmeos 00°00&apos;</translation>
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
        <translation>Capricórnio 15°19</translation>
    </message>
    <message>
        <source>Pisces 29°22&apos;</source>
        <translation>Peixes 29°22&apos;</translation>
    </message>
    <message>
        <source>Jupiter And Mars</source>
        <translation>Júpiter e Marte</translation>
    </message>
    <message>
        <source>Mars And Venus</source>
        <translation>Marte e Vênus</translation>
    </message>
    <message>
        <source>Venus And Jupiter</source>
        <translation>Vênus e Júpiter</translation>
    </message>
    <message>
        <source>Saturn And Jupiter</source>
        <translation>Saturno e Júpiter</translation>
    </message>
    <message>
        <source>Venus And Mercury</source>
        <translation>Vênus e Mercúrio</translation>
    </message>
    <message>
        <source>Mercury And Venus</source>
        <translation>Mercúrio e Vênus</translation>
    </message>
    <message>
        <source>Moon And Mars</source>
        <translation>Lua e Marte</translation>
    </message>
    <message>
        <source>Saturn And Mercury</source>
        <translation>Saturno e Mercúrio</translation>
    </message>
    <message>
        <source>Venus</source>
        <translation>Vênus</translation>
    </message>
    <message>
        <source>Jupiter And Saturn</source>
        <translation>Júpiter e Saturno</translation>
    </message>
    <message>
        <source>Mercury And Mars</source>
        <translation>Mercúrio e Marte</translation>
    </message>
    <message>
        <source>Venus And Moon</source>
        <translation>Vênus e Lua</translation>
    </message>
    <message>
        <source>Mars And Jupiter</source>
        <translation>Marte e Júpiter</translation>
    </message>
    <message>
        <source>Venus And Mars</source>
        <translation>Vênus e Marte</translation>
    </message>
    <message>
        <source>Saturn And Mars</source>
        <translation>Saturno e Marte</translation>
    </message>
    <message>
        <source>Independence, Leadership, Success</source>
        <translation>Independência, liderança, sucesso</translation>
    </message>
    <message>
        <source>Knowledge, Strength, Honor</source>
        <translation>Conhecimento, força, honra</translation>
    </message>
    <message>
        <source>Danger, Differences, Violence</source>
        <translation>Perigo, divergências, violência</translation>
    </message>
    <message>
        <source>Good or Bad Luck</source>
        <translation>Boa ou má sorte</translation>
    </message>
    <message>
        <source>Bad Luck, Misfortune, Violence</source>
        <translation>Azar, infortúnio, violência</translation>
    </message>
    <message>
        <source>Love, Emotions, Sadness</source>
        <translation>Amor, emoções, tristeza</translation>
    </message>
    <message>
        <source>Disgrace, Falseness, Loneliness</source>
        <translation>Desonra, falsidade, solidão</translation>
    </message>
    <message>
        <source>Prosperity, Success, Brashness</source>
        <translation>Prosperidade, sucesso, impetuosidade</translation>
    </message>
    <message>
        <source>Good Luck, Fortunes, Hope</source>
        <translation>Boa sorte, fortuna, esperança</translation>
    </message>
    <message>
        <source>Extreme Bad Luck, Misfortunes</source>
        <translation>Azar extremo, infortúnios</translation>
    </message>
    <message>
        <source>Accidents, Bad Vibes, Violence</source>
        <translation>Acidentes, vibrações negativas, violência</translation>
    </message>
    <message>
        <source>Joy, Wisdom, Glory</source>
        <translation>Alegria, sabedoria, glória</translation>
    </message>
    <message>
        <source>Pride, Ambition, Wealth, Danger</source>
        <translation>Orgulho, ambição, riqueza, perigo</translation>
    </message>
    <message>
        <source>Curious, Open Minded, Strong</source>
        <translation>Curiosidade, mente aberta, força</translation>
    </message>
    <message>
        <source>Bad Luck, Violence, Evaporation</source>
        <translation>Azar, violência, evaporação</translation>
    </message>
    <message>
        <source>Troubles, Losses, Ill-Health</source>
        <translation>Problemas, perdas, saúde frágil</translation>
    </message>
    <message>
        <source>Inspiration, Riches, Fame, Popularity</source>
        <translation>Inspiração, riquezas, fama, popularidade</translation>
    </message>
    <message>
        <source>Dignity, Literacy, Brilliance, Scandals</source>
        <translation>Dignidade, erudição, brilho, escândalos</translation>
    </message>
    <message>
        <source>Extreme Good Luck or Bad Luck</source>
        <translation>Sorte ou azar extremos</translation>
    </message>
    <message>
        <source>You can hope to accomplish all your goals. You may become famous in your professional life.</source>
        <translation>Você pode ter a esperança de realizar todos os seus objetivos. Poderá alcançar a fama na vida profissional.</translation>
    </message>
    <message>
        <source>This star has an effect of bestowing courage, intelligence and honor in whichever part of the birth chart it is present in. </source>
        <translation>Esta estrela concede coragem, inteligência e honra em qualquer parte do mapa natal em que esteja presente. </translation>
    </message>
    <message>
        <source>You will be very emotional and easily get into fights because of your brash nature.</source>
        <translation>Você terá emoções intensas e se envolverá facilmente em brigas por causa da sua natureza impetuosa.</translation>
    </message>
    <message>
        <source>You will have a lot of creative mental energy which may be positive or negative.</source>
        <translation>Você terá muita energia mental criativa, que pode ser positiva ou negativa.</translation>
    </message>
    <message>
        <source>You will be excessively obsessed with whichever field of the birth chart this star occupies.</source>
        <translation>Você terá uma obsessão excessiva pela área do mapa natal que esta estrela ocupar.</translation>
    </message>
    <message>
        <source>You may face some sadness in life. You will need to let go of being attached to people.</source>
        <translation>Você poderá enfrentar alguma tristeza na vida. Precisará aprender a se desapegar das pessoas.</translation>
    </message>
    <message>
        <source>This star gives you good luck and success in whatever you do.</source>
        <translation>Esta estrela lhe traz sorte e sucesso em tudo o que você fizer.</translation>
    </message>
    <message>
        <source>This star shows your idealistic, optimistic and positive way of dealing with things.</source>
        <translation>Esta estrela mostra a sua maneira idealista, otimista e positiva de lidar com as coisas.</translation>
    </message>
    <message>
        <source>You will be prone to looking at the negative part of any situation than looking at the positive side.</source>
        <translation>Você tenderá a olhar mais para o lado negativo de qualquer situação do que para o lado positivo.</translation>
    </message>
    <message>
        <source>You have a tendency to day dream and will enjoy poetry and fantasies.</source>
        <translation>Você tem tendência a devanear e apreciará a poesia e as fantasias.</translation>
    </message>
    <message>
        <source>This is also known as the Dog Star. This shows that you may advance much farther in life than you have expected if you put in the hard work.</source>
        <translation>Esta estrela também é conhecida como Estrela do Cão. Ela mostra que você poderá ir muito mais longe na vida do que esperava, se trabalhar com afinco.</translation>
    </message>
    <message>
        <source>You will have a love for learning and will be studious. You will succeed in material enterprises.</source>
        <translation>Você terá amor pelo aprendizado e dedicação aos estudos. Terá sucesso em empreendimentos materiais.</translation>
    </message>
    <message>
        <source>This star will make you hasty, jealous and stubborn. It will also give you a sharp and active mind.</source>
        <translation>Esta estrela trará impaciência, ciúme e teimosia ao seu temperamento. Também lhe dará uma mente afiada e ativa.</translation>
    </message>
    <message>
        <source>This star causes a lot of sickness and problems. It may give you spiritual powers and you will be respected.</source>
        <translation>Esta estrela causa muitas doenças e problemas. Ela pode lhe dar poderes espirituais, e você conquistará respeito.</translation>
    </message>
    <message>
        <source>You will accomplish a lot on life and will be successful and prosperous. But you may also strive to acquire justice through power.</source>
        <translation>Você realizará muito na vida e terá sucesso e prosperidade. Mas também poderá se empenhar em obter justiça por meio do poder.</translation>
    </message>
    <message>
        <source>You may have artistic abilities. You will be dignified and honorable. You may be tempted to fall into bad company.</source>
        <translation>Você poderá ter talentos artísticos. Terá dignidade e honra. Poderá sentir a tentação de se envolver com más companhias.</translation>
    </message>
    <message>
        <source>You may be very aggressive by nature. You may be patient and understanding or selfish and crafty.</source>
        <translation>Você poderá ter uma natureza muito agressiva. Poderá mostrar paciência e compreensão, ou egoísmo e astúcia.</translation>
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
        <translation>Leste</translation>
    </message>
    <message>
        <source>West</source>
        <translation>Oeste</translation>
    </message>
    <message>
        <source>South</source>
        <translation>Sul</translation>
    </message>
    <message>
        <source>NA</source>
        <translation>N/D</translation>
    </message>
    <message>
        <source>Interpretation for this Fixed Star will be included in the next version.</source>
        <translation>A interpretação desta estrela fixa será incluída na próxima versão.</translation>
    </message>
</context>
<context>
    <name>SkyChart</name>
    <message>
        <source>The picture could not be saved to %1: %2</source>
        <translation>Não foi possível salvar a imagem em %1: %2</translation>
    </message>
    <message>
        <source>the size is empty</source>
        <translation>o tamanho está vazio</translation>
    </message>
    <message>
        <source>the picture is too large</source>
        <translation>a imagem é grande demais</translation>
    </message>
    <message>
        <source>the PDF could not be started</source>
        <translation>não foi possível iniciar o PDF</translation>
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
        <translation>Meio do céu: %1</translation>
    </message>
    <message>
        <source>The reading&apos;s star, %1: %2</source>
        <translation>A estrela da leitura, %1: %2</translation>
    </message>
    <message>
        <source>Star %1: %2</source>
        <translation>Estrela %1: %2</translation>
    </message>
    <message>
        <source>%1, in conjunction with %2</source>
        <translation>%1, em conjunção com %2</translation>
    </message>
    <message>
        <source>%1 rises at %2, azimuth %3°</source>
        <translation>%1 nasce às %2, azimute %3°</translation>
    </message>
    <message>
        <source>%1 does not rise that day</source>
        <translation>%1 não nasce nesse dia</translation>
    </message>
    <message>
        <source>%1 culminates at %2, altitude %3°</source>
        <translation>%1 culmina às %2, altura %3°</translation>
    </message>
    <message>
        <source>%1 sets at %2, azimuth %3°</source>
        <translation>%1 se põe às %2, azimute %3°</translation>
    </message>
    <message>
        <source>%1 does not set that day</source>
        <translation>%1 não se põe nesse dia</translation>
    </message>
    <message>
        <source>At the birth, %1: %2 at altitude %3°, azimuth %4°</source>
        <translation>No nascimento, %1: %2 a %3° de altura, azimute %4°</translation>
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
        <translation>L</translation>
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
        <translation>nasce %1</translation>
    </message>
    <message>
        <source>culminates %1</source>
        <translation>culmina %1</translation>
    </message>
    <message>
        <source>sets %1</source>
        <translation>se põe %1</translation>
    </message>
    <message>
        <source>birth %1</source>
        <translation>nascimento %1</translation>
    </message>
    <message>
        <source>%1 stays above the horizon all day</source>
        <translation>%1 fica acima do horizonte o dia todo</translation>
    </message>
    <message>
        <source>%1 stays below the horizon all day</source>
        <translation>%1 fica abaixo do horizonte o dia todo</translation>
    </message>
    <message>
        <source>The sky over the birthplace on the birth day</source>
        <translation>O céu sobre o local de nascimento no dia do nascimento</translation>
    </message>
    <message>
        <source>The birthplace and the day of birth are needed for the sky over the birthplace.</source>
        <translation>Para o céu sobre o local de nascimento são necessários o local e o dia do nascimento.</translation>
    </message>
    <message>
        <source>The time of birth is needed for the bodies.</source>
        <translation>Para os astros é necessária a hora do nascimento.</translation>
    </message>
</context>
<context>
    <name>asterine</name>
    <message>
        <source>Application is already running</source>
        <translation>O aplicativo já está em execução</translation>
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
        <translation>Esta cópia do Asterine não consegue gravar imagens SVG; salve o mapa astral como PNG.</translation>
    </message>
</context>
<context>
    <name>asterine::ChartSizeDialog</name>
    <message>
        <source>Size of the PNG Picture</source>
        <translation>Tamanho da imagem PNG</translation>
    </message>
    <message>
        <source>Width in pixels</source>
        <translation>Largura em pixels</translation>
    </message>
    <message>
        <source>&amp;Width in pixels:</source>
        <translation>&amp;Largura em pixels:</translation>
    </message>
    <message>
        <source>Height in pixels:</source>
        <translation>Altura em pixels:</translation>
    </message>
    <message>
        <source>Height in pixels: %1</source>
        <translation>Altura em pixels: %1</translation>
    </message>
</context>
<context>
    <name>asterine::CommandLine</name>
    <message>
        <source>asterine reading: %1 Try “asterine --help”.
</source>
        <translation>asterine reading: %1 Experimente “asterine --help”.
</translation>
    </message>
    <message>
        <source>asterine reading: “%1” is not an option. Try “asterine --help”.
</source>
        <translation>asterine reading: “%1” não é uma opção. Experimente “asterine --help”.
</translation>
    </message>
    <message>
        <source>asterine reading: --%1 is given more than once.
</source>
        <translation>asterine reading: a opção --%1 foi informada mais de uma vez.
</translation>
    </message>
    <message>
        <source>asterine: “%1” is not a command. Try “asterine --help”.
</source>
        <translation>asterine: “%1” não é um comando. Experimente “asterine --help”.
</translation>
    </message>
    <message>
        <source>asterine: standard output cannot be written: %1.
</source>
        <translation>asterine: não é possível escrever na saída padrão: %1.
</translation>
    </message>
    <message>
        <source>Copyright © 2026 Quorvane Softwares.
License GPLv3+: GNU GPL version 3 or later &lt;https://gnu.org/licenses/gpl.html&gt;.
This is free software: you are free to change and redistribute it.
There is NO WARRANTY, to the extent permitted by law.
</source>
        <translation>Copyright © 2026 Quorvane Softwares.
Licença GPLv3+: GNU GPL versão 3 ou posterior &lt;https://gnu.org/licenses/gpl.html&gt;.
Este é um software livre: você é livre para alterá-lo e redistribuí-lo.
NÃO HÁ GARANTIA, na máxima extensão permitida em lei.
</translation>
    </message>
    <message>
        <source>asterine: unknown option “%1”. Try “asterine --help”.
</source>
        <translation>asterine: opção desconhecida “%1”. Experimente “asterine --help”.
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
        <translation>Uso: asterine [OPÇÃO-QT...]
     asterine reading (--latitude LATITUDE | --place LOCAL)
                      (--year ANO | --date YYYY-MM-DD)
                      [--longitude LONGITUDE] [--name NOME] [--format text|json]
                      [--time HH:MM[:SS] [--zone FUSO] [--offset ±HH:MM]
                      [--dst yes|no]] [--orb GRAUS] [--paran-minutes MINUTOS]
                      [--chart ARQUIVO.svg|ARQUIVO.png [--chart-size PIXELS]]
     asterine --help | --version

Sem um comando, o Asterine abre a sua janela; as opções do próprio Qt, como
-platform e -style, valem para ela.

reading    mostra a leitura de estrela fixa para uma latitude e um ano, como
           a janela de resultado a apresenta, sem abrir janela
  --latitude LATITUDE     51:30:26N, 51 30 N, 51°30.5′N, N51.5 ou -33.87
  --longitude LONGITUDE   0:07:39W, 0 7 39 W, 0°7.65′W, W0.13 ou 151.21
  --year ANO              de 1900 a 2050
  --date YYYY-MM-DD       a data de nascimento; o ano é tirado dela
  --name NOME             letras e espaços
  --place LOCAL           um local do atlas offline, como &quot;Pune&quot; ou
                          &quot;London, Canada&quot;; usa a latitude e a longitude dele
                          quando --latitude e --longitude não são dados
  --time HH:MM[:SS]       a hora de nascimento; precisa de --date e de um fuso
  --zone FUSO             o fuso que os relógios seguiam: Europe/Berlin, LMT
                          (o tempo médio local da longitude) ou UTC+05:30;
                          com --place, o do local quando não é dado
  --offset ±HH:MM         o deslocamento de UTC em vigor, acima do do fuso
  --dst yes|no            se vigorava o horário de verão, para um horário que o
                          fuso pulou ou mostrou duas vezes
  --orb GRAUS             o orbe das conjunções, de 0 a 10 (padrão 1)
  --paran-minutes MINUTOS a tolerância dos parans, de 0 a 60 (padrão 4)
  --chart ARQUIVO         grava a roda do céu do nascimento, em SVG ou PNG
                          conforme a extensão do arquivo
  --chart-size PIXELS     a largura e a altura, de 200 a 8000 (padrão 1000)
  --format text|json      text (o padrão) ou um objeto JSON

Status de saída: 0 para uma leitura, 1 quando a saída ou o mapa não pode ser
escrito, 2 para entrada recusada ou opção desconhecida, 3 quando --place não
encontra nenhum local ou não há atlas. Consulte asterine(1).
</translation>
    </message>
</context>
<context>
    <name>asterine::FileMenu</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Arquivo</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>Sai&amp;r</translation>
    </message>
</context>
<context>
    <name>asterine::FrmAbout</name>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website.</source>
        <translation>Oportunidade de negócio em casa. Comece seu próprio negócio na internet e ganhe dinheiro on-line. Tenha este programa totalmente personalizado com a marca do seu site.</translation>
    </message>
    <message>
        <source>Click here for more details</source>
        <translation>Clique aqui para mais detalhes</translation>
    </message>
    <message>
        <source>Click here to visit %1</source>
        <translation>Clique aqui para visitar %1</translation>
    </message>
    <message>
        <source>Copyright © 2026 Quorvane Softwares.
Asterine is free software: you may convey and modify it under the terms of the GNU General Public License, version 3 or any later version. It comes with ABSOLUTELY NO WARRANTY. Choose Licence to read the licence.</source>
        <translation>Copyright © 2026 Quorvane Softwares.
O Asterine é software livre: você pode distribuí-lo e modificá-lo nos termos da Licença Pública Geral GNU, versão 3 ou qualquer versão posterior. Ele é fornecido SEM NENHUMA GARANTIA. Escolha Licença para ler a licença.</translation>
    </message>
    <message>
        <source>Places: GeoNames, CC BY 4.0</source>
        <translation>Locais: GeoNames, CC BY 4.0</translation>
    </message>
    <message>
        <source>&amp;Licence</source>
        <translation>&amp;Licença</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Stars: the catalogue sefstars.txt of swe-basic-data, CC0-1.0</source>
        <translation>Estrelas: o catálogo sefstars.txt de swe-basic-data, CC0-1.0</translation>
    </message>
    <message>
        <source>The sky is worked out with ERFA, BSD-3-Clause</source>
        <translation>O céu é calculado com ERFA, BSD-3-Clause</translation>
    </message>
</context>
<context>
    <name>asterine::FrmBrowser</name>
    <message>
        <source>The built-in browser is not installed.</source>
        <translation>O navegador integrado não está instalado.</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Voltar</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Avançar</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Parar</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Atualizar</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Início</translation>
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
        <translation>Visite o fórum Quorvane em %1</translation>
    </message>
    <message>
        <source>Also from Quorvane Softwares: numerology, tarot and more</source>
        <translation>Também da Quorvane Softwares: numerologia, tarô e muito mais</translation>
    </message>
    <message>
        <source>&amp;Address:</source>
        <translation>&amp;Endereço:</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Endereço</translation>
    </message>
    <message>
        <source>Working...</source>
        <translation>Carregando...</translation>
    </message>
    <message>
        <source>This page stopped working.</source>
        <translation>Esta página parou de funcionar.</translation>
    </message>
    <message>
        <source>Refresh loads it again; Home opens the home page.</source>
        <translation>Atualizar carrega a página de novo; Início abre a página inicial.</translation>
    </message>
</context>
<context>
    <name>asterine::FrmDisplay</name>
    <message>
        <source>Latin Name</source>
        <translation>Nome latino</translation>
    </message>
    <message>
        <source>Designation</source>
        <translation>Designação</translation>
    </message>
    <message>
        <source>Gemstone</source>
        <translation>Pedra</translation>
    </message>
    <message>
        <source>Plant</source>
        <translation>Planta</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Posição</translation>
    </message>
    <message>
        <source>Ruling Planet</source>
        <translation>Planeta regente</translation>
    </message>
    <message>
        <source>Keywords</source>
        <translation>Palavras-chave</translation>
    </message>
    <message>
        <source>Effect</source>
        <translation>Efeito</translation>
    </message>
    <message>
        <source>Angel</source>
        <translation>Anjo</translation>
    </message>
    <message>
        <source>Direction</source>
        <translation>Direção</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Sair</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Voltar</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Imprimir...</translation>
    </message>
    <message>
        <source>Print Pre&amp;view...</source>
        <translation>Visualizar im&amp;pressão...</translation>
    </message>
    <message>
        <source>&amp;Export as PDF...</source>
        <translation>&amp;Exportar como PDF...</translation>
    </message>
    <message>
        <source>&amp;Save as Text...</source>
        <translation>&amp;Salvar como texto...</translation>
    </message>
    <message>
        <source>&amp;Copy Reading</source>
        <translation>&amp;Copiar leitura</translation>
    </message>
    <message>
        <source>&amp;Check for Software Update</source>
        <translation>&amp;Procurar atualizações</translation>
    </message>
    <message>
        <source>Asterine Results</source>
        <translation>Resultados do Asterine</translation>
    </message>
    <message>
        <source>Fixed Star</source>
        <translation>Estrela fixa</translation>
    </message>
    <message>
        <source>Export the Reading as PDF</source>
        <translation>Exportar a leitura como PDF</translation>
    </message>
    <message>
        <source>Save the Reading as Text</source>
        <translation>Salvar a leitura como texto</translation>
    </message>
    <message>
        <source>PDF documents (*.pdf)</source>
        <translation>Documentos PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Text files (*.txt)</source>
        <translation>Arquivos de texto (*.txt)</translation>
    </message>
    <message>
        <source>The reading is copied.</source>
        <translation>A leitura foi copiada.</translation>
    </message>
    <message>
        <source>Save C&amp;hart...</source>
        <translation>Salvar &amp;mapa astral...</translation>
    </message>
    <message>
        <source>Wheel</source>
        <translation>Roda</translation>
    </message>
    <message>
        <source>Horizon</source>
        <translation>Horizonte</translation>
    </message>
    <message>
        <source>&amp;Copy Chart</source>
        <translation>&amp;Copiar mapa astral</translation>
    </message>
    <message>
        <source>Wheel of the birth&apos;s sky</source>
        <translation>Roda do céu natal</translation>
    </message>
    <message>
        <source>Save the Chart</source>
        <translation>Salvar o mapa astral</translation>
    </message>
    <message>
        <source>SVG pictures (*.svg)</source>
        <translation>Imagens SVG (*.svg)</translation>
    </message>
    <message>
        <source>PNG pictures (*.png)</source>
        <translation>Imagens PNG (*.png)</translation>
    </message>
    <message>
        <source>The chart is copied.</source>
        <translation>O mapa astral foi copiado.</translation>
    </message>
    <message>
        <source>Ed&amp;it</source>
        <translation>&amp;Editar</translation>
    </message>
    <message>
        <source>Sky</source>
        <translation>Céu</translation>
    </message>
    <message>
        <source>Working out the sky…</source>
        <translation>Calculando o céu…</translation>
    </message>
</context>
<context>
    <name>asterine::FrmMain</name>
    <message>
        <source>&amp;Open Person...</source>
        <translation>Abrir &amp;pessoa...</translation>
    </message>
    <message>
        <source>&amp;Save Person</source>
        <translation>&amp;Salvar pessoa</translation>
    </message>
    <message>
        <source>Open &amp;Recent</source>
        <translation>&amp;Abrir recentes</translation>
    </message>
    <message>
        <source>&amp;Clear Recent</source>
        <translation>&amp;Limpar recentes</translation>
    </message>
    <message>
        <source>“%1” is saved already. Replace it?</source>
        <translation>Já existe uma pessoa salva com o nome “%1”. Substituir?</translation>
    </message>
    <message>
        <source>Get My Fixed Stars Astrology Reading</source>
        <translation>Ver minha leitura das estrelas fixas</translation>
    </message>
    <message>
        <source>Check for Software &amp;Update</source>
        <translation>&amp;Procurar atualizações</translation>
    </message>
    <message>
        <source>Enter Your Details</source>
        <translation>Informe seus dados</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Month of birth</source>
        <translation>Mês de nascimento</translation>
    </message>
    <message>
        <source>Day of birth</source>
        <translation>Dia de nascimento</translation>
    </message>
    <message>
        <source>Year of birth</source>
        <translation>Ano de nascimento</translation>
    </message>
    <message>
        <source>Date of Birth</source>
        <translation>Data de nascimento</translation>
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
        <translation>Hora de nascimento</translation>
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
        <translation>Leste</translation>
    </message>
    <message>
        <source>West</source>
        <translation>Oeste</translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation>Latitude</translation>
    </message>
    <message>
        <source>North</source>
        <translation>Norte</translation>
    </message>
    <message>
        <source>South</source>
        <translation>Sul</translation>
    </message>
    <message>
        <source>Enter Your Longitude and Latitude Correctly</source>
        <translation>Informe corretamente sua longitude e latitude</translation>
    </message>
    <message>
        <source>City</source>
        <translation>Cidade</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Estado</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>País</translation>
    </message>
    <message>
        <source>Click Here To Find Latitude &amp;&amp; Longitude</source>
        <translation>Clique aqui para encontrar latitude e longitude</translation>
    </message>
    <message>
        <source>Click Here To Find Latitude &amp; Longitude</source>
        <translation>Clique aqui para encontrar latitude e longitude</translation>
    </message>
    <message>
        <source>Deg</source>
        <translation>Graus</translation>
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
        <translation>graus</translation>
    </message>
    <message>
        <source>minutes</source>
        <translation>minutos</translation>
    </message>
    <message>
        <source>seconds</source>
        <translation>segundos</translation>
    </message>
    <message>
        <source>Please Enter City</source>
        <translation>Informe a cidade</translation>
    </message>
    <message>
        <source>Please Enter State</source>
        <translation>Informe o estado</translation>
    </message>
    <message>
        <source>Please Enter Country</source>
        <translation>Informe o país</translation>
    </message>
    <message>
        <source>“%1” is saved.</source>
        <translation>Pessoa “%1” salva.</translation>
    </message>
    <message>
        <source>Time zone of birth</source>
        <translation>Fuso horário do nascimento</translation>
    </message>
    <message>
        <source>Time zones</source>
        <translation>Fusos horários</translation>
    </message>
    <message>
        <source>Time zone</source>
        <translation>Fuso horário</translation>
    </message>
</context>
<context>
    <name>asterine::FrmTellAFriend</name>
    <message>
        <source>Click Here To Visit %1 Now</source>
        <translation>Clique aqui para visitar %1 agora</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Sair</translation>
    </message>
    <message>
        <source>Refer A Friend</source>
        <translation>Indique a um amigo</translation>
    </message>
    <message>
        <source>Refer A Friend &amp;Now</source>
        <translation>&amp;Indique a um amigo agora</translation>
    </message>
    <message>
        <source>Download Quorvane Softwares</source>
        <translation>Baixe os programas da Quorvane</translation>
    </message>
    <message>
        <source>Click Here To Visit Quorvane Softwares</source>
        <translation>Clique aqui para visitar a Quorvane Softwares</translation>
    </message>
    <message>
        <source>Email Address Cannot Contain Space</source>
        <translation>O endereço de e-mail não pode conter espaços</translation>
    </message>
</context>
<context>
    <name>asterine::HelpMenus</name>
    <message>
        <source>&amp;Help</source>
        <translation>Aj&amp;uda</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>&amp;Ajuda on-line</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>&amp;Visite nosso site</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>&amp;Sobre o programa</translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <translation>&amp;Doar</translation>
    </message>
</context>
<context>
    <name>asterine::LicenceWindow</name>
    <message>
        <source>Asterine Licence</source>
        <translation>Licença do Asterine</translation>
    </message>
    <message>
        <source>Licence</source>
        <translation>Licença</translation>
    </message>
</context>
<context>
    <name>asterine::Links</name>
    <message>
        <source>The desktop could not open this address in a web browser:

%1

Copy the address to the clipboard, to paste it into a browser yourself?</source>
        <translation>O ambiente de trabalho não conseguiu abrir este endereço em um navegador:

%1

Deseja copiar o endereço para a área de transferência e colá-lo você mesmo em um navegador?</translation>
    </message>
</context>
<context>
    <name>asterine::PeopleWindow</name>
    <message>
        <source>People</source>
        <translation>Pessoas</translation>
    </message>
    <message>
        <source>&amp;Search:</source>
        <translation>&amp;Buscar:</translation>
    </message>
    <message>
        <source>Search people by name or place</source>
        <translation>Buscar pessoas por nome ou local</translation>
    </message>
    <message>
        <source>Name or place</source>
        <translation>Nome ou local</translation>
    </message>
    <message>
        <source>Date of Birth</source>
        <translation>Data de nascimento</translation>
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
        <translation>&amp;Excluir</translation>
    </message>
    <message>
        <source>&amp;Import...</source>
        <translation>&amp;Importar...</translation>
    </message>
    <message>
        <source>Export &amp;All...</source>
        <translation>Exportar &amp;tudo...</translation>
    </message>
    <message>
        <source>Export S&amp;elected...</source>
        <translation>Exportar &amp;seleção...</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fechar</translation>
    </message>
    <message>
        <source>Remove “%1” from the people Asterine remembers?</source>
        <translation>Remover “%1” das pessoas salvas no Asterine?</translation>
    </message>
    <message>
        <source>Import People</source>
        <translation>Importar pessoas</translation>
    </message>
    <message>
        <source>CSV files (*.csv);;All files (*)</source>
        <translation>Arquivos CSV (*.csv);;Todos os arquivos (*)</translation>
    </message>
    <message>
        <source>“%1” could not be read: %2.</source>
        <translation>Não foi possível ler “%1”: %2.</translation>
    </message>
    <message>
        <source>Reading “%1”...</source>
        <translation>Lendo “%1”...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Importing “%1”...</source>
        <translation>Importando “%1”...</translation>
    </message>
    <message>
        <source>Export People</source>
        <translation>Exportar pessoas</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Arquivos CSV (*.csv)</translation>
    </message>
    <message>
        <source>No people are saved yet. To add one, type the details on the main window and choose File, Save Person; or bring people from a CSV file with Import.</source>
        <translation>Ainda não há pessoas salvas. Para adicionar uma, digite os dados na janela principal e escolha Arquivo, Salvar pessoa; ou traga pessoas de um arquivo CSV com Importar.</translation>
    </message>
    <message numerus="yes">
        <source>%n people exported to “%1”.</source>
        <translation>
            <numerusform>%n pessoa exportada para “%1”.</numerusform>
            <numerusform>%n pessoas exportadas para “%1”.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>asterine::PlaceSuggestions</name>
    <message>
        <source>Places</source>
        <translation>Locais</translation>
    </message>
</context>
<context>
    <name>asterine::Printing</name>
    <message>
        <source>No printer was found. Set one up in the desktop&apos;s printer settings, or choose Export as PDF to save the reading as a file you can print.</source>
        <translation>Nenhuma impressora foi encontrada. Configure uma nas configurações de impressora do ambiente de trabalho ou escolha Exportar como PDF para salvar a leitura em um arquivo que você possa imprimir.</translation>
    </message>
    <message>
        <source>Printing is not installed with this copy of Asterine. Export as PDF saves the reading as a file you can print.</source>
        <translation>A impressão não está instalada nesta cópia do Asterine. Exportar como PDF salva a leitura em um arquivo que você pode imprimir.</translation>
    </message>
</context>
<context>
    <name>asterine::ReadingCommand</name>
    <message>
        <source>asterine reading: the format “%1” is neither text nor json.</source>
        <translation>asterine reading: o formato “%1” não é text nem json.</translation>
    </message>
    <message>
        <source>asterine reading: --place names no place.</source>
        <translation>asterine reading: --place não indica nenhum local.</translation>
    </message>
    <message>
        <source>asterine reading: there is no atlas on this system (Debian&apos;s libgeonames), so --place cannot be looked up.</source>
        <translation>asterine reading: não há atlas neste sistema (libgeonames do Debian), então não é possível procurar o local de --place.</translation>
    </message>
    <message>
        <source>asterine reading: no place in the atlas matches “%1”.</source>
        <translation>asterine reading: nenhum local do atlas corresponde a “%1”.</translation>
    </message>
    <message>
        <source>asterine reading: took %1, the most populous of %2 places that match “%3”; to take another, name its state or country too, as in “%4, %5”.</source>
        <translation>asterine reading: foi usado %1, o mais populoso dos %2 locais que correspondem a “%3”; para usar outro, informe também o estado ou o país, como em “%4, %5”.</translation>
    </message>
    <message>
        <source>asterine reading: the longitude “%1” is neither degrees, minutes and seconds with E or W (73:51:19E) nor decimal degrees (-73.86).</source>
        <translation>asterine reading: a longitude “%1” não está em graus, minutos e segundos com E ou W (73:51:19E) nem em graus decimais (-73.86).</translation>
    </message>
    <message>
        <source>asterine reading: the year “%1” is not one of the years the form offers, %2 to %3.</source>
        <translation>asterine reading: o ano “%1” não é um dos anos que o formulário oferece, de %2 a %3.</translation>
    </message>
    <message>
        <source>asterine reading: the date “%1” is not a date written YYYY-MM-DD.</source>
        <translation>asterine reading: a data “%1” não é uma data no formato YYYY-MM-DD.</translation>
    </message>
    <message>
        <source>asterine reading: the year %1 and the date %2 disagree.</source>
        <translation>asterine reading: o ano %1 e a data %2 não coincidem.</translation>
    </message>
    <message>
        <source>asterine reading: give the year of birth (--year) or the date (--date).</source>
        <translation>asterine reading: informe o ano de nascimento (--year) ou a data (--date).</translation>
    </message>
    <message>
        <source>asterine reading: the latitude “%1” is neither degrees, minutes and seconds with N or S (51:30:26N, 51 30 N, 51°30.5′N) nor decimal degrees (-33.87, N51.5).</source>
        <translation>asterine reading: a latitude “%1” não está em graus, minutos e segundos com N ou S (51:30:26N, 51 30 N, 51°30.5′N) nem em graus decimais (-33.87, N51.5).</translation>
    </message>
    <message>
        <source>asterine reading: %1</source>
        <translation>asterine reading: %1</translation>
    </message>
    <message>
        <source>asterine reading: --time needs the date of birth: give --date too.</source>
        <translation>asterine reading: --time precisa da data de nascimento: informe também --date.</translation>
    </message>
    <message>
        <source>asterine reading: the time “%1” is not a time of day written HH:MM or HH:MM:SS, from 00:00 to 23:59:59.</source>
        <translation>asterine reading: o horário “%1” não é uma hora do dia escrita HH:MM ou HH:MM:SS, de 00:00 a 23:59:59.</translation>
    </message>
    <message>
        <source>asterine reading: --%1 tells the offset of a clock time: give the time of birth (--time) too.</source>
        <translation>asterine reading: --%1 informa o deslocamento de um horário de relógio: informe também a hora de nascimento (--time).</translation>
    </message>
    <message>
        <source>asterine reading: --time needs the zone the clocks kept: give --zone, such as Europe/Berlin, LMT or UTC+05:30.</source>
        <translation>asterine reading: --time precisa do fuso que os relógios seguiam: informe --zone, como Europe/Berlin, LMT ou UTC+05:30.</translation>
    </message>
    <message>
        <source>asterine reading: the orb “%1” is not a number of degrees from 0 to 10.</source>
        <translation>asterine reading: o orbe “%1” não é um número de graus de 0 a 10.</translation>
    </message>
    <message>
        <source>asterine reading: the paran tolerance “%1” is not a number of minutes from 0 to 60.</source>
        <translation>asterine reading: a tolerância dos parans “%1” não é um número de minutos de 0 a 60.</translation>
    </message>
    <message>
        <source>asterine reading: --chart-size is the size of the chart: give --chart too.</source>
        <translation>asterine reading: --chart-size é o tamanho do mapa: informe também --chart.</translation>
    </message>
    <message>
        <source>asterine reading: --chart names no file.</source>
        <translation>asterine reading: --chart não indica nenhum arquivo.</translation>
    </message>
    <message>
        <source>asterine reading: the chart “%1” has no extension: name it .svg or .png.</source>
        <translation>asterine reading: o mapa “%1” não tem extensão: dê a ele o nome .svg ou .png.</translation>
    </message>
    <message>
        <source>asterine reading: the chart is written as .svg or .png, not as “.%1”.</source>
        <translation>asterine reading: o mapa é gravado como .svg ou .png, não como “.%1”.</translation>
    </message>
    <message>
        <source>asterine reading: the chart size “%1” is not a number of pixels from 200 to 8000.</source>
        <translation>asterine reading: o tamanho do mapa “%1” não é um número de pixels de 200 a 8000.</translation>
    </message>
    <message>
        <source>asterine reading: the chart cannot be drawn: the chart module, lib/asterine/asterine_chart.so beside the program&apos;s folder, is missing.</source>
        <translation>asterine reading: o mapa não pode ser desenhado: falta o módulo de mapas, lib/asterine/asterine_chart.so ao lado da pasta do programa.</translation>
    </message>
    <message>
        <source>asterine reading: %1 Say which with --offset %2 or --offset %3, or with --dst yes or --dst no.</source>
        <translation>asterine reading: %1 Diga qual com --offset %2 ou --offset %3, ou com --dst yes ou --dst no.</translation>
    </message>
    <message>
        <source>asterine reading: --zone LMT is the local mean time of the birthplace&apos;s longitude: give --longitude or --place too.</source>
        <translation>asterine reading: --zone LMT é o tempo médio local da longitude do local de nascimento: informe também --longitude ou --place.</translation>
    </message>
</context>
<context>
    <name>asterine::Referral</name>
    <message>
        <source>Your Name</source>
        <translation>Seu nome</translation>
    </message>
    <message>
        <source>Your Email Address</source>
        <translation>Seu endereço de e-mail</translation>
    </message>
    <message>
        <source>Your Message</source>
        <translation>Sua mensagem</translation>
    </message>
    <message>
        <source>Friend&apos;s Name</source>
        <translation>Nome do amigo</translation>
    </message>
    <message>
        <source>Friend&apos;s Email Address</source>
        <translation>E-mail do amigo</translation>
    </message>
    <message>
        <source>Please Enter Distinct Email Addresses</source>
        <translation>Informe endereços de e-mail diferentes</translation>
    </message>
    <message>
        <source>Please Enter Proper Email Address</source>
        <translation>Informe um endereço de e-mail válido</translation>
    </message>
    <message>
        <source>Please Enter Your Name</source>
        <translation>Informe seu nome</translation>
    </message>
    <message>
        <source>Please Enter Your Email</source>
        <translation>Informe seu e-mail</translation>
    </message>
    <message>
        <source>Please Enter Your Message</source>
        <translation>Informe sua mensagem</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Name</source>
        <translation>Informe o nome do seu amigo</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Email</source>
        <translation>Informe o e-mail do seu amigo</translation>
    </message>
</context>
<context>
    <name>asterine::UpdatePrompt</name>
    <message>
        <source>There maybe an update to this software available<byte value="xd"/>Do you want to check for an update?</source>
        <translation>Pode haver uma atualização disponível para este programa<byte value="xd"/>Deseja procurar atualizações?</translation>
    </message>
</context>
<context>
    <name>asterine::Validation</name>
    <message>
        <source>Please Enter Name</source>
        <translation>Informe o nome</translation>
    </message>
    <message>
        <source>Please Enter Degree of Longitude</source>
        <translation>Informe os graus da longitude</translation>
    </message>
    <message>
        <source>Please Enter Minute of Longitude</source>
        <translation>Informe os minutos da longitude</translation>
    </message>
    <message>
        <source>Please Enter Second of Longitude</source>
        <translation>Informe os segundos da longitude</translation>
    </message>
    <message>
        <source>Please Enter Degree of Latitude</source>
        <translation>Informe os graus da latitude</translation>
    </message>
    <message>
        <source>Please Enter Minute of Latitude</source>
        <translation>Informe os minutos da latitude</translation>
    </message>
    <message>
        <source>Please Enter Second of Latitude</source>
        <translation>Informe os segundos da latitude</translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month!</source>
        <translation>Informe um dia ou mês válido!</translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month !</source>
        <translation>Informe um dia ou mês válido!</translation>
    </message>
    <message>
        <source>Please Enter only Letters</source>
        <translation>Digite apenas letras</translation>
    </message>
    <message>
        <source>Only Numbers Are Accepted</source>
        <translation>Somente números são aceitos</translation>
    </message>
    <message>
        <source>Please Enter Correct Degree of Latitude</source>
        <translation>Informe corretamente os graus da latitude</translation>
    </message>
    <message>
        <source>Please Enter Correct Minute of Latitude</source>
        <translation>Informe corretamente os minutos da latitude</translation>
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
        <translation>Os relógios de %1 pularam %2 em %3: foi %4?</translation>
    </message>
    <message>
        <source>The clocks of %1 showed %2 twice on %3: was it %4?</source>
        <translation>Os relógios de %1 marcaram %2 duas vezes em %3: foi %4?</translation>
    </message>
    <message>
        <source>The time zone %1 gives no reading of this clock time.</source>
        <translation>O fuso horário %1 não dá nenhuma leitura deste horário.</translation>
    </message>
    <message>
        <source>%1 · %2 UT</source>
        <translation>%1 · %2 TU</translation>
    </message>
    <message>
        <source>The moment of birth needs its date and its time.</source>
        <translation>O momento do nascimento precisa da data e da hora.</translation>
    </message>
    <message>
        <source>The longitude %1 is out of range: longitudes run from 180° west to 180° east.</source>
        <translation>A longitude %1 está fora do intervalo: as longitudes vão de 180° oeste a 180° leste.</translation>
    </message>
    <message>
        <source>Daylight saving was in force in %1 on %2: the clocks showed %3.</source>
        <translation>O horário de verão estava em vigor em %1 em %2: os relógios marcavam %3.</translation>
    </message>
    <message>
        <source>Daylight saving was not in force in %1 on %2: the clocks showed %3.</source>
        <translation>O horário de verão não estava em vigor em %1 em %2: os relógios marcavam %3.</translation>
    </message>
    <message>
        <source>Daylight saving does not tell %1 apart: give the offset in force.</source>
        <translation>O horário de verão não distingue entre %1: informe a diferença de UTC em vigor.</translation>
    </message>
    <message>
        <source>The clocks of %1 kept local mean time then, which needs the birthplace&apos;s longitude.</source>
        <translation>Os relógios de %1 seguiam então a hora média local, que precisa da longitude do local de nascimento.</translation>
    </message>
</context>
<context>
    <name>birth::Zone</name>
    <message>
        <source>Unknown time zone %1: give a zone such as Europe/Berlin, LMT or UTC+05:30.</source>
        <translation>Fuso horário %1 desconhecido: informe um fuso como Europe/Berlin, LMT ou UTC+05:30.</translation>
    </message>
    <message>
        <source>%1 is not an offset from UTC: write it as +05:30 or -03:00.</source>
        <translation>%1 não é uma diferença de UTC: escreva-a como +05:30 ou -03:00.</translation>
    </message>
    <message>
        <source>The offset %1 is not a time: its minutes run from 00 to 59.</source>
        <translation>A diferença %1 não é um horário: os minutos vão de 00 a 59.</translation>
    </message>
    <message>
        <source>The offset %1 is out of range: offsets from UTC run from -14:00 to +14:00.</source>
        <translation>A diferença %1 está fora do intervalo: as diferenças de UTC vão de -14:00 a +14:00.</translation>
    </message>
    <message>
        <source>Local mean time</source>
        <translation>Hora média local</translation>
    </message>
    <message>
        <source>No time zone was given: give a zone such as Europe/Berlin, LMT or UTC+05:30.</source>
        <translation>Nenhum fuso horário foi informado: informe um fuso como Europe/Berlin, LMT ou UTC+05:30.</translation>
    </message>
    <message>
        <source>The time zone given is too long to be one (%1 characters; a zone&apos;s name has at most %2).</source>
        <translation>O fuso horário informado é longo demais para ser um (%1 caracteres; o nome de um fuso tem no máximo %2).</translation>
    </message>
    <message>
        <source>The offset given is too long to be one: write it as +05:30 or -03:00.</source>
        <translation>A diferença informada é longa demais para ser uma: escreva-a como +05:30 ou -03:00.</translation>
    </message>
    <message>
        <source>Daylight saving is yes or no, not %1.</source>
        <translation>O horário de verão se informa com “yes” ou “no”, não %1.</translation>
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
        <translation>O Asterine calcula as estrelas fixas presentes em nosso mapa natal. Essas estrelas são indicadores adicionais do nosso destino. As estrelas fixas parecem ter posição fixa e não parecem se mover como os planetas. Diz-se que os aspectos dessas estrelas fixas influenciam a natureza básica de uma pessoa.</translation>
    </message>
    <message>
        <source>Join the Quorvane forum at www.quorvane.com, a free online discussion forum on esoteric subjects. Click here to visit it now!</source>
        <translation>Participe do fórum Quorvane em www.quorvane.com, um fórum de discussão on-line gratuito sobre temas esotéricos. Clique aqui para visitá-lo agora!</translation>
    </message>
    <message>
        <source>Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your site&apos;s name &amp;&amp;  link here. See &quot;Help&quot; for details.    Click Here for more info on co-branding.</source>
        <translation>Coloque a marca do seu site neste programa. Aumente a fidelidade e o tráfego do seu site. Coloque aqui o nome e o link do seu site. Consulte a “Ajuda” para mais detalhes. Clique aqui para mais informações sobre a personalização com a sua marca.</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. Click here for more details.</source>
        <translation>Oportunidade de negócio em casa. Comece seu próprio negócio na internet e ganhe dinheiro on-line. Tenha este programa totalmente personalizado com a marca do seu site. Clique aqui para mais detalhes.</translation>
    </message>
    <message>
        <source>Programs like this one can be created and maintained only with your support. The best way to support Quorvane is to visit its forum at www.quorvane.com regularly and take part in the discussions and other activities on the board.</source>
        <translation>Programas como este só podem ser criados e mantidos com o seu apoio. A melhor forma de apoiar a Quorvane é visitar regularmente o fórum em www.quorvane.com e participar das discussões e de outras atividades.</translation>
    </message>
    <message>
        <source>Please visit the Quorvane forum at www.quorvane.com regularly and support it by taking part in the discussions and other activities. These programs cannot be supported and maintained without your regular visits.</source>
        <translation>Visite regularmente o fórum Quorvane em www.quorvane.com e apoie-o participando das discussões e de outras atividades. Estes programas não podem ser mantidos sem as suas visitas regulares.</translation>
    </message>
    <message>
        <source>The Quorvane forum at www.quorvane.com is a free online discussion forum on esoteric subjects. To help develop and maintain this program, please visit it regularly.</source>
        <translation>O fórum Quorvane em www.quorvane.com é um fórum de discussão on-line gratuito sobre temas esotéricos. Para ajudar a desenvolver e manter este programa, visite-o regularmente.</translation>
    </message>
    <message>
        <source>The Quorvane forum at www.quorvane.com needs your help. Visiting it regularly and taking part in its discussions and activities helps maintain and develop more Quorvane Softwares.</source>
        <translation>O fórum Quorvane em www.quorvane.com precisa da sua ajuda. Visitá-lo regularmente e participar das discussões e atividades ajuda a manter e desenvolver mais programas da Quorvane.</translation>
    </message>
    <message>
        <source>If you enjoyed this program, you will like the other Quorvane Softwares too. They cover astrology, psychic matters, tarot, numerology and the occult, and they are simple, fun and informative. Share them with your friends and family!</source>
        <translation>Se você gostou deste programa, também vai gostar dos outros programas da Quorvane. Eles tratam de astrologia, temas psíquicos, tarô, numerologia e ocultismo, e são simples, divertidos e informativos. Compartilhe-os com seus amigos e familiares!</translation>
    </message>
</context>
<context>
    <name>document::DocumentFile</name>
    <message>
        <source>“%1” could not be saved: %2.</source>
        <translation>Não foi possível salvar “%1”: %2.</translation>
    </message>
    <message>
        <source>a folder of that name is in its place</source>
        <translation>há uma pasta com esse nome no lugar dele</translation>
    </message>
</context>
<context>
    <name>document::ReadingDocument</name>
    <message>
        <source>Latin Name</source>
        <translation>Nome latino</translation>
    </message>
    <message>
        <source>Designation</source>
        <translation>Designação</translation>
    </message>
    <message>
        <source>Gemstone</source>
        <translation>Pedra</translation>
    </message>
    <message>
        <source>Plant</source>
        <translation>Planta</translation>
    </message>
    <message>
        <source>Keywords</source>
        <translation>Palavras-chave</translation>
    </message>
    <message>
        <source>Effect</source>
        <translation>Efeito</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Posição</translation>
    </message>
    <message>
        <source>Ruling Planet</source>
        <translation>Planeta regente</translation>
    </message>
    <message>
        <source>Direction</source>
        <translation>Direção</translation>
    </message>
    <message>
        <source>Angel</source>
        <translation>Anjo</translation>
    </message>
    <message>
        <source>%1 %2, %3</source>
        <extracomment>A date of birth: %1 the month&apos;s name, %2 the day, %3 the year, in the order and form of the language (&quot;10. Dezember 1815&quot;, &quot;10 de diciembre de 1815&quot;).</extracomment>
        <translation>%2 de %1 de %3</translation>
    </message>
    <message>
        <source>Asterine Results</source>
        <translation>Resultados do Asterine</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Date of Birth</source>
        <translation>Data de nascimento</translation>
    </message>
    <message>
        <source>Time of Birth</source>
        <translation>Hora de nascimento</translation>
    </message>
    <message>
        <source>Place of Birth</source>
        <translation>Local de nascimento</translation>
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
        <translation>Ano do catálogo</translation>
    </message>
    <message>
        <source>Fixed Star</source>
        <translation>Estrela fixa</translation>
    </message>
    <message>
        <source>Made with Asterine %1 on %2</source>
        <translation>Feito com o Asterine %1 em %2</translation>
    </message>
    <message>
        <source>Reading</source>
        <translation>Leitura</translation>
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
        <translation>L</translation>
    </message>
    <message>
        <source>W</source>
        <comment>west</comment>
        <extracomment>The letter for west after a longitude, as in 0° 7′ 39″ W.</extracomment>
        <translation>O</translation>
    </message>
    <message>
        <source>Sky</source>
        <translation>Céu</translation>
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
        <translation>Meio do Céu</translation>
    </message>
    <message>
        <source>Descendant</source>
        <translation>Descendente</translation>
    </message>
    <message>
        <source>Imum Coeli</source>
        <translation>Fundo do Céu</translation>
    </message>
    <message>
        <source>rises</source>
        <extracomment>A paran: the star or body rises.</extracomment>
        <translation>nasce</translation>
    </message>
    <message>
        <source>culminates</source>
        <extracomment>A paran: the star or body culminates (crosses the meridian, highest).</extracomment>
        <translation>culmina</translation>
    </message>
    <message>
        <source>sets</source>
        <translation>se põe</translation>
    </message>
    <message>
        <source>anti-culminates</source>
        <extracomment>A paran: the star or body crosses the meridian at its lowest.</extracomment>
        <translation>passa pelo meridiano inferior</translation>
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
        <translation>Circumpolar: acima do horizonte o dia todo</translation>
    </message>
    <message>
        <source>Rises and sets</source>
        <translation>Nasce e se põe</translation>
    </message>
    <message>
        <source>Never rises</source>
        <translation>Nunca nasce</translation>
    </message>
    <message>
        <source>%1, altitude %2, azimuth %3</source>
        <extracomment>When the star culminates: %1 the time, %2 its altitude, %3 its azimuth.</extracomment>
        <translation>%1, altura %2, azimute %3</translation>
    </message>
    <message>
        <source>%1, azimuth %2</source>
        <extracomment>When the star rises or sets: %1 the time, %2 the azimuth.</extracomment>
        <translation>%1, azimute %2</translation>
    </message>
    <message>
        <source>Not that day: above the horizon all day</source>
        <translation>Não nesse dia: acima do horizonte o dia todo</translation>
    </message>
    <message>
        <source>Not that day: below the horizon all day</source>
        <translation>Não nesse dia: abaixo do horizonte o dia todo</translation>
    </message>
    <message>
        <source>Not that day</source>
        <translation>Não nesse dia</translation>
    </message>
    <message>
        <source>Always visible: seen on every night of the year</source>
        <translation>Sempre visível: vista todas as noites do ano</translation>
    </message>
    <message>
        <source>Never visible: it never rises here</source>
        <translation>Nunca visível: aqui ela nunca nasce</translation>
    </message>
    <message>
        <source>Arising and lying hidden: last seen in the evening on %1, seen again in the morning on %2, hidden for %3 nights</source>
        <extracomment>The star&apos;s phase: %1 the day of its heliacal setting, %2 that of its heliacal rising, %3 the number of nights between them.</extracomment>
        <translation>Surgindo e jazendo oculta: vista pela última vez ao anoitecer de %1, vista de novo ao amanhecer de %2, oculta por %3 noites</translation>
    </message>
    <message>
        <source>Curtailed passage: seen on every night; from %1 to %2 only on its passage, neither rising nor setting in the dark</source>
        <extracomment>The star&apos;s phase: %1 and %2 the first and last nights on which it is seen neither rising nor setting.</extracomment>
        <translation>Passagem encurtada: vista todas as noites; de %1 a %2 só em sua passagem, sem nascer nem se pôr no escuro</translation>
    </message>
    <message>
        <source>Curtailed passage: seen on every night of the year</source>
        <translation>Passagem encurtada: vista todas as noites do ano</translation>
    </message>
    <message>
        <source>None: the catalogue gives it no magnitude</source>
        <translation>Nenhuma: o catálogo não lhe dá magnitude</translation>
    </message>
    <message>
        <source>%1 in the Sky</source>
        <extracomment>The heading of the reading&apos;s star in the real sky: %1 its name.</extracomment>
        <translation>%1 no céu</translation>
    </message>
    <message>
        <source>The star catalogue has no entry for %1: its place in the sky is not known.</source>
        <translation>O catálogo de estrelas não tem entrada para %1: seu lugar no céu não é conhecido.</translation>
    </message>
    <message>
        <source>Its place is that of the middle of %1.</source>
        <translation>Seu lugar é o de meados de %1.</translation>
    </message>
    <message>
        <source>Right Ascension</source>
        <translation>Ascensão reta</translation>
    </message>
    <message>
        <source>Declination</source>
        <translation>Declinação</translation>
    </message>
    <message>
        <source>Ecliptic Longitude</source>
        <translation>Longitude eclíptica</translation>
    </message>
    <message>
        <source>Magnitude</source>
        <translation>Magnitude</translation>
    </message>
    <message>
        <source>not given</source>
        <translation>não indicada</translation>
    </message>
    <message>
        <source>Visibility</source>
        <extracomment>How the star stands to the horizon: %1 that, %2 the latitude (&quot;51°30′ N&quot;).</extracomment>
        <translation>Visibilidade</translation>
    </message>
    <message>
        <source>%1 at %2</source>
        <translation>%1 a %2</translation>
    </message>
    <message>
        <source>Rises</source>
        <translation>Nascer</translation>
    </message>
    <message>
        <source>Culminates</source>
        <translation>Culminação</translation>
    </message>
    <message>
        <source>Sets</source>
        <translation>Ocaso</translation>
    </message>
    <message>
        <source>At Birth</source>
        <extracomment>Where the star stood at the moment of birth: %1 its altitude, %2 its azimuth.</extracomment>
        <translation>No nascimento</translation>
    </message>
    <message>
        <source>altitude %1, azimuth %2</source>
        <translation>altura %1, azimute %2</translation>
    </message>
    <message>
        <source>Phase in %1</source>
        <translation>Fase em %1</translation>
    </message>
    <message>
        <source>Bodies at Birth</source>
        <translation>Astros no nascimento</translation>
    </message>
    <message>
        <source>Conjunctions within %1</source>
        <extracomment>The heading of the stars near a body or an angle: %1 the orb (&quot;1°&quot;).</extracomment>
        <translation>Conjunções dentro de %1</translation>
    </message>
    <message>
        <source>%1 with %2</source>
        <extracomment>A star in conjunction: %1 the star, %2 the body or angle.</extracomment>
        <translation>%1 com %2</translation>
    </message>
    <message>
        <source>orb %1, %2</source>
        <extracomment>%1 the distance in longitude, %2 the star&apos;s place.</extracomment>
        <translation>orbe %1, %2</translation>
    </message>
    <message>
        <source>No star of the catalogue is within the orb of a body or an angle.</source>
        <translation>Nenhuma estrela do catálogo está dentro da orbe de um astro ou de um ângulo.</translation>
    </message>
    <message>
        <source>More</source>
        <translation>Mais</translation>
    </message>
    <message>
        <source>%1 wider conjunctions</source>
        <translation>%1 conjunções mais amplas</translation>
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
        <translation>%1, com %2 minutos de diferença</translation>
    </message>
    <message>
        <source>All Parans of the Day</source>
        <extracomment>How many parans the day holds: %1 all of them, %2 those of the reading&apos;s star %3.</extracomment>
        <translation>Todos os parans do dia</translation>
    </message>
    <message>
        <source>%1, of which %2 with %3</source>
        <translation>%1, dos quais %2 com %3</translation>
    </message>
    <message>
        <source>Without the date and the time of birth, the bodies, the angles, the conjunctions and the star at the moment of birth are left out.</source>
        <translation>Sem a data e a hora de nascimento, ficam de fora os astros, os ângulos, as conjunções e a estrela no momento do nascimento.</translation>
    </message>
    <message>
        <source>Without the zone the birthplace&apos;s clocks kept, the bodies, the angles, the conjunctions, the star at the moment of birth, its day and the parans are left out.</source>
        <translation>Sem o fuso horário do local de nascimento, ficam de fora os astros, os ângulos, as conjunções, a estrela no momento do nascimento, seu dia e os parans.</translation>
    </message>
    <message>
        <source>Without the longitude of the birthplace, the Ascendant, the Midheaven, the star&apos;s day and the parans are left out.</source>
        <translation>Sem a longitude do local de nascimento, ficam de fora o Ascendente, o Meio do Céu, o dia da estrela e os parans.</translation>
    </message>
    <message>
        <source>Without the zone the birthplace&apos;s clocks kept, the star&apos;s day and the parans are left out.</source>
        <translation>Sem o fuso horário do local de nascimento, ficam de fora o dia da estrela e os parans.</translation>
    </message>
    <message>
        <source>Without the date of birth, the star&apos;s day and the parans are left out.</source>
        <translation>Sem a data de nascimento, ficam de fora o dia da estrela e os parans.</translation>
    </message>
</context>
<context>
    <name>people::Csv</name>
    <message>
        <source>%1 fields, where the header has %2</source>
        <translation>%1 campos, quando o cabeçalho tem %2</translation>
    </message>
    <message>
        <source>the text is not UTF-8 (save the file as UTF-8)</source>
        <translation>o texto não está em UTF-8 (salve o arquivo como UTF-8)</translation>
    </message>
    <message>
        <source>the name is empty</source>
        <translation>o nome está vazio</translation>
    </message>
    <message>
        <source>the date “%1” is not written YYYY-MM-DD</source>
        <translation>a data “%1” não está no formato YYYY-MM-DD</translation>
    </message>
    <message>
        <source>the year %1 is not one from %2 to %3</source>
        <translation>o ano %1 não está entre %2 e %3</translation>
    </message>
    <message>
        <source>“%1” is not a date</source>
        <translation>“%1” não é uma data válida</translation>
    </message>
    <message>
        <source>%1 %2 %3 is not a date</source>
        <translation>%1 de %2 de %3 não é uma data válida</translation>
    </message>
    <message>
        <source>the time “%1” is not HH:MM:SS</source>
        <translation>a hora “%1” não está no formato HH:MM:SS</translation>
    </message>
    <message>
        <source>latitude degrees</source>
        <translation>graus da latitude</translation>
    </message>
    <message>
        <source>latitude minutes</source>
        <translation>minutos da latitude</translation>
    </message>
    <message>
        <source>latitude seconds</source>
        <translation>segundos da latitude</translation>
    </message>
    <message>
        <source>longitude degrees</source>
        <translation>graus da longitude</translation>
    </message>
    <message>
        <source>longitude minutes</source>
        <translation>minutos da longitude</translation>
    </message>
    <message>
        <source>longitude seconds</source>
        <translation>segundos da longitude</translation>
    </message>
    <message>
        <source>the %1 are missing</source>
        <translation>faltam os %1</translation>
    </message>
    <message>
        <source>%1 “%2” are not a number</source>
        <translation>%1: “%2” não é um número</translation>
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
        <translation>o hemisfério da latitude “%1” não é N nem S</translation>
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
        <translation>o hemisfério da longitude “%1” não é E nem W</translation>
    </message>
    <message>
        <source>“%1” is not a CSV file of people: it is not text.</source>
        <translation>“%1” não é um arquivo CSV de pessoas: não é texto.</translation>
    </message>
    <message>
        <source>“%1” is not a CSV file of people: it has no header row.</source>
        <translation>“%1” não é um arquivo CSV de pessoas: não tem linha de cabeçalho.</translation>
    </message>
    <message>
        <source>“%1” is not a CSV file of people: its first line is not the header “%2”.</source>
        <translation>“%1” não é um arquivo CSV de pessoas: a primeira linha não é o cabeçalho “%2”.</translation>
    </message>
    <message>
        <source>a quoted field is not closed, or goes on after its closing quote</source>
        <translation>um campo entre aspas não foi fechado ou continua após as aspas de fechamento</translation>
    </message>
    <message>
        <source>the name “%1” is also on line %2</source>
        <translation>o nome “%1” também está na linha %2</translation>
    </message>
    <message>
        <source>%1 “%2” are longer than 3 digits</source>
        <translation>%1: “%2” tem mais de 3 dígitos</translation>
    </message>
</context>
<context>
    <name>people::PeopleImport</name>
    <message numerus="yes">
        <source>%n of the people in “%1” are saved already: %2.

Replace them? No keeps the saved ones; Cancel imports nobody.</source>
        <translation>
            <numerusform>%n pessoa em “%1” já está salva: %2.

Substituir? “Não” mantém a pessoa salva; “Cancelar” não importa ninguém.</numerusform>
            <numerusform>%n pessoas em “%1” já estão salvas: %2.

Substituir? “Não” mantém as pessoas salvas; “Cancelar” não importa ninguém.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n people imported from “%1”.</source>
        <translation>
            <numerusform>%n pessoa importada de “%1”.</numerusform>
            <numerusform>%n pessoas importadas de “%1”.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n rows could not be imported:</source>
        <translation>
            <numerusform>%n linha não pôde ser importada:</numerusform>
            <numerusform>%n linhas não puderam ser importadas:</numerusform>
        </translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>linha %1: %2</translation>
    </message>
    <message numerus="yes">
        <source>and %n more.</source>
        <translation>
            <numerusform>e mais %n.</numerusform>
            <numerusform>e mais %n.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>and %n more</source>
        <translation>
            <numerusform>e mais %n</numerusform>
            <numerusform>e mais %n</numerusform>
        </translation>
    </message>
    <message>
        <source>These columns are not of a person and were passed over: %1.</source>
        <translation>Estas colunas não são de uma pessoa e foram ignoradas: %1.</translation>
    </message>
</context>
<context>
    <name>people::PeopleModel</name>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Date of Birth</source>
        <translation>Data de nascimento</translation>
    </message>
    <message>
        <source>Place of Birth</source>
        <translation>Local de nascimento</translation>
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
        <translation>não é possível gravar no arquivo ou na pasta dele</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>o disco está cheio</translation>
    </message>
    <message>
        <source>the file cannot be opened or made there</source>
        <translation>o arquivo não pode ser aberto nem criado nesse local</translation>
    </message>
    <message>
        <source>The people could not be kept in “%1”: %2.</source>
        <translation>Não foi possível guardar as pessoas em “%1”: %2.</translation>
    </message>
    <message>
        <source>its folder cannot be made</source>
        <translation>a pasta dele não pode ser criada</translation>
    </message>
    <message>
        <source>it cannot be read</source>
        <translation>ele não pode ser lido</translation>
    </message>
    <message>
        <source>it is not an SQLite database, or a damaged one: %1</source>
        <translation>ele não é um banco de dados SQLite, ou está danificado: %1</translation>
    </message>
    <message>
        <source>it was made by a newer version of Asterine, which this one cannot use</source>
        <translation>ele foi criado por uma versão mais recente do Asterine, que esta não consegue usar</translation>
    </message>
    <message>
        <source>it holds the tables of another program</source>
        <translation>ele contém as tabelas de outro programa</translation>
    </message>
    <message>
        <source>it could not be brought up to date: %1</source>
        <translation>não foi possível atualizá-lo: %1</translation>
    </message>
    <message>
        <source>its table of people is not the one Asterine keeps</source>
        <translation>a tabela de pessoas dele não é a que o Asterine usa</translation>
    </message>
    <message>
        <source>“%1” is not a store of people that Asterine can use (%2). It is kept, unchanged, as “%3”, and a new, empty store takes its place.</source>
        <translation>“%1” não é um arquivo de pessoas que o Asterine possa usar (%2). Ele foi guardado, sem alterações, como “%3”, e um arquivo novo e vazio ocupa o lugar dele.</translation>
    </message>
    <message>
        <source>“%1” is not a store of people that Asterine can use (%2), and it cannot be set aside; it is left as it is, and no people can be kept until it is moved.</source>
        <translation>“%1” não é um arquivo de pessoas que o Asterine possa usar (%2) e não pode ser posto de lado; ele foi deixado como está, e nenhuma pessoa poderá ser guardada até que ele seja movido.</translation>
    </message>
    <message>
        <source>it cannot be opened</source>
        <translation>ele não pode ser aberto</translation>
    </message>
    <message>
        <source>the save was cancelled</source>
        <translation>o salvamento foi cancelado</translation>
    </message>
    <message>
        <source>another program is using it; try again when it is done</source>
        <translation>outro programa o está usando; tente de novo quando ele terminar</translation>
    </message>
</context>
<context>
    <name>people::PersonRules</name>
    <message>
        <source>the name is longer than the %L1 characters the Name box takes</source>
        <translation>o nome passa dos %L1 caracteres que a caixa Nome aceita</translation>
    </message>
    <message>
        <source>the name has “%1” (%2), which the Name box does not take</source>
        <translation>o nome tem “%1” (%2), que a caixa Nome não aceita</translation>
    </message>
    <message>
        <source>the name has the character %1, which the Name box does not take</source>
        <translation>o nome tem o caractere %1, que a caixa Nome não aceita</translation>
    </message>
</context>
<context>
    <name>skynames::SkyNames</name>
    <message>
        <source>Aries</source>
        <translation>Áries</translation>
    </message>
    <message>
        <source>Taurus</source>
        <translation>Touro</translation>
    </message>
    <message>
        <source>Gemini</source>
        <translation>Gêmeos</translation>
    </message>
    <message>
        <source>Cancer</source>
        <translation>Câncer</translation>
    </message>
    <message>
        <source>Leo</source>
        <translation>Leão</translation>
    </message>
    <message>
        <source>Virgo</source>
        <translation>Virgem</translation>
    </message>
    <message>
        <source>Libra</source>
        <translation>Libra</translation>
    </message>
    <message>
        <source>Scorpio</source>
        <translation>Escorpião</translation>
    </message>
    <message>
        <source>Sagittarius</source>
        <translation>Sagitário</translation>
    </message>
    <message>
        <source>Capricorn</source>
        <translation>Capricórnio</translation>
    </message>
    <message>
        <source>Aquarius</source>
        <translation>Aquário</translation>
    </message>
    <message>
        <source>Pisces</source>
        <translation>Peixes</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>Sol</translation>
    </message>
    <message>
        <source>Moon</source>
        <translation>Lua</translation>
    </message>
    <message>
        <source>Mercury</source>
        <translation>Mercúrio</translation>
    </message>
    <message>
        <source>Venus</source>
        <translation>Vênus</translation>
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
        <translation>Netuno</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>sign and degree</comment>
        <extracomment>A place in the zodiac: %1 the sign, %2 its degrees and minutes (&quot;Leo 29°50′&quot;).</extracomment>
        <translation>%1 %2</translation>
    </message>
</context>
</TS>
