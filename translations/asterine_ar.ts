<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar_EG">
<context>
    <name>Lore</name>
    <message>
        <source>Granite</source>
        <translation>الغرانيت</translation>
    </message>
    <message>
        <source>Ruby / Garnet</source>
        <translation>الياقوت الأحمر / الغارنت</translation>
    </message>
    <message>
        <source>Sardonyx</source>
        <translation>الجزع العقيقي</translation>
    </message>
    <message>
        <source>Diamond</source>
        <translation>الماس</translation>
    </message>
    <message>
        <source>Emerald</source>
        <translation>الزمرد</translation>
    </message>
    <message>
        <source>Chrysolite</source>
        <translation>الزبرجد</translation>
    </message>
    <message>
        <source>Rock Crystal</source>
        <translation>البلور الصخري</translation>
    </message>
    <message>
        <source>Chalcedony</source>
        <translation>الكالسيدوني</translation>
    </message>
    <message>
        <source>Beryl</source>
        <translation>البريل</translation>
    </message>
    <message>
        <source>Sapphire</source>
        <translation>الياقوت الأزرق</translation>
    </message>
    <message>
        <source>Agate</source>
        <translation>العقيق</translation>
    </message>
    <message>
        <source>Magnet</source>
        <translation>حجر المغناطيس</translation>
    </message>
    <message>
        <source>Jasper</source>
        <translation>اليشب</translation>
    </message>
    <message>
        <source>Topaz</source>
        <translation>التوباز</translation>
    </message>
    <message>
        <source>Onyx</source>
        <translation>الجزع</translation>
    </message>
    <message>
        <source>mugwort</source>
        <translation>الشيح</translation>
    </message>
    <message>
        <source>milk thistle</source>
        <translation>شوك الحليب</translation>
    </message>
    <message>
        <source>birthwort</source>
        <translation>الزراوند</translation>
    </message>
    <message>
        <source>Black hellebore</source>
        <translation>الخربق الأسود</translation>
    </message>
    <message>
        <source>Sage</source>
        <translation>المريمية</translation>
    </message>
    <message>
        <source>winter savory</source>
        <translation>الصعتر الشتوي</translation>
    </message>
    <message>
        <source>fennel</source>
        <translation>الشمر</translation>
    </message>
    <message>
        <source>marjoram</source>
        <translation>البردقوش</translation>
    </message>
    <message>
        <source>juniper</source>
        <translation>العرعر</translation>
    </message>
    <message>
        <source>thyme</source>
        <translation>الزعتر</translation>
    </message>
    <message>
        <source>water buttercup</source>
        <translation>الحوذان المائي</translation>
    </message>
    <message>
        <source>succory</source>
        <translation>الهندباء</translation>
    </message>
    <message>
        <source>plantain</source>
        <translation>لسان الحمل</translation>
    </message>
    <message>
        <source>rosemary</source>
        <translation>إكليل الجبل</translation>
    </message>
    <message>
        <source>burdock</source>
        <translation>الأرقطيون</translation>
    </message>
    <message>
        <source>Leo 29°50&apos;</source>
        <translation>الأسد ‎29°50&apos;‎</translation>
    </message>
    <message>
        <source>Gemini 09°47&apos;</source>
        <translation>الجوزاء ‎09°47&apos;‎</translation>
    </message>
    <message>
        <source>Sagittarius 09°46&apos;</source>
        <translation>القوس ‎09°46&apos;‎</translation>
    </message>
    <message>
        <source>Pisces 03°52&apos;</source>
        <translation>الحوت ‎03°52&apos;‎</translation>
    </message>
    <message>
        <source>Taurus 26°10&apos;</source>
        <translation>الثور ‎26°10&apos;‎</translation>
    </message>
    <message>
        <source>Gemini 00°00&apos;</source>
        <translation>الجوزاء ‎00°00&apos;‎</translation>
    </message>
    <message>
        <source>Libra 09°56</source>
        <translation>الميزان 09°56</translation>
    </message>
    <message>
        <source>Libra 23°50&apos;</source>
        <translation>الميزان ‎23°50&apos;‎</translation>
    </message>
    <message>
        <source>Capricorn 15°19</source>
        <translation>الجدي 15°19</translation>
    </message>
    <message>
        <source>Pisces 29°22&apos;</source>
        <translation>الحوت ‎29°22&apos;‎</translation>
    </message>
    <message>
        <source>Jupiter And Mars</source>
        <translation>المشتري والمريخ</translation>
    </message>
    <message>
        <source>Mars And Venus</source>
        <translation>المريخ والزهرة</translation>
    </message>
    <message>
        <source>Venus And Jupiter</source>
        <translation>الزهرة والمشتري</translation>
    </message>
    <message>
        <source>Saturn And Jupiter</source>
        <translation>زحل والمشتري</translation>
    </message>
    <message>
        <source>Venus And Mercury</source>
        <translation>الزهرة وعطارد</translation>
    </message>
    <message>
        <source>Mercury And Venus</source>
        <translation>عطارد والزهرة</translation>
    </message>
    <message>
        <source>Moon And Mars</source>
        <translation>القمر والمريخ</translation>
    </message>
    <message>
        <source>Saturn And Mercury</source>
        <translation>زحل وعطارد</translation>
    </message>
    <message>
        <source>Venus</source>
        <translation>الزهرة</translation>
    </message>
    <message>
        <source>Jupiter And Saturn</source>
        <translation>المشتري وزحل</translation>
    </message>
    <message>
        <source>Mercury And Mars</source>
        <translation>عطارد والمريخ</translation>
    </message>
    <message>
        <source>Venus And Moon</source>
        <translation>الزهرة والقمر</translation>
    </message>
    <message>
        <source>Mars And Jupiter</source>
        <translation>المريخ والمشتري</translation>
    </message>
    <message>
        <source>Venus And Mars</source>
        <translation>الزهرة والمريخ</translation>
    </message>
    <message>
        <source>Saturn And Mars</source>
        <translation>زحل والمريخ</translation>
    </message>
    <message>
        <source>Independence, Leadership, Success</source>
        <translation>الاستقلال، القيادة، النجاح</translation>
    </message>
    <message>
        <source>Knowledge, Strength, Honor</source>
        <translation>المعرفة، القوة، الشرف</translation>
    </message>
    <message>
        <source>Danger, Differences, Violence</source>
        <translation>الخطر، الخلافات، العنف</translation>
    </message>
    <message>
        <source>Good or Bad Luck</source>
        <translation>حظ حسن أو سيئ</translation>
    </message>
    <message>
        <source>Bad Luck, Misfortune, Violence</source>
        <translation>سوء الحظ، البلاء، العنف</translation>
    </message>
    <message>
        <source>Love, Emotions, Sadness</source>
        <translation>الحب، العواطف، الحزن</translation>
    </message>
    <message>
        <source>Disgrace, Falseness, Loneliness</source>
        <translation>الخزي، الزيف، الوحدة</translation>
    </message>
    <message>
        <source>Prosperity, Success, Brashness</source>
        <translation>الرخاء، النجاح، التهور</translation>
    </message>
    <message>
        <source>Good Luck, Fortunes, Hope</source>
        <translation>حسن الحظ، الثروات، الأمل</translation>
    </message>
    <message>
        <source>Extreme Bad Luck, Misfortunes</source>
        <translation>سوء حظ شديد، المصائب</translation>
    </message>
    <message>
        <source>Accidents, Bad Vibes, Violence</source>
        <translation>الحوادث، الطاقة السلبية، العنف</translation>
    </message>
    <message>
        <source>Joy, Wisdom, Glory</source>
        <translation>الفرح، الحكمة، المجد</translation>
    </message>
    <message>
        <source>Pride, Ambition, Wealth, Danger</source>
        <translation>الكبرياء، الطموح، الثراء، الخطر</translation>
    </message>
    <message>
        <source>Curious, Open Minded, Strong</source>
        <translation>فضولي، منفتح الذهن، قوي</translation>
    </message>
    <message>
        <source>Bad Luck, Violence, Evaporation</source>
        <translation>سوء الحظ، العنف، التبخّر</translation>
    </message>
    <message>
        <source>Troubles, Losses, Ill-Health</source>
        <translation>المتاعب، الخسائر، اعتلال الصحة</translation>
    </message>
    <message>
        <source>Inspiration, Riches, Fame, Popularity</source>
        <translation>الإلهام، الغنى، الشهرة، الشعبية</translation>
    </message>
    <message>
        <source>Dignity, Literacy, Brilliance, Scandals</source>
        <translation>الوقار، الثقافة، النبوغ، الفضائح</translation>
    </message>
    <message>
        <source>Extreme Good Luck or Bad Luck</source>
        <translation>حظ بالغ الحسن أو بالغ السوء</translation>
    </message>
    <message>
        <source>You can hope to accomplish all your goals. You may become famous in your professional life.</source>
        <translation>يمكنك أن تأمل في تحقيق جميع أهدافك. وقد تنال الشهرة في حياتك المهنية.</translation>
    </message>
    <message>
        <source>This star has an effect of bestowing courage, intelligence and honor in whichever part of the birth chart it is present in. </source>
        <translation>لهذا النجم أثرٌ يمنح الشجاعة والذكاء والشرف في أي موضع من خريطة الميلاد يقع فيه. </translation>
    </message>
    <message>
        <source>You will be very emotional and easily get into fights because of your brash nature.</source>
        <translation>ستكون شديد العاطفة، وتنجرّ بسهولة إلى الشجار بسبب طبعك المتهور.</translation>
    </message>
    <message>
        <source>You will have a lot of creative mental energy which may be positive or negative.</source>
        <translation>ستمتلك طاقة ذهنية إبداعية كبيرة قد تكون إيجابية أو سلبية.</translation>
    </message>
    <message>
        <source>You will be excessively obsessed with whichever field of the birth chart this star occupies.</source>
        <translation>ستنشغل انشغالًا مفرطًا بأي مجال من خريطة الميلاد يحلّ فيه هذا النجم.</translation>
    </message>
    <message>
        <source>You may face some sadness in life. You will need to let go of being attached to people.</source>
        <translation>قد تواجه شيئًا من الحزن في حياتك. وستحتاج إلى التحرر من التعلق بالناس.</translation>
    </message>
    <message>
        <source>This star gives you good luck and success in whatever you do.</source>
        <translation>يمنحك هذا النجم حسن الحظ والنجاح في كل ما تفعله.</translation>
    </message>
    <message>
        <source>This star shows your idealistic, optimistic and positive way of dealing with things.</source>
        <translation>يُظهر هذا النجم أسلوبك المثالي والمتفائل والإيجابي في التعامل مع الأمور.</translation>
    </message>
    <message>
        <source>You will be prone to looking at the negative part of any situation than looking at the positive side.</source>
        <translation>ستميل إلى النظر إلى الجانب السلبي من أي موقف أكثر من النظر إلى جانبه الإيجابي.</translation>
    </message>
    <message>
        <source>You have a tendency to day dream and will enjoy poetry and fantasies.</source>
        <translation>لديك ميل إلى أحلام اليقظة، وستستمتع بالشعر وعوالم الخيال.</translation>
    </message>
    <message>
        <source>This is also known as the Dog Star. This shows that you may advance much farther in life than you have expected if you put in the hard work.</source>
        <translation>يُعرف هذا النجم أيضًا باسم «الشعرى اليمانية»، وهو «نجم الكلب». وهو يدل على أنك قد تتقدم في الحياة أبعد بكثير مما توقعت إذا بذلت الجهد اللازم.</translation>
    </message>
    <message>
        <source>You will have a love for learning and will be studious. You will succeed in material enterprises.</source>
        <translation>ستكون محبًّا للعلم مجتهدًا في دراستك. وستنجح في المشاريع المادية.</translation>
    </message>
    <message>
        <source>This star will make you hasty, jealous and stubborn. It will also give you a sharp and active mind.</source>
        <translation>سيجعلك هذا النجم متسرعًا وغيورًا وعنيدًا. وسيمنحك أيضًا ذهنًا حادًّا ونشيطًا.</translation>
    </message>
    <message>
        <source>This star causes a lot of sickness and problems. It may give you spiritual powers and you will be respected.</source>
        <translation>يجلب هذا النجم كثيرًا من الأمراض والمشكلات. وقد يمنحك قوى روحية، وستحظى بالاحترام.</translation>
    </message>
    <message>
        <source>You will accomplish a lot on life and will be successful and prosperous. But you may also strive to acquire justice through power.</source>
        <translation>ستحقق الكثير في حياتك، وستكون ناجحًا ومزدهرًا. لكنك قد تسعى أيضًا إلى نيل العدالة بالقوة.</translation>
    </message>
    <message>
        <source>You may have artistic abilities. You will be dignified and honorable. You may be tempted to fall into bad company.</source>
        <translation>قد تكون لديك مواهب فنية. وستكون وقورًا وشريفًا. وقد تُغريك رفقة السوء.</translation>
    </message>
    <message>
        <source>You may be very aggressive by nature. You may be patient and understanding or selfish and crafty.</source>
        <translation>قد تكون شديد العدوانية بطبعك. وقد تكون صبورًا متفهمًا، أو أنانيًّا ماكرًا.</translation>
    </message>
    <message>
        <source>Raphael</source>
        <translation>رافائيل</translation>
    </message>
    <message>
        <source>Michael</source>
        <translation>ميخائيل</translation>
    </message>
    <message>
        <source>Oriel</source>
        <translation>أوريئيل</translation>
    </message>
    <message>
        <source>Gabriel</source>
        <translation>جبرائيل</translation>
    </message>
    <message>
        <source>North</source>
        <translation>شمال</translation>
    </message>
    <message>
        <source>East</source>
        <translation>شرق</translation>
    </message>
    <message>
        <source>West</source>
        <translation>غرب</translation>
    </message>
    <message>
        <source>South</source>
        <translation>جنوب</translation>
    </message>
    <message>
        <source>NA</source>
        <translation>غير متاح</translation>
    </message>
    <message>
        <source>Interpretation for this Fixed Star will be included in the next version.</source>
        <translation>سيُضاف تفسير هذا النجم الثابت في الإصدار القادم.</translation>
    </message>
</context>
<context>
    <name>SkyChart</name>
    <message>
        <source>The picture could not be saved to %1: %2</source>
        <translation>تعذّر حفظ الصورة في %1: %2</translation>
    </message>
    <message>
        <source>the size is empty</source>
        <translation>الحجم فارغ</translation>
    </message>
    <message>
        <source>the picture is too large</source>
        <translation>الصورة كبيرة جدًا</translation>
    </message>
    <message>
        <source>the PDF could not be started</source>
        <translation>تعذّر بدء ملف PDF</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Ascendant: %1</source>
        <translation>الطالع: %1</translation>
    </message>
    <message>
        <source>Midheaven: %1</source>
        <translation>وسط السماء: %1</translation>
    </message>
    <message>
        <source>The reading&apos;s star, %1: %2</source>
        <translation>نجم القراءة، %1: %2</translation>
    </message>
    <message>
        <source>Star %1: %2</source>
        <translation>النجم %1: %2</translation>
    </message>
    <message>
        <source>%1, in conjunction with %2</source>
        <translation>%1، في اقتران مع %2</translation>
    </message>
    <message>
        <source>%1 rises at %2, azimuth %3°</source>
        <translation>يشرق %1 الساعة %2، السمت %3°</translation>
    </message>
    <message>
        <source>%1 does not rise that day</source>
        <translation>لا يشرق %1 في ذلك اليوم</translation>
    </message>
    <message>
        <source>%1 culminates at %2, altitude %3°</source>
        <translation>يبلغ %1 ذروته الساعة %2، الارتفاع %3°</translation>
    </message>
    <message>
        <source>%1 sets at %2, azimuth %3°</source>
        <translation>يغرب %1 الساعة %2، السمت %3°</translation>
    </message>
    <message>
        <source>%1 does not set that day</source>
        <translation>لا يغرب %1 في ذلك اليوم</translation>
    </message>
    <message>
        <source>At the birth, %1: %2 at altitude %3°, azimuth %4°</source>
        <translation>عند الولادة، %1: %2 على ارتفاع %3°، السمت %4°</translation>
    </message>
    <message>
        <source>AC</source>
        <comment>the Ascendant on the wheel</comment>
        <translation>طالع</translation>
    </message>
    <message>
        <source>MC</source>
        <comment>the Midheaven on the wheel</comment>
        <translation>و.س</translation>
    </message>
    <message>
        <source>N</source>
        <comment>north</comment>
        <translation>ش</translation>
    </message>
    <message>
        <source>E</source>
        <comment>east</comment>
        <translation>ق</translation>
    </message>
    <message>
        <source>S</source>
        <comment>south</comment>
        <translation>ج</translation>
    </message>
    <message>
        <source>W</source>
        <comment>west</comment>
        <translation>غ</translation>
    </message>
    <message>
        <source>rises %1</source>
        <translation>شروق %1</translation>
    </message>
    <message>
        <source>culminates %1</source>
        <translation>الذروة %1</translation>
    </message>
    <message>
        <source>sets %1</source>
        <translation>غروب %1</translation>
    </message>
    <message>
        <source>birth %1</source>
        <translation>الولادة %1</translation>
    </message>
    <message>
        <source>%1 stays above the horizon all day</source>
        <translation>يبقى %1 فوق الأفق طوال اليوم</translation>
    </message>
    <message>
        <source>%1 stays below the horizon all day</source>
        <translation>يبقى %1 تحت الأفق طوال اليوم</translation>
    </message>
    <message>
        <source>The sky over the birthplace on the birth day</source>
        <translation>السماء فوق مكان الولادة في يوم الولادة</translation>
    </message>
    <message>
        <source>The birthplace and the day of birth are needed for the sky over the birthplace.</source>
        <translation>يلزم مكان الولادة ويومها لرسم السماء فوق مكان الولادة.</translation>
    </message>
    <message>
        <source>The time of birth is needed for the bodies.</source>
        <translation>يلزم وقت الولادة لمواضع الكواكب.</translation>
    </message>
</context>
<context>
    <name>asterine</name>
    <message>
        <source>Application is already running</source>
        <translation>البرنامج قيد التشغيل بالفعل</translation>
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
        <translation>لا تستطيع هذه النسخة من Asterine كتابة صور SVG؛ احفظ الخريطة الفلكية بصيغة PNG بدلاً من ذلك.</translation>
    </message>
</context>
<context>
    <name>asterine::ChartSizeDialog</name>
    <message>
        <source>Size of the PNG Picture</source>
        <translation>حجم صورة PNG</translation>
    </message>
    <message>
        <source>Width in pixels</source>
        <translation>العرض بالبكسل</translation>
    </message>
    <message>
        <source>&amp;Width in pixels:</source>
        <translation>ال&amp;عرض بالبكسل:</translation>
    </message>
    <message>
        <source>Height in pixels:</source>
        <translation>الارتفاع بالبكسل:</translation>
    </message>
    <message>
        <source>Height in pixels: %1</source>
        <translation>الارتفاع بالبكسل: %1</translation>
    </message>
</context>
<context>
    <name>asterine::CommandLine</name>
    <message>
        <source>asterine reading: %1 Try “asterine --help”.
</source>
        <translation>asterine reading: %1 جرّب «asterine --help».
</translation>
    </message>
    <message>
        <source>asterine reading: “%1” is not an option. Try “asterine --help”.
</source>
        <translation>asterine reading: «%1» ليس خيارًا. جرّب «asterine --help».
</translation>
    </message>
    <message>
        <source>asterine reading: --%1 is given more than once.
</source>
        <translation>asterine reading: أُعطي الخيار --%1 أكثر من مرة.
</translation>
    </message>
    <message>
        <source>asterine: “%1” is not a command. Try “asterine --help”.
</source>
        <translation>asterine: «%1» ليس أمرًا. جرّب «asterine --help».
</translation>
    </message>
    <message>
        <source>asterine: standard output cannot be written: %1.
</source>
        <translation>asterine: تتعذّر الكتابة في المخرجات القياسية: %1.
</translation>
    </message>
    <message>
        <source>Copyright © 2026 Quorvane Softwares.
License GPLv3+: GNU GPL version 3 or later &lt;https://gnu.org/licenses/gpl.html&gt;.
This is free software: you are free to change and redistribute it.
There is NO WARRANTY, to the extent permitted by law.
</source>
        <translation>Copyright © 2026 Quorvane Softwares.
الترخيص GPLv3+: رخصة GNU العمومية، الإصدار 3 أو أحدث &lt;https://gnu.org/licenses/gpl.html&gt;.
هذا برنامج حر: لك حرية تعديله وإعادة توزيعه.
لا يوجد أي ضمان، في الحدود التي يسمح بها القانون.
</translation>
    </message>
    <message>
        <source>asterine: unknown option “%1”. Try “asterine --help”.
</source>
        <translation>asterine: خيار غير معروف «%1». جرّب «asterine --help».
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
        <translation>الاستخدام: asterine [QT-OPTION...]
       asterine reading (--latitude LATITUDE | --place PLACE)
                        (--year YEAR | --date YYYY-MM-DD)
                        [--longitude LONGITUDE] [--name NAME] [--format text|json]
                        [--time HH:MM[:SS] [--zone ZONE] [--offset ±HH:MM]
                        [--dst yes|no]] [--orb DEGREES]
                        [--paran-minutes MINUTES]
                        [--chart FILE.svg|FILE.png [--chart-size PIXELS]]
       asterine --help | --version

دون أمر يفتح Asterine نافذته، وتسري عليها خيارات Qt نفسها، مثل
-platform و-style.

reading    يطبع قراءة النجم الثابت لخط عرض وسنة، كما تعرضها نافذة
           النتائج، دون فتح نافذة
  --latitude LATITUDE     51:30:26N أو 51 30 N أو 51°30.5′N أو N51.5 أو -33.87
  --longitude LONGITUDE   0:07:39W أو 0 7 39 W أو 0°7.65′W أو W0.13 أو 151.21
  --year YEAR             من 1900 إلى 2050
  --date YYYY-MM-DD       تاريخ الميلاد، وتؤخذ السنة منه
  --name NAME             حروف ومسافات
  --place PLACE           مكان من الأطلس المحلي، مثل &quot;Pune&quot; أو
                          &quot;London, Canada&quot;، ويؤخذ خطا عرضه وطوله
                          ما لم يُعطَ --latitude و--longitude
  --time HH:MM[:SS]       وقت الميلاد على الساعة، ويحتاج إلى --date ومنطقة زمنية
  --zone ZONE             المنطقة الزمنية التي اتبعتها الساعات: Europe/Berlin
                          أو LMT (التوقيت المتوسط لخط الطول) أو UTC+05:30،
                          ومع --place منطقة المكان ما لم تُعطَ
  --offset ±HH:MM         فرق التوقيت عن UTC الساري حينها، مقدَّمًا على المنطقة
  --dst yes|no            هل كان التوقيت الصيفي ساريًا، لوقت تخطّته المنطقة
                          أو أظهرته مرتين
  --orb DEGREES           هامش الاقترانات، من 0 إلى 10 (الافتراضي 1)
  --paran-minutes MINUTES سماحية البارانات، من 0 إلى 60 (الافتراضي 4)
  --chart FILE            يكتب دائرة سماء الميلاد، SVG أو PNG بحسب امتداد الملف
  --chart-size PIXELS     عرضها وارتفاعها، من 200 إلى 8000 (الافتراضي 1000)
  --format text|json      text (الافتراضي) أو كائن JSON واحد

حالة الخروج: 0 عند إخراج قراءة، و1 عندما يتعذّر كتابة المخرجات أو الخريطة، و2
عند رفض المدخلات أو خيار غير معروف، و3 عندما لا يجد --place أي مكان أو لا يوجد
أطلس. انظر asterine(1).
</translation>
    </message>
</context>
<context>
    <name>asterine::FileMenu</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;ملف</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;خروج</translation>
    </message>
</context>
<context>
    <name>asterine::FrmAbout</name>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website.</source>
        <translation>فرصة عمل من المنزل. ابدأ مشروعك الخاص على الإنترنت واكسب المال عبرها. واحصل على نسخة من هذا البرنامج تحمل علامة موقعك بالكامل.</translation>
    </message>
    <message>
        <source>Click here for more details</source>
        <translation>انقر هنا لمزيد من التفاصيل</translation>
    </message>
    <message>
        <source>Click here to visit %1</source>
        <translation>انقر هنا لزيارة %1</translation>
    </message>
    <message>
        <source>Copyright © 2026 Quorvane Softwares.
Asterine is free software: you may convey and modify it under the terms of the GNU General Public License, version 3 or any later version. It comes with ABSOLUTELY NO WARRANTY. Choose Licence to read the licence.</source>
        <translation>حقوق النشر © 2026 Quorvane Softwares.
برنامج Asterine برنامج حر: يحق لك نقله وتعديله وفق شروط رخصة جنو العمومية العامة (GNU General Public License)، الإصدار 3 أو أي إصدار لاحق. ويأتي دون أي ضمان على الإطلاق. اختر «الرخصة» لقراءة نص الرخصة.</translation>
    </message>
    <message>
        <source>Places: GeoNames, CC BY 4.0</source>
        <translation>الأماكن: GeoNames، CC BY 4.0</translation>
    </message>
    <message>
        <source>&amp;Licence</source>
        <translation>ال&amp;رخصة</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;موافق</translation>
    </message>
    <message>
        <source>Stars: the catalogue sefstars.txt of swe-basic-data, CC0-1.0</source>
        <translation>النجوم: فهرس sefstars.txt من swe-basic-data، CC0-1.0</translation>
    </message>
    <message>
        <source>The sky is worked out with ERFA, BSD-3-Clause</source>
        <translation>تُحسب السماء باستخدام ERFA، BSD-3-Clause</translation>
    </message>
</context>
<context>
    <name>asterine::FrmBrowser</name>
    <message>
        <source>The built-in browser is not installed.</source>
        <translation>المتصفح المدمج غير مثبّت.</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>رجوع</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>تقدّم</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>إيقاف</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>تحديث</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>الرئيسية</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>بحث</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Visit the Quorvane forum at %1</source>
        <translation>زُر منتدى Quorvane على %1</translation>
    </message>
    <message>
        <source>Also from Quorvane Softwares: numerology, tarot and more</source>
        <translation>من Quorvane Softwares أيضًا: علم الأعداد والتاروت والمزيد</translation>
    </message>
    <message>
        <source>&amp;Address:</source>
        <translation>ال&amp;عنوان:</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>العنوان</translation>
    </message>
    <message>
        <source>Working...</source>
        <translation>جارٍ العمل...</translation>
    </message>
    <message>
        <source>This page stopped working.</source>
        <translation>توقفت هذه الصفحة عن العمل.</translation>
    </message>
    <message>
        <source>Refresh loads it again; Home opens the home page.</source>
        <translation>يعيد زر «تحديث» تحميلها، ويفتح زر «الرئيسية» الصفحة الرئيسية.</translation>
    </message>
</context>
<context>
    <name>asterine::FrmDisplay</name>
    <message>
        <source>Latin Name</source>
        <translation>الاسم اللاتيني</translation>
    </message>
    <message>
        <source>Designation</source>
        <translation>التسمية</translation>
    </message>
    <message>
        <source>Gemstone</source>
        <translation>الحجر الكريم</translation>
    </message>
    <message>
        <source>Plant</source>
        <translation>النبتة</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>الموقع</translation>
    </message>
    <message>
        <source>Ruling Planet</source>
        <translation>الكوكب الحاكم</translation>
    </message>
    <message>
        <source>Keywords</source>
        <translation>الكلمات المفتاحية</translation>
    </message>
    <message>
        <source>Effect</source>
        <translation>التأثير</translation>
    </message>
    <message>
        <source>Angel</source>
        <translation>الملاك</translation>
    </message>
    <message>
        <source>Direction</source>
        <translation>الاتجاه</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;خروج</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;رجوع</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;طباعة...</translation>
    </message>
    <message>
        <source>Print Pre&amp;view...</source>
        <translation>&amp;معاينة الطباعة...</translation>
    </message>
    <message>
        <source>&amp;Export as PDF...</source>
        <translation>&amp;تصدير بصيغة PDF...</translation>
    </message>
    <message>
        <source>&amp;Save as Text...</source>
        <translation>&amp;حفظ كنص...</translation>
    </message>
    <message>
        <source>&amp;Copy Reading</source>
        <translation>&amp;نسخ القراءة</translation>
    </message>
    <message>
        <source>&amp;Check for Software Update</source>
        <translation>التحقق من التح&amp;ديثات</translation>
    </message>
    <message>
        <source>Asterine Results</source>
        <translation>نتائج Asterine</translation>
    </message>
    <message>
        <source>Fixed Star</source>
        <translation>النجم الثابت</translation>
    </message>
    <message>
        <source>Export the Reading as PDF</source>
        <translation>تصدير القراءة بصيغة PDF</translation>
    </message>
    <message>
        <source>Save the Reading as Text</source>
        <translation>حفظ القراءة كنص</translation>
    </message>
    <message>
        <source>PDF documents (*.pdf)</source>
        <translation>مستندات PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Text files (*.txt)</source>
        <translation>ملفات نصية (*.txt)</translation>
    </message>
    <message>
        <source>The reading is copied.</source>
        <translation>نُسخت القراءة.</translation>
    </message>
    <message>
        <source>Save C&amp;hart...</source>
        <translation>حفظ الخريطة ال&amp;فلكية...</translation>
    </message>
    <message>
        <source>Wheel</source>
        <translation>الدائرة</translation>
    </message>
    <message>
        <source>Horizon</source>
        <translation>الأفق</translation>
    </message>
    <message>
        <source>&amp;Copy Chart</source>
        <translation>&amp;نسخ الخريطة الفلكية</translation>
    </message>
    <message>
        <source>Wheel of the birth&apos;s sky</source>
        <translation>دائرة سماء الولادة</translation>
    </message>
    <message>
        <source>Save the Chart</source>
        <translation>حفظ الخريطة الفلكية</translation>
    </message>
    <message>
        <source>SVG pictures (*.svg)</source>
        <translation>صور SVG (*.svg)</translation>
    </message>
    <message>
        <source>PNG pictures (*.png)</source>
        <translation>صور PNG (*.png)</translation>
    </message>
    <message>
        <source>The chart is copied.</source>
        <translation>نُسخت الخريطة الفلكية.</translation>
    </message>
    <message>
        <source>Ed&amp;it</source>
        <translation>ت&amp;حرير</translation>
    </message>
    <message>
        <source>Sky</source>
        <translation>السماء</translation>
    </message>
    <message>
        <source>Working out the sky…</source>
        <translation>جارٍ حساب السماء…</translation>
    </message>
</context>
<context>
    <name>asterine::FrmMain</name>
    <message>
        <source>&amp;Open Person...</source>
        <translation>&amp;فتح شخص...</translation>
    </message>
    <message>
        <source>&amp;Save Person</source>
        <translation>&amp;حفظ الشخص</translation>
    </message>
    <message>
        <source>Open &amp;Recent</source>
        <translation>الأ&amp;شخاص الأخيرون</translation>
    </message>
    <message>
        <source>&amp;Clear Recent</source>
        <translation>&amp;مسح القائمة</translation>
    </message>
    <message>
        <source>“%1” is saved already. Replace it?</source>
        <translation>الاسم «%1» محفوظ من قبل. أتريد استبداله؟</translation>
    </message>
    <message>
        <source>Get My Fixed Stars Astrology Reading</source>
        <translation>احصل على قراءة نجومي الثابتة</translation>
    </message>
    <message>
        <source>Check for Software &amp;Update</source>
        <translation>التحقق من التح&amp;ديثات</translation>
    </message>
    <message>
        <source>Enter Your Details</source>
        <translation>أدخل بياناتك</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>الاسم</translation>
    </message>
    <message>
        <source>Month of birth</source>
        <translation>شهر الميلاد</translation>
    </message>
    <message>
        <source>Day of birth</source>
        <translation>يوم الميلاد</translation>
    </message>
    <message>
        <source>Year of birth</source>
        <translation>سنة الميلاد</translation>
    </message>
    <message>
        <source>Date of Birth</source>
        <translation>تاريخ الميلاد</translation>
    </message>
    <message>
        <source>Hour</source>
        <translation>الساعة</translation>
    </message>
    <message>
        <source>Minute</source>
        <translation>الدقيقة</translation>
    </message>
    <message>
        <source>Second</source>
        <translation>الثانية</translation>
    </message>
    <message>
        <source>Time of Birth</source>
        <translation>وقت الميلاد</translation>
    </message>
    <message>
        <source>HH:MM:SS</source>
        <translation>س:د:ث</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>خط الطول</translation>
    </message>
    <message>
        <source>East</source>
        <translation>شرق</translation>
    </message>
    <message>
        <source>West</source>
        <translation>غرب</translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation>خط العرض</translation>
    </message>
    <message>
        <source>North</source>
        <translation>شمال</translation>
    </message>
    <message>
        <source>South</source>
        <translation>جنوب</translation>
    </message>
    <message>
        <source>Enter Your Longitude and Latitude Correctly</source>
        <translation>أدخل خط الطول وخط العرض بدقة</translation>
    </message>
    <message>
        <source>City</source>
        <translation>المدينة</translation>
    </message>
    <message>
        <source>State</source>
        <translation>المنطقة</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>البلد</translation>
    </message>
    <message>
        <source>Click Here To Find Latitude &amp;&amp; Longitude</source>
        <translation>انقر هنا لإيجاد خط العرض وخط الطول</translation>
    </message>
    <message>
        <source>Click Here To Find Latitude &amp; Longitude</source>
        <translation>انقر هنا لإيجاد خط العرض وخط الطول</translation>
    </message>
    <message>
        <source>Deg</source>
        <translation>درجة</translation>
    </message>
    <message>
        <source>Min</source>
        <translation>دقيقة</translation>
    </message>
    <message>
        <source>Sec</source>
        <translation>ثانية</translation>
    </message>
    <message>
        <source>degrees</source>
        <translation>بالدرجات</translation>
    </message>
    <message>
        <source>minutes</source>
        <translation>بالدقائق</translation>
    </message>
    <message>
        <source>seconds</source>
        <translation>بالثواني</translation>
    </message>
    <message>
        <source>Please Enter City</source>
        <translation>يُرجى إدخال المدينة</translation>
    </message>
    <message>
        <source>Please Enter State</source>
        <translation>يُرجى إدخال المنطقة</translation>
    </message>
    <message>
        <source>Please Enter Country</source>
        <translation>يُرجى إدخال البلد</translation>
    </message>
    <message>
        <source>“%1” is saved.</source>
        <translation>حُفظ «%1».</translation>
    </message>
    <message>
        <source>Time zone of birth</source>
        <translation>المنطقة الزمنية للميلاد</translation>
    </message>
    <message>
        <source>Time zones</source>
        <translation>المناطق الزمنية</translation>
    </message>
    <message>
        <source>Time zone</source>
        <translation>المنطقة الزمنية</translation>
    </message>
</context>
<context>
    <name>asterine::FrmTellAFriend</name>
    <message>
        <source>Click Here To Visit %1 Now</source>
        <translation>انقر هنا لزيارة %1 الآن</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;خروج</translation>
    </message>
    <message>
        <source>Refer A Friend</source>
        <translation>أخبر صديقًا</translation>
    </message>
    <message>
        <source>Refer A Friend &amp;Now</source>
        <translation>أخبر &amp;صديقًا الآن</translation>
    </message>
    <message>
        <source>Download Quorvane Softwares</source>
        <translation>نزّل برامج Quorvane</translation>
    </message>
    <message>
        <source>Click Here To Visit Quorvane Softwares</source>
        <translation>انقر هنا لزيارة Quorvane Softwares</translation>
    </message>
    <message>
        <source>Email Address Cannot Contain Space</source>
        <translation>لا يجوز أن يحتوي عنوان البريد الإلكتروني على مسافات</translation>
    </message>
</context>
<context>
    <name>asterine::HelpMenus</name>
    <message>
        <source>&amp;Help</source>
        <translation>م&amp;ساعدة</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>ال&amp;مساعدة على الإنترنت</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>&amp;زُر موقعنا</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>&amp;حول البرنامج</translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <translation>&amp;تبرّع</translation>
    </message>
</context>
<context>
    <name>asterine::LicenceWindow</name>
    <message>
        <source>Asterine Licence</source>
        <translation>رخصة Asterine</translation>
    </message>
    <message>
        <source>Licence</source>
        <translation>الرخصة</translation>
    </message>
</context>
<context>
    <name>asterine::Links</name>
    <message>
        <source>The desktop could not open this address in a web browser:

%1

Copy the address to the clipboard, to paste it into a browser yourself?</source>
        <translation>تعذّر على سطح المكتب فتح هذا العنوان في متصفح ويب:

%1

أتريد نسخ العنوان إلى الحافظة لتلصقه في متصفح بنفسك؟</translation>
    </message>
</context>
<context>
    <name>asterine::PeopleWindow</name>
    <message>
        <source>People</source>
        <translation>الأشخاص</translation>
    </message>
    <message>
        <source>&amp;Search:</source>
        <translation>&amp;بحث:</translation>
    </message>
    <message>
        <source>Search people by name or place</source>
        <translation>ابحث عن الأشخاص بالاسم أو المكان</translation>
    </message>
    <message>
        <source>Name or place</source>
        <translation>الاسم أو المكان</translation>
    </message>
    <message>
        <source>Date of Birth</source>
        <translation>تاريخ الميلاد</translation>
    </message>
    <message>
        <source>Last Used</source>
        <translation>آخر استخدام</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;فتح</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;حذف</translation>
    </message>
    <message>
        <source>&amp;Import...</source>
        <translation>ا&amp;ستيراد...</translation>
    </message>
    <message>
        <source>Export &amp;All...</source>
        <translation>&amp;تصدير الكل...</translation>
    </message>
    <message>
        <source>Export S&amp;elected...</source>
        <translation>تصدير ال&amp;محدد...</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>إ&amp;غلاق</translation>
    </message>
    <message>
        <source>Remove “%1” from the people Asterine remembers?</source>
        <translation>أتريد إزالة «%1» من الأشخاص الذين يحفظهم Asterine؟</translation>
    </message>
    <message>
        <source>Import People</source>
        <translation>استيراد الأشخاص</translation>
    </message>
    <message>
        <source>CSV files (*.csv);;All files (*)</source>
        <translation>ملفات CSV (*.csv);;كل الملفات (*)</translation>
    </message>
    <message>
        <source>“%1” could not be read: %2.</source>
        <translation>تعذّرت قراءة «%1»: %2.</translation>
    </message>
    <message>
        <source>Reading “%1”...</source>
        <translation>جارٍ قراءة «%1»...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>إلغاء</translation>
    </message>
    <message>
        <source>Importing “%1”...</source>
        <translation>جارٍ استيراد «%1»...</translation>
    </message>
    <message>
        <source>Export People</source>
        <translation>تصدير الأشخاص</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>ملفات CSV (*.csv)</translation>
    </message>
    <message>
        <source>No people are saved yet. To add one, type the details on the main window and choose File, Save Person; or bring people from a CSV file with Import.</source>
        <translation>لم يُحفظ أي شخص بعد. لإضافة شخص، اكتب بياناته في النافذة الرئيسية واختر ملف، حفظ الشخص؛ أو استورد أشخاصًا من ملف CSV بزر استيراد.</translation>
    </message>
    <message numerus="yes">
        <source>%n people exported to “%1”.</source>
        <translation>
            <numerusform>لم يُصدَّر أحد إلى «%1».</numerusform>
            <numerusform>صُدِّر شخص واحد إلى «%1».</numerusform>
            <numerusform>صُدِّر شخصان إلى «%1».</numerusform>
            <numerusform>صُدِّر %n أشخاص إلى «%1».</numerusform>
            <numerusform>صُدِّر %n شخصًا إلى «%1».</numerusform>
            <numerusform>صُدِّر %n شخص إلى «%1».</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>asterine::PlaceSuggestions</name>
    <message>
        <source>Places</source>
        <translation>الأماكن</translation>
    </message>
</context>
<context>
    <name>asterine::Printing</name>
    <message>
        <source>No printer was found. Set one up in the desktop&apos;s printer settings, or choose Export as PDF to save the reading as a file you can print.</source>
        <translation>لم يُعثر على أي طابعة. أضف طابعة من إعدادات الطابعات في سطح المكتب، أو اختر «تصدير بصيغة PDF» لحفظ القراءة في ملف يمكنك طباعته.</translation>
    </message>
    <message>
        <source>Printing is not installed with this copy of Asterine. Export as PDF saves the reading as a file you can print.</source>
        <translation>الطباعة غير مثبّتة مع هذه النسخة من Asterine. ويحفظ «تصدير بصيغة PDF» القراءة في ملف يمكنك طباعته.</translation>
    </message>
</context>
<context>
    <name>asterine::ReadingCommand</name>
    <message>
        <source>asterine reading: the format “%1” is neither text nor json.</source>
        <translation>asterine reading: الصيغة «%1» ليست text ولا json.</translation>
    </message>
    <message>
        <source>asterine reading: --place names no place.</source>
        <translation>asterine reading: لم يُذكر أي مكان بعد --place.</translation>
    </message>
    <message>
        <source>asterine reading: there is no atlas on this system (Debian&apos;s libgeonames), so --place cannot be looked up.</source>
        <translation>asterine reading: لا يوجد أطلس على هذا النظام (libgeonames من Debian)، لذا يتعذّر البحث عن مكان --place.</translation>
    </message>
    <message>
        <source>asterine reading: no place in the atlas matches “%1”.</source>
        <translation>asterine reading: لا يوجد في الأطلس مكان يطابق «%1».</translation>
    </message>
    <message>
        <source>asterine reading: took %1, the most populous of %2 places that match “%3”; to take another, name its state or country too, as in “%4, %5”.</source>
        <translation>asterine reading: اختير %1، وهو الأكثر سكانًا بين الأماكن المطابقة لـ«%3» وعددها %2؛ لاختيار غيره اذكر منطقته أو بلده أيضًا، كما في «%4, %5».</translation>
    </message>
    <message>
        <source>asterine reading: the longitude “%1” is neither degrees, minutes and seconds with E or W (73:51:19E) nor decimal degrees (-73.86).</source>
        <translation>asterine reading: خط الطول «%1» ليس درجات ودقائق وثواني مع E أو W (73:51:19E) ولا درجات عشرية (-73.86).</translation>
    </message>
    <message>
        <source>asterine reading: the year “%1” is not one of the years the form offers, %2 to %3.</source>
        <translation>asterine reading: السنة «%1» ليست من السنوات التي تعرضها الاستمارة، من %2 إلى %3.</translation>
    </message>
    <message>
        <source>asterine reading: the date “%1” is not a date written YYYY-MM-DD.</source>
        <translation>asterine reading: «%1» ليس تاريخًا مكتوبًا بالصيغة YYYY-MM-DD.</translation>
    </message>
    <message>
        <source>asterine reading: the year %1 and the date %2 disagree.</source>
        <translation>asterine reading: السنة %1 والتاريخ %2 غير متوافقين.</translation>
    </message>
    <message>
        <source>asterine reading: give the year of birth (--year) or the date (--date).</source>
        <translation>asterine reading: حدّد سنة الميلاد (--year) أو التاريخ (--date).</translation>
    </message>
    <message>
        <source>asterine reading: the latitude “%1” is neither degrees, minutes and seconds with N or S (51:30:26N, 51 30 N, 51°30.5′N) nor decimal degrees (-33.87, N51.5).</source>
        <translation>asterine reading: خط العرض «%1» ليس درجات ودقائق وثواني مع N أو S (51:30:26N أو 51 30 N أو 51°30.5′N) ولا درجات عشرية (-33.87 أو N51.5).</translation>
    </message>
    <message>
        <source>asterine reading: %1</source>
        <translation>asterine reading: %1</translation>
    </message>
    <message>
        <source>asterine reading: --time needs the date of birth: give --date too.</source>
        <translation>asterine reading: يحتاج --time إلى تاريخ الميلاد: أعطِ --date أيضًا.</translation>
    </message>
    <message>
        <source>asterine reading: the time “%1” is not a time of day written HH:MM or HH:MM:SS, from 00:00 to 23:59:59.</source>
        <translation>asterine reading: الوقت «%1» ليس وقتًا من اليوم مكتوبًا HH:MM أو HH:MM:SS، من 00:00 إلى 23:59:59.</translation>
    </message>
    <message>
        <source>asterine reading: --%1 tells the offset of a clock time: give the time of birth (--time) too.</source>
        <translation>asterine reading: يبيّن --%1 فرق وقتٍ على الساعة عن UTC: أعطِ وقت الميلاد (--time) أيضًا.</translation>
    </message>
    <message>
        <source>asterine reading: --time needs the zone the clocks kept: give --zone, such as Europe/Berlin, LMT or UTC+05:30.</source>
        <translation>asterine reading: يحتاج --time إلى المنطقة الزمنية التي اتبعتها الساعات: أعطِ --zone، مثل Europe/Berlin أو LMT أو UTC+05:30.</translation>
    </message>
    <message>
        <source>asterine reading: the orb “%1” is not a number of degrees from 0 to 10.</source>
        <translation>asterine reading: الهامش «%1» ليس عددًا من الدرجات من 0 إلى 10.</translation>
    </message>
    <message>
        <source>asterine reading: the paran tolerance “%1” is not a number of minutes from 0 to 60.</source>
        <translation>asterine reading: سماحية البارانات «%1» ليست عددًا من الدقائق من 0 إلى 60.</translation>
    </message>
    <message>
        <source>asterine reading: --chart-size is the size of the chart: give --chart too.</source>
        <translation>asterine reading: --chart-size هو حجم الخريطة: أعطِ --chart أيضًا.</translation>
    </message>
    <message>
        <source>asterine reading: --chart names no file.</source>
        <translation>asterine reading: لم يُذكر أي ملف بعد --chart.</translation>
    </message>
    <message>
        <source>asterine reading: the chart “%1” has no extension: name it .svg or .png.</source>
        <translation>asterine reading: الخريطة «%1» بلا امتداد: سمِّها .svg أو .png.</translation>
    </message>
    <message>
        <source>asterine reading: the chart is written as .svg or .png, not as “.%1”.</source>
        <translation>asterine reading: تُكتب الخريطة بصيغة .svg أو .png، لا «.%1».</translation>
    </message>
    <message>
        <source>asterine reading: the chart size “%1” is not a number of pixels from 200 to 8000.</source>
        <translation>asterine reading: حجم الخريطة «%1» ليس عددًا من البكسلات من 200 إلى 8000.</translation>
    </message>
    <message>
        <source>asterine reading: the chart cannot be drawn: the chart module, lib/asterine/asterine_chart.so beside the program&apos;s folder, is missing.</source>
        <translation>asterine reading: تعذّر رسم الخريطة: وحدة الخرائط lib/asterine/asterine_chart.so بجوار مجلد البرنامج مفقودة.</translation>
    </message>
    <message>
        <source>asterine reading: %1 Say which with --offset %2 or --offset %3, or with --dst yes or --dst no.</source>
        <translation>asterine reading: %1 بيّن أيهما بـ --offset %2 أو --offset %3، أو بـ --dst yes أو --dst no.</translation>
    </message>
    <message>
        <source>asterine reading: --zone LMT is the local mean time of the birthplace&apos;s longitude: give --longitude or --place too.</source>
        <translation>asterine reading: --zone LMT هو التوقيت الشمسي المتوسط لخط طول مكان الميلاد: أعطِ --longitude أو --place أيضًا.</translation>
    </message>
</context>
<context>
    <name>asterine::Referral</name>
    <message>
        <source>Your Name</source>
        <translation>اسمك</translation>
    </message>
    <message>
        <source>Your Email Address</source>
        <translation>بريدك الإلكتروني</translation>
    </message>
    <message>
        <source>Your Message</source>
        <translation>رسالتك</translation>
    </message>
    <message>
        <source>Friend&apos;s Name</source>
        <translation>اسم صديقك</translation>
    </message>
    <message>
        <source>Friend&apos;s Email Address</source>
        <translation>بريد صديقك الإلكتروني</translation>
    </message>
    <message>
        <source>Please Enter Distinct Email Addresses</source>
        <translation>يُرجى إدخال عناوين بريد إلكتروني مختلفة</translation>
    </message>
    <message>
        <source>Please Enter Proper Email Address</source>
        <translation>يُرجى إدخال عنوان بريد إلكتروني صحيح</translation>
    </message>
    <message>
        <source>Please Enter Your Name</source>
        <translation>يُرجى إدخال اسمك</translation>
    </message>
    <message>
        <source>Please Enter Your Email</source>
        <translation>يُرجى إدخال بريدك الإلكتروني</translation>
    </message>
    <message>
        <source>Please Enter Your Message</source>
        <translation>يُرجى إدخال رسالتك</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Name</source>
        <translation>يُرجى إدخال اسم صديقك</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Email</source>
        <translation>يُرجى إدخال بريد صديقك الإلكتروني</translation>
    </message>
</context>
<context>
    <name>asterine::UpdatePrompt</name>
    <message>
        <source>There maybe an update to this software available<byte value="xd"/>Do you want to check for an update?</source>
        <translation>قد يتوفر تحديث لهذا البرنامج<byte value="xd"/>أتريد التحقق من وجود تحديث؟</translation>
    </message>
</context>
<context>
    <name>asterine::Validation</name>
    <message>
        <source>Please Enter Name</source>
        <translation>يُرجى إدخال الاسم</translation>
    </message>
    <message>
        <source>Please Enter Degree of Longitude</source>
        <translation>يُرجى إدخال درجات خط الطول</translation>
    </message>
    <message>
        <source>Please Enter Minute of Longitude</source>
        <translation>يُرجى إدخال دقائق خط الطول</translation>
    </message>
    <message>
        <source>Please Enter Second of Longitude</source>
        <translation>يُرجى إدخال ثواني خط الطول</translation>
    </message>
    <message>
        <source>Please Enter Degree of Latitude</source>
        <translation>يُرجى إدخال درجات خط العرض</translation>
    </message>
    <message>
        <source>Please Enter Minute of Latitude</source>
        <translation>يُرجى إدخال دقائق خط العرض</translation>
    </message>
    <message>
        <source>Please Enter Second of Latitude</source>
        <translation>يُرجى إدخال ثواني خط العرض</translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month!</source>
        <translation>يُرجى إدخال يوم أو شهر صحيح!</translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month !</source>
        <translation>يُرجى إدخال يوم أو شهر صحيح!</translation>
    </message>
    <message>
        <source>Please Enter only Letters</source>
        <translation>يُرجى إدخال حروف فقط</translation>
    </message>
    <message>
        <source>Only Numbers Are Accepted</source>
        <translation>لا تُقبل إلا الأرقام</translation>
    </message>
    <message>
        <source>Please Enter Correct Degree of Latitude</source>
        <translation>يُرجى إدخال درجات صحيحة لخط العرض</translation>
    </message>
    <message>
        <source>Please Enter Correct Minute of Latitude</source>
        <translation>يُرجى إدخال دقائق صحيحة لخط العرض</translation>
    </message>
</context>
<context>
    <name>birth::Moment</name>
    <message>
        <source>%1 or %2</source>
        <translation>%1 أو %2</translation>
    </message>
    <message>
        <source>The clocks of %1 skipped %2 on %3: was it %4?</source>
        <translation>تخطّت ساعات %1 الساعة %2 يوم %3: هل كانت %4؟</translation>
    </message>
    <message>
        <source>The clocks of %1 showed %2 twice on %3: was it %4?</source>
        <translation>عرضت ساعات %1 الساعة %2 مرتين يوم %3: هل كانت %4؟</translation>
    </message>
    <message>
        <source>The time zone %1 gives no reading of this clock time.</source>
        <translation>لا تعطي المنطقة الزمنية %1 أي قراءة لهذا الوقت.</translation>
    </message>
    <message>
        <source>%1 · %2 UT</source>
        <translation>%1 · %2 بالتوقيت العالمي</translation>
    </message>
    <message>
        <source>The moment of birth needs its date and its time.</source>
        <translation>تحتاج لحظة الولادة إلى تاريخها ووقتها.</translation>
    </message>
    <message>
        <source>The longitude %1 is out of range: longitudes run from 180° west to 180° east.</source>
        <translation>خط الطول %1 خارج النطاق: تمتد خطوط الطول من 180° غربًا إلى 180° شرقًا.</translation>
    </message>
    <message>
        <source>Daylight saving was in force in %1 on %2: the clocks showed %3.</source>
        <translation>كان التوقيت الصيفي ساريًا في %1 يوم %2: كانت الساعات تعرض %3.</translation>
    </message>
    <message>
        <source>Daylight saving was not in force in %1 on %2: the clocks showed %3.</source>
        <translation>لم يكن التوقيت الصيفي ساريًا في %1 يوم %2: كانت الساعات تعرض %3.</translation>
    </message>
    <message>
        <source>Daylight saving does not tell %1 apart: give the offset in force.</source>
        <translation>التوقيت الصيفي لا يميّز بين %1: أدخل فرق التوقيت الساري.</translation>
    </message>
    <message>
        <source>The clocks of %1 kept local mean time then, which needs the birthplace&apos;s longitude.</source>
        <translation>كانت ساعات %1 تتبع آنذاك التوقيت المحلي المتوسط، وهو يحتاج إلى خط طول مكان الولادة.</translation>
    </message>
</context>
<context>
    <name>birth::Zone</name>
    <message>
        <source>Unknown time zone %1: give a zone such as Europe/Berlin, LMT or UTC+05:30.</source>
        <translation>منطقة زمنية غير معروفة %1: أدخل منطقة مثل Europe/Berlin أو LMT أو UTC+05:30.</translation>
    </message>
    <message>
        <source>%1 is not an offset from UTC: write it as +05:30 or -03:00.</source>
        <translation>%1 ليس فرقًا عن UTC: اكتبه على شكل +05:30 أو -03:00.</translation>
    </message>
    <message>
        <source>The offset %1 is not a time: its minutes run from 00 to 59.</source>
        <translation>فرق التوقيت %1 ليس وقتًا: دقائقه من 00 إلى 59.</translation>
    </message>
    <message>
        <source>The offset %1 is out of range: offsets from UTC run from -14:00 to +14:00.</source>
        <translation>فرق التوقيت %1 خارج النطاق: يتراوح الفرق عن UTC بين -14:00 و+14:00.</translation>
    </message>
    <message>
        <source>Local mean time</source>
        <translation>التوقيت المحلي المتوسط</translation>
    </message>
    <message>
        <source>No time zone was given: give a zone such as Europe/Berlin, LMT or UTC+05:30.</source>
        <translation>لم تُحدَّد منطقة زمنية: أدخل منطقة مثل Europe/Berlin أو LMT أو UTC+05:30.</translation>
    </message>
    <message>
        <source>The time zone given is too long to be one (%1 characters; a zone&apos;s name has at most %2).</source>
        <translation>المنطقة الزمنية المُدخلة أطول من أن تكون منطقة (%1 حرفًا؛ اسم المنطقة %2 حرفًا على الأكثر).</translation>
    </message>
    <message>
        <source>The offset given is too long to be one: write it as +05:30 or -03:00.</source>
        <translation>فرق التوقيت المُدخل أطول من أن يكون فرقًا: اكتبه على شكل +05:30 أو -03:00.</translation>
    </message>
    <message>
        <source>Daylight saving is yes or no, not %1.</source>
        <translation>التوقيت الصيفي إما «yes» أو «no»، وليس %1.</translation>
    </message>
</context>
<context>
    <name>brand</name>
    <message>
        <source>Asterine v1.0</source>
        <translation>Asterine 1.0</translation>
    </message>
    <message>
        <source>Asterine calculates the fixed stars that our present in our natal chart. These stars are additional indicators of our destiny. Fixed stars seem to be fixed in position and do not seem to move like planets. The aspects of these fixed stars is said to influence the basic nature of an individual.</source>
        <translation>يحسب Asterine النجوم الثابتة الموجودة في خريطة ميلادنا. وهذه النجوم مؤشرات إضافية على أقدارنا. تبدو النجوم الثابتة ثابتة في مواضعها، ولا يبدو أنها تتحرك كما تتحرك الكواكب. ويُقال إن مناظر هذه النجوم الثابتة تؤثر في الطبيعة الأساسية للإنسان.</translation>
    </message>
    <message>
        <source>Join the Quorvane forum at www.quorvane.com, a free online discussion forum on esoteric subjects. Click here to visit it now!</source>
        <translation>انضم إلى منتدى Quorvane على www.quorvane.com، وهو منتدى نقاش مجاني على الإنترنت في الموضوعات الباطنية. انقر هنا لزيارته الآن!</translation>
    </message>
    <message>
        <source>Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your site&apos;s name &amp;&amp;  link here. See &quot;Help&quot; for details.    Click Here for more info on co-branding.</source>
        <translation>ضع اسم موقعك على هذا البرنامج. زِد ولاء زوّار موقعك وعددهم. ضع اسم موقعك ورابطه هنا. راجع «مساعدة» للتفاصيل. انقر هنا لمزيد من المعلومات عن العلامة المشتركة.</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. Click here for more details.</source>
        <translation>فرصة عمل من المنزل. ابدأ مشروعك الخاص على الإنترنت واكسب المال عبرها. واحصل على نسخة من هذا البرنامج تحمل علامة موقعك بالكامل. انقر هنا لمزيد من التفاصيل.</translation>
    </message>
    <message>
        <source>Programs like this one can be created and maintained only with your support. The best way to support Quorvane is to visit its forum at www.quorvane.com regularly and take part in the discussions and other activities on the board.</source>
        <translation>لا يمكن إنشاء برامج كهذا البرنامج وصيانتها إلا بدعمك. وأفضل طريقة لدعم Quorvane هي زيارة منتداه على www.quorvane.com بانتظام والمشاركة في النقاشات والأنشطة الأخرى فيه.</translation>
    </message>
    <message>
        <source>Please visit the Quorvane forum at www.quorvane.com regularly and support it by taking part in the discussions and other activities. These programs cannot be supported and maintained without your regular visits.</source>
        <translation>يُرجى زيارة منتدى Quorvane على www.quorvane.com بانتظام ودعمه بالمشاركة في النقاشات والأنشطة الأخرى. فلا يمكن دعم هذه البرامج وصيانتها دون زياراتك المنتظمة.</translation>
    </message>
    <message>
        <source>The Quorvane forum at www.quorvane.com is a free online discussion forum on esoteric subjects. To help develop and maintain this program, please visit it regularly.</source>
        <translation>منتدى Quorvane على www.quorvane.com منتدى نقاش مجاني على الإنترنت في الموضوعات الباطنية. للمساعدة في تطوير هذا البرنامج وصيانته، يُرجى زيارته بانتظام.</translation>
    </message>
    <message>
        <source>The Quorvane forum at www.quorvane.com needs your help. Visiting it regularly and taking part in its discussions and activities helps maintain and develop more Quorvane Softwares.</source>
        <translation>يحتاج منتدى Quorvane على www.quorvane.com إلى مساعدتك. فزيارته بانتظام والمشاركة في نقاشاته وأنشطته تساعدان على صيانة المزيد من برامج Quorvane وتطويرها.</translation>
    </message>
    <message>
        <source>If you enjoyed this program, you will like the other Quorvane Softwares too. They cover astrology, psychic matters, tarot, numerology and the occult, and they are simple, fun and informative. Share them with your friends and family!</source>
        <translation>إذا استمتعت بهذا البرنامج فستعجبك برامج Quorvane الأخرى أيضًا. فهي تتناول التنجيم والقدرات الروحية والتاروت وعلم الأعداد والعلوم الخفية، وهي بسيطة وممتعة ومفيدة. شاركها مع أصدقائك وعائلتك!</translation>
    </message>
</context>
<context>
    <name>document::DocumentFile</name>
    <message>
        <source>“%1” could not be saved: %2.</source>
        <translation>تعذّر حفظ «%1»: %2.</translation>
    </message>
    <message>
        <source>a folder of that name is in its place</source>
        <translation>يوجد في مكانه مجلد بالاسم نفسه</translation>
    </message>
</context>
<context>
    <name>document::ReadingDocument</name>
    <message>
        <source>Latin Name</source>
        <translation>الاسم اللاتيني</translation>
    </message>
    <message>
        <source>Designation</source>
        <translation>التسمية</translation>
    </message>
    <message>
        <source>Gemstone</source>
        <translation>الحجر الكريم</translation>
    </message>
    <message>
        <source>Plant</source>
        <translation>النبتة</translation>
    </message>
    <message>
        <source>Keywords</source>
        <translation>الكلمات المفتاحية</translation>
    </message>
    <message>
        <source>Effect</source>
        <translation>التأثير</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>الموقع</translation>
    </message>
    <message>
        <source>Ruling Planet</source>
        <translation>الكوكب الحاكم</translation>
    </message>
    <message>
        <source>Direction</source>
        <translation>الاتجاه</translation>
    </message>
    <message>
        <source>Angel</source>
        <translation>الملاك</translation>
    </message>
    <message>
        <source>%1 %2, %3</source>
        <extracomment>A date of birth: %1 the month&apos;s name, %2 the day, %3 the year, in the order and form of the language (&quot;10. Dezember 1815&quot;, &quot;10 de diciembre de 1815&quot;).</extracomment>
        <translation>%2 %1 %3</translation>
    </message>
    <message>
        <source>Asterine Results</source>
        <translation>نتائج Asterine</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>الاسم</translation>
    </message>
    <message>
        <source>Date of Birth</source>
        <translation>تاريخ الميلاد</translation>
    </message>
    <message>
        <source>Time of Birth</source>
        <translation>وقت الميلاد</translation>
    </message>
    <message>
        <source>Place of Birth</source>
        <translation>مكان الميلاد</translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation>خط العرض</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>خط الطول</translation>
    </message>
    <message>
        <source>Year for the Catalogue</source>
        <translation>سنة فهرس النجوم</translation>
    </message>
    <message>
        <source>Fixed Star</source>
        <translation>النجم الثابت</translation>
    </message>
    <message>
        <source>Made with Asterine %1 on %2</source>
        <translation>أُعدّت باستخدام Asterine %1 بتاريخ %2</translation>
    </message>
    <message>
        <source>Reading</source>
        <translation>قراءة</translation>
    </message>
    <message>
        <source>N</source>
        <comment>north</comment>
        <extracomment>The letter for north after a latitude, as in 51° 30′ 26″ N.</extracomment>
        <translation>ش</translation>
    </message>
    <message>
        <source>S</source>
        <comment>south</comment>
        <extracomment>The letter for south after a latitude, as in 33° 52′ 0″ S.</extracomment>
        <translation>ج</translation>
    </message>
    <message>
        <source>E</source>
        <comment>east</comment>
        <extracomment>The letter for east after a longitude, as in 151° 12′ 0″ E.</extracomment>
        <translation>ق</translation>
    </message>
    <message>
        <source>W</source>
        <comment>west</comment>
        <extracomment>The letter for west after a longitude, as in 0° 7′ 39″ W.</extracomment>
        <translation>غ</translation>
    </message>
    <message>
        <source>Sky</source>
        <translation>السماء</translation>
    </message>
</context>
<context>
    <name>document::Sky</name>
    <message>
        <source>Ascendant</source>
        <translation>الطالع</translation>
    </message>
    <message>
        <source>Midheaven</source>
        <translation>وسط السماء</translation>
    </message>
    <message>
        <source>Descendant</source>
        <translation>الغارب</translation>
    </message>
    <message>
        <source>Imum Coeli</source>
        <translation>وتد الأرض</translation>
    </message>
    <message>
        <source>rises</source>
        <extracomment>A paran: the star or body rises.</extracomment>
        <translation>يشرق</translation>
    </message>
    <message>
        <source>culminates</source>
        <extracomment>A paran: the star or body culminates (crosses the meridian, highest).</extracomment>
        <translation>يبلغ ذروته</translation>
    </message>
    <message>
        <source>sets</source>
        <translation>يغرب</translation>
    </message>
    <message>
        <source>anti-culminates</source>
        <extracomment>A paran: the star or body crosses the meridian at its lowest.</extracomment>
        <translation>يعبر خط الزوال السفلي</translation>
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
        <translation>قطبي: فوق الأفق طوال اليوم</translation>
    </message>
    <message>
        <source>Rises and sets</source>
        <translation>يشرق ويغرب</translation>
    </message>
    <message>
        <source>Never rises</source>
        <translation>لا يشرق أبدًا</translation>
    </message>
    <message>
        <source>%1, altitude %2, azimuth %3</source>
        <extracomment>When the star culminates: %1 the time, %2 its altitude, %3 its azimuth.</extracomment>
        <translation>%1، الارتفاع %2، السمت %3</translation>
    </message>
    <message>
        <source>%1, azimuth %2</source>
        <extracomment>When the star rises or sets: %1 the time, %2 the azimuth.</extracomment>
        <translation>%1، السمت %2</translation>
    </message>
    <message>
        <source>Not that day: above the horizon all day</source>
        <translation>ليس في ذلك اليوم: فوق الأفق طوال اليوم</translation>
    </message>
    <message>
        <source>Not that day: below the horizon all day</source>
        <translation>ليس في ذلك اليوم: تحت الأفق طوال اليوم</translation>
    </message>
    <message>
        <source>Not that day</source>
        <translation>ليس في ذلك اليوم</translation>
    </message>
    <message>
        <source>Always visible: seen on every night of the year</source>
        <translation>مرئي دائمًا: يُرى في كل ليلة من السنة</translation>
    </message>
    <message>
        <source>Never visible: it never rises here</source>
        <translation>غير مرئي أبدًا: لا يشرق هنا أبدًا</translation>
    </message>
    <message>
        <source>Arising and lying hidden: last seen in the evening on %1, seen again in the morning on %2, hidden for %3 nights</source>
        <extracomment>The star&apos;s phase: %1 the day of its heliacal setting, %2 that of its heliacal rising, %3 the number of nights between them.</extracomment>
        <translation>طالع ومحتجب: شوهد آخر مرة مساء %1، وشوهد ثانيةً صباح %2، واحتجب %3 ليلة</translation>
    </message>
    <message>
        <source>Curtailed passage: seen on every night; from %1 to %2 only on its passage, neither rising nor setting in the dark</source>
        <extracomment>The star&apos;s phase: %1 and %2 the first and last nights on which it is seen neither rising nor setting.</extracomment>
        <translation>مرور مقتضب: يُرى كل ليلة؛ من %1 إلى %2 في مروره فقط، دون أن يشرق أو يغرب في الظلام</translation>
    </message>
    <message>
        <source>Curtailed passage: seen on every night of the year</source>
        <translation>مرور مقتضب: يُرى في كل ليلة من السنة</translation>
    </message>
    <message>
        <source>None: the catalogue gives it no magnitude</source>
        <translation>لا شيء: لا يذكر الفهرس قدره</translation>
    </message>
    <message>
        <source>%1 in the Sky</source>
        <extracomment>The heading of the reading&apos;s star in the real sky: %1 its name.</extracomment>
        <translation>%1 في السماء</translation>
    </message>
    <message>
        <source>The star catalogue has no entry for %1: its place in the sky is not known.</source>
        <translation>لا يحوي فهرس النجوم مدخلًا لـ %1: موضعه في السماء غير معروف.</translation>
    </message>
    <message>
        <source>Its place is that of the middle of %1.</source>
        <translation>موضعه هو موضعه في منتصف عام %1.</translation>
    </message>
    <message>
        <source>Right Ascension</source>
        <translation>المطلع المستقيم</translation>
    </message>
    <message>
        <source>Declination</source>
        <translation>الميل</translation>
    </message>
    <message>
        <source>Ecliptic Longitude</source>
        <translation>الطول البروجي</translation>
    </message>
    <message>
        <source>Magnitude</source>
        <translation>القدر</translation>
    </message>
    <message>
        <source>not given</source>
        <translation>غير مذكور</translation>
    </message>
    <message>
        <source>Visibility</source>
        <extracomment>How the star stands to the horizon: %1 that, %2 the latitude (&quot;51°30′ N&quot;).</extracomment>
        <translation>الظهور</translation>
    </message>
    <message>
        <source>%1 at %2</source>
        <translation>%1 عند %2</translation>
    </message>
    <message>
        <source>Rises</source>
        <translation>الشروق</translation>
    </message>
    <message>
        <source>Culminates</source>
        <translation>الذروة</translation>
    </message>
    <message>
        <source>Sets</source>
        <translation>الغروب</translation>
    </message>
    <message>
        <source>At Birth</source>
        <extracomment>Where the star stood at the moment of birth: %1 its altitude, %2 its azimuth.</extracomment>
        <translation>عند الولادة</translation>
    </message>
    <message>
        <source>altitude %1, azimuth %2</source>
        <translation>الارتفاع %1، السمت %2</translation>
    </message>
    <message>
        <source>Phase in %1</source>
        <translation>الطور في %1</translation>
    </message>
    <message>
        <source>Bodies at Birth</source>
        <translation>الأجرام عند الولادة</translation>
    </message>
    <message>
        <source>Conjunctions within %1</source>
        <extracomment>The heading of the stars near a body or an angle: %1 the orb (&quot;1°&quot;).</extracomment>
        <translation>الاقترانات ضمن %1</translation>
    </message>
    <message>
        <source>%1 with %2</source>
        <extracomment>A star in conjunction: %1 the star, %2 the body or angle.</extracomment>
        <translation>%1 مع %2</translation>
    </message>
    <message>
        <source>orb %1, %2</source>
        <extracomment>%1 the distance in longitude, %2 the star&apos;s place.</extracomment>
        <translation>الفارق %1، %2</translation>
    </message>
    <message>
        <source>No star of the catalogue is within the orb of a body or an angle.</source>
        <translation>لا يقع أي نجم من الفهرس ضمن فارق جرم أو وتد.</translation>
    </message>
    <message>
        <source>More</source>
        <translation>المزيد</translation>
    </message>
    <message>
        <source>%1 wider conjunctions</source>
        <translation>%1 اقترانات أوسع</translation>
    </message>
    <message>
        <source>Parans within %1 Minutes</source>
        <extracomment>The heading of the parans: %1 the tolerance in minutes.</extracomment>
        <translation>البارانات ضمن %1 دقائق</translation>
    </message>
    <message>
        <source>%1 %2, %3 %4</source>
        <comment>paran</comment>
        <extracomment>A paran: %1 the star, %2 what it does, %3 the body, %4 what the body does (&quot;Regulus rises, Sun culminates&quot;).</extracomment>
        <translation>%2 %1، %4 %3</translation>
    </message>
    <message>
        <source>%1, %2 minutes apart</source>
        <extracomment>%1 the time of the star&apos;s event, %2 the minutes between the two.</extracomment>
        <translation>%1، بفارق %2 دقيقة</translation>
    </message>
    <message>
        <source>All Parans of the Day</source>
        <extracomment>How many parans the day holds: %1 all of them, %2 those of the reading&apos;s star %3.</extracomment>
        <translation>كل بارانات اليوم</translation>
    </message>
    <message>
        <source>%1, of which %2 with %3</source>
        <translation>%1، منها %2 مع %3</translation>
    </message>
    <message>
        <source>Without the date and the time of birth, the bodies, the angles, the conjunctions and the star at the moment of birth are left out.</source>
        <translation>بدون تاريخ الولادة ووقتها تُحذف الأجرام والأوتاد والاقترانات والنجم في لحظة الولادة.</translation>
    </message>
    <message>
        <source>Without the zone the birthplace&apos;s clocks kept, the bodies, the angles, the conjunctions, the star at the moment of birth, its day and the parans are left out.</source>
        <translation>بدون المنطقة الزمنية لمكان الولادة تُحذف الأجرام والأوتاد والاقترانات والنجم في لحظة الولادة ويومه والبارانات.</translation>
    </message>
    <message>
        <source>Without the longitude of the birthplace, the Ascendant, the Midheaven, the star&apos;s day and the parans are left out.</source>
        <translation>بدون خط طول مكان الولادة يُحذف الطالع ووسط السماء ويوم النجم والبارانات.</translation>
    </message>
    <message>
        <source>Without the zone the birthplace&apos;s clocks kept, the star&apos;s day and the parans are left out.</source>
        <translation>بدون المنطقة الزمنية لمكان الولادة يُحذف يوم النجم والبارانات.</translation>
    </message>
    <message>
        <source>Without the date of birth, the star&apos;s day and the parans are left out.</source>
        <translation>بدون تاريخ الولادة يُحذف يوم النجم والبارانات.</translation>
    </message>
</context>
<context>
    <name>people::Csv</name>
    <message>
        <source>%1 fields, where the header has %2</source>
        <translation>عدد الحقول %1، بينما عدد حقول سطر العناوين %2</translation>
    </message>
    <message>
        <source>the text is not UTF-8 (save the file as UTF-8)</source>
        <translation>النص ليس بترميز UTF-8 (احفظ الملف بترميز UTF-8)</translation>
    </message>
    <message>
        <source>the name is empty</source>
        <translation>الاسم فارغ</translation>
    </message>
    <message>
        <source>the date “%1” is not written YYYY-MM-DD</source>
        <translation>التاريخ «%1» غير مكتوب بالصيغة YYYY-MM-DD</translation>
    </message>
    <message>
        <source>the year %1 is not one from %2 to %3</source>
        <translation>السنة %1 ليست بين %2 و%3</translation>
    </message>
    <message>
        <source>“%1” is not a date</source>
        <translation>القيمة «%1» ليست تاريخًا</translation>
    </message>
    <message>
        <source>%1 %2 %3 is not a date</source>
        <translation>التاريخ %1 %2 %3 غير موجود</translation>
    </message>
    <message>
        <source>the time “%1” is not HH:MM:SS</source>
        <translation>الوقت «%1» ليس بالصيغة HH:MM:SS</translation>
    </message>
    <message>
        <source>latitude degrees</source>
        <translation>درجات خط العرض</translation>
    </message>
    <message>
        <source>latitude minutes</source>
        <translation>دقائق خط العرض</translation>
    </message>
    <message>
        <source>latitude seconds</source>
        <translation>ثواني خط العرض</translation>
    </message>
    <message>
        <source>longitude degrees</source>
        <translation>درجات خط الطول</translation>
    </message>
    <message>
        <source>longitude minutes</source>
        <translation>دقائق خط الطول</translation>
    </message>
    <message>
        <source>longitude seconds</source>
        <translation>ثواني خط الطول</translation>
    </message>
    <message>
        <source>the %1 are missing</source>
        <translation>%1 مفقودة</translation>
    </message>
    <message>
        <source>%1 “%2” are not a number</source>
        <translation>%1 «%2» ليست عددًا</translation>
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
        <translation>جهة خط العرض «%1» ليست N ولا S</translation>
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
        <translation>جهة خط الطول «%1» ليست E ولا W</translation>
    </message>
    <message>
        <source>“%1” is not a CSV file of people: it is not text.</source>
        <translation>الملف «%1» ليس ملف CSV للأشخاص: فهو ليس نصًّا.</translation>
    </message>
    <message>
        <source>“%1” is not a CSV file of people: it has no header row.</source>
        <translation>الملف «%1» ليس ملف CSV للأشخاص: فليس فيه صف عناوين.</translation>
    </message>
    <message>
        <source>“%1” is not a CSV file of people: its first line is not the header “%2”.</source>
        <translation>الملف «%1» ليس ملف CSV للأشخاص: فسطره الأول ليس صف العناوين «%2».</translation>
    </message>
    <message>
        <source>a quoted field is not closed, or goes on after its closing quote</source>
        <translation>حقل بين علامتي تنصيص لم يُغلق، أو يستمر بعد علامة التنصيص الختامية</translation>
    </message>
    <message>
        <source>the name “%1” is also on line %2</source>
        <translation>الاسم «%1» موجود أيضًا في السطر %2</translation>
    </message>
    <message>
        <source>%1 “%2” are longer than 3 digits</source>
        <translation>%1 «%2» أطول من 3 أرقام</translation>
    </message>
</context>
<context>
    <name>people::PeopleImport</name>
    <message numerus="yes">
        <source>%n of the people in “%1” are saved already: %2.

Replace them? No keeps the saved ones; Cancel imports nobody.</source>
        <translation>
            <numerusform>لا أحد في «%1» محفوظ من قبل: %2.

أتريد الاستبدال؟ اختر «لا» للإبقاء على المحفوظين، أو «إلغاء» كي لا يُستورد أحد.</numerusform>
            <numerusform>في «%1» شخص واحد محفوظ من قبل: %2.

أتريد استبداله؟ اختر «لا» للإبقاء على المحفوظ، أو «إلغاء» كي لا يُستورد أحد.</numerusform>
            <numerusform>في «%1» شخصان محفوظان من قبل: %2.

أتريد استبدالهما؟ اختر «لا» للإبقاء على المحفوظَين، أو «إلغاء» كي لا يُستورد أحد.</numerusform>
            <numerusform>في «%1» %n أشخاص محفوظون من قبل: %2.

أتريد استبدالهم؟ اختر «لا» للإبقاء على المحفوظين، أو «إلغاء» كي لا يُستورد أحد.</numerusform>
            <numerusform>في «%1» %n شخصًا محفوظون من قبل: %2.

أتريد استبدالهم؟ اختر «لا» للإبقاء على المحفوظين، أو «إلغاء» كي لا يُستورد أحد.</numerusform>
            <numerusform>في «%1» %n شخص محفوظون من قبل: %2.

أتريد استبدالهم؟ اختر «لا» للإبقاء على المحفوظين، أو «إلغاء» كي لا يُستورد أحد.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n people imported from “%1”.</source>
        <translation>
            <numerusform>لم يُستورد أي شخص من «%1».</numerusform>
            <numerusform>تم استيراد شخص واحد من «%1».</numerusform>
            <numerusform>تم استيراد شخصين من «%1».</numerusform>
            <numerusform>تم استيراد %n أشخاص من «%1».</numerusform>
            <numerusform>تم استيراد %n شخصًا من «%1».</numerusform>
            <numerusform>تم استيراد %n شخص من «%1».</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n rows could not be imported:</source>
        <translation>
            <numerusform>لا توجد صفوف تعذّر استيرادها:</numerusform>
            <numerusform>تعذّر استيراد صف واحد:</numerusform>
            <numerusform>تعذّر استيراد صفّين:</numerusform>
            <numerusform>تعذّر استيراد %n صفوف:</numerusform>
            <numerusform>تعذّر استيراد %n صفًّا:</numerusform>
            <numerusform>تعذّر استيراد %n صف:</numerusform>
        </translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>السطر %1: %2</translation>
    </message>
    <message numerus="yes">
        <source>and %n more.</source>
        <translation>
            <numerusform>ولا صفوف أخرى.</numerusform>
            <numerusform>وصف آخر.</numerusform>
            <numerusform>وصفّان آخران.</numerusform>
            <numerusform>و%n صفوف أخرى.</numerusform>
            <numerusform>و%n صفًّا آخر.</numerusform>
            <numerusform>و%n صف آخر.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>and %n more</source>
        <translation>
            <numerusform>ولا أحد غيرهم</numerusform>
            <numerusform>وشخص آخر</numerusform>
            <numerusform>وشخصان آخران</numerusform>
            <numerusform>و%n أشخاص آخرين</numerusform>
            <numerusform>و%n شخصًا آخر</numerusform>
            <numerusform>و%n شخص آخر</numerusform>
        </translation>
    </message>
    <message>
        <source>These columns are not of a person and were passed over: %1.</source>
        <translation>هذه الأعمدة ليست من بيانات الشخص وقد تُجوهلت: %1.</translation>
    </message>
</context>
<context>
    <name>people::PeopleModel</name>
    <message>
        <source>Name</source>
        <translation>الاسم</translation>
    </message>
    <message>
        <source>Date of Birth</source>
        <translation>تاريخ الميلاد</translation>
    </message>
    <message>
        <source>Place of Birth</source>
        <translation>مكان الميلاد</translation>
    </message>
    <message>
        <source>Last Used</source>
        <translation>آخر استخدام</translation>
    </message>
</context>
<context>
    <name>people::PeopleStore</name>
    <message>
        <source>the file or its folder cannot be written to</source>
        <translation>لا يمكن الكتابة في الملف أو في مجلده</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>القرص ممتلئ</translation>
    </message>
    <message>
        <source>the file cannot be opened or made there</source>
        <translation>لا يمكن فتح الملف أو إنشاؤه هناك</translation>
    </message>
    <message>
        <source>The people could not be kept in “%1”: %2.</source>
        <translation>تعذّر حفظ الأشخاص في «%1»: %2.</translation>
    </message>
    <message>
        <source>its folder cannot be made</source>
        <translation>لا يمكن إنشاء مجلده</translation>
    </message>
    <message>
        <source>it cannot be read</source>
        <translation>لا يمكن قراءته</translation>
    </message>
    <message>
        <source>it is not an SQLite database, or a damaged one: %1</source>
        <translation>ليس قاعدة بيانات SQLite، أو هو تالف: %1</translation>
    </message>
    <message>
        <source>it was made by a newer version of Asterine, which this one cannot use</source>
        <translation>أُنشئ بإصدار أحدث من Asterine لا يستطيع هذا الإصدار استخدامه</translation>
    </message>
    <message>
        <source>it holds the tables of another program</source>
        <translation>يحتوي على جداول برنامج آخر</translation>
    </message>
    <message>
        <source>it could not be brought up to date: %1</source>
        <translation>تعذّر تحديثه: %1</translation>
    </message>
    <message>
        <source>its table of people is not the one Asterine keeps</source>
        <translation>جدول الأشخاص فيه ليس الجدول الذي يحفظه Asterine</translation>
    </message>
    <message>
        <source>“%1” is not a store of people that Asterine can use (%2). It is kept, unchanged, as “%3”, and a new, empty store takes its place.</source>
        <translation>الملف «%1» ليس مخزن أشخاص يمكن لـ Asterine استخدامه (%2). وقد حُفظ دون تغيير باسم «%3»، وحلّ محله مخزن جديد فارغ.</translation>
    </message>
    <message>
        <source>“%1” is not a store of people that Asterine can use (%2), and it cannot be set aside; it is left as it is, and no people can be kept until it is moved.</source>
        <translation>الملف «%1» ليس مخزن أشخاص يمكن لـ Asterine استخدامه (%2)، ولا يمكن نقله جانبًا؛ لذا تُرك كما هو، ولن يمكن حفظ أي أشخاص حتى يُنقل.</translation>
    </message>
    <message>
        <source>it cannot be opened</source>
        <translation>لا يمكن فتحه</translation>
    </message>
    <message>
        <source>the save was cancelled</source>
        <translation>أُلغي الحفظ</translation>
    </message>
    <message>
        <source>another program is using it; try again when it is done</source>
        <translation>برنامج آخر يستخدمه الآن؛ أعد المحاولة حين ينتهي</translation>
    </message>
</context>
<context>
    <name>people::PersonRules</name>
    <message>
        <source>the name is longer than the %L1 characters the Name box takes</source>
        <translation>الاسم أطول من %L1 حرفًا، وهو أقصى ما تقبله خانة الاسم</translation>
    </message>
    <message>
        <source>the name has “%1” (%2), which the Name box does not take</source>
        <translation>في الاسم «%1» (%2)، وهو ما لا تقبله خانة الاسم</translation>
    </message>
    <message>
        <source>the name has the character %1, which the Name box does not take</source>
        <translation>في الاسم المحرف %1، وهو ما لا تقبله خانة الاسم</translation>
    </message>
</context>
<context>
    <name>skynames::SkyNames</name>
    <message>
        <source>Aries</source>
        <translation>الحمل</translation>
    </message>
    <message>
        <source>Taurus</source>
        <translation>الثور</translation>
    </message>
    <message>
        <source>Gemini</source>
        <translation>الجوزاء</translation>
    </message>
    <message>
        <source>Cancer</source>
        <translation>السرطان</translation>
    </message>
    <message>
        <source>Leo</source>
        <translation>الأسد</translation>
    </message>
    <message>
        <source>Virgo</source>
        <translation>العذراء</translation>
    </message>
    <message>
        <source>Libra</source>
        <translation>الميزان</translation>
    </message>
    <message>
        <source>Scorpio</source>
        <translation>العقرب</translation>
    </message>
    <message>
        <source>Sagittarius</source>
        <translation>القوس</translation>
    </message>
    <message>
        <source>Capricorn</source>
        <translation>الجدي</translation>
    </message>
    <message>
        <source>Aquarius</source>
        <translation>الدلو</translation>
    </message>
    <message>
        <source>Pisces</source>
        <translation>الحوت</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>الشمس</translation>
    </message>
    <message>
        <source>Moon</source>
        <translation>القمر</translation>
    </message>
    <message>
        <source>Mercury</source>
        <translation>عطارد</translation>
    </message>
    <message>
        <source>Venus</source>
        <translation>الزهرة</translation>
    </message>
    <message>
        <source>Mars</source>
        <translation>المريخ</translation>
    </message>
    <message>
        <source>Jupiter</source>
        <translation>المشتري</translation>
    </message>
    <message>
        <source>Saturn</source>
        <translation>زحل</translation>
    </message>
    <message>
        <source>Uranus</source>
        <translation>أورانوس</translation>
    </message>
    <message>
        <source>Neptune</source>
        <translation>نبتون</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>sign and degree</comment>
        <extracomment>A place in the zodiac: %1 the sign, %2 its degrees and minutes (&quot;Leo 29°50′&quot;).</extracomment>
        <translation>%1 %2</translation>
    </message>
</context>
</TS>
