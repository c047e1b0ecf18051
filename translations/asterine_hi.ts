<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="hi_IN">
<context>
    <name>Lore</name>
    <message>
        <source>Granite</source>
        <translation>ग्रेनाइट</translation>
    </message>
    <message>
        <source>Ruby / Garnet</source>
        <translation>माणिक्य / तामड़ा</translation>
    </message>
    <message>
        <source>Sardonyx</source>
        <translation>सार्डोनिक्स</translation>
    </message>
    <message>
        <source>Diamond</source>
        <translation>हीरा</translation>
    </message>
    <message>
        <source>Emerald</source>
        <translation>पन्ना</translation>
    </message>
    <message>
        <source>Chrysolite</source>
        <translation>ज़बरजद</translation>
    </message>
    <message>
        <source>Rock Crystal</source>
        <translation>स्फटिक</translation>
    </message>
    <message>
        <source>Chalcedony</source>
        <translation>कैल्सेडनी</translation>
    </message>
    <message>
        <source>Beryl</source>
        <translation>बेरिल</translation>
    </message>
    <message>
        <source>Sapphire</source>
        <translation>नीलम</translation>
    </message>
    <message>
        <source>Agate</source>
        <translation>हकीक</translation>
    </message>
    <message>
        <source>Magnet</source>
        <translation>चुंबक पत्थर</translation>
    </message>
    <message>
        <source>Jasper</source>
        <translation>यशब</translation>
    </message>
    <message>
        <source>Topaz</source>
        <translation>पुखराज</translation>
    </message>
    <message>
        <source>Onyx</source>
        <translation>ओनिक्स</translation>
    </message>
    <message>
        <source>mugwort</source>
        <translation>नागदौना</translation>
    </message>
    <message>
        <source>milk thistle</source>
        <translation>मिल्क थिसल</translation>
    </message>
    <message>
        <source>birthwort</source>
        <translation>ईश्वरमूल</translation>
    </message>
    <message>
        <source>Black hellebore</source>
        <translation>काला हेलेबोर</translation>
    </message>
    <message>
        <source>Sage</source>
        <translation>सेज</translation>
    </message>
    <message>
        <source>winter savory</source>
        <translation>विंटर सेवरी</translation>
    </message>
    <message>
        <source>fennel</source>
        <translation>सौंफ</translation>
    </message>
    <message>
        <source>marjoram</source>
        <translation>मरुआ</translation>
    </message>
    <message>
        <source>juniper</source>
        <translation>हपुषा</translation>
    </message>
    <message>
        <source>thyme</source>
        <translation>बन अजवाइन</translation>
    </message>
    <message>
        <source>water buttercup</source>
        <translation>जलधनिया</translation>
    </message>
    <message>
        <source>succory</source>
        <translation>कासनी</translation>
    </message>
    <message>
        <source>plantain</source>
        <translation>बारतंग</translation>
    </message>
    <message>
        <source>rosemary</source>
        <translation>रोज़मेरी</translation>
    </message>
    <message>
        <source>burdock</source>
        <translation>बर्डॉक</translation>
    </message>
    <message>
        <source>Leo 29°50&apos;</source>
        <translation>सिंह 29°50&apos;</translation>
    </message>
    <message>
        <source>Gemini 09°47&apos;</source>
        <translation>मिथुन 09°47&apos;</translation>
    </message>
    <message>
        <source>Sagittarius 09°46&apos;</source>
        <translation>धनु 09°46&apos;</translation>
    </message>
    <message>
        <source>Pisces 03°52&apos;</source>
        <translation>मीन 03°52&apos;</translation>
    </message>
    <message>
        <source>Taurus 26°10&apos;</source>
        <translation>वृषभ 26°10&apos;</translation>
    </message>
    <message>
        <source>Gemini 00°00&apos;</source>
        <translation>मिथुन 00°00&apos;</translation>
    </message>
    <message>
        <source>Libra 09°56</source>
        <translation>तुला 09°56</translation>
    </message>
    <message>
        <source>Libra 23°50&apos;</source>
        <translation>तुला 23°50&apos;</translation>
    </message>
    <message>
        <source>Capricorn 15°19</source>
        <translation>मकर 15°19</translation>
    </message>
    <message>
        <source>Pisces 29°22&apos;</source>
        <translation>मीन 29°22&apos;</translation>
    </message>
    <message>
        <source>Jupiter And Mars</source>
        <translation>बृहस्पति और मंगल</translation>
    </message>
    <message>
        <source>Mars And Venus</source>
        <translation>मंगल और शुक्र</translation>
    </message>
    <message>
        <source>Venus And Jupiter</source>
        <translation>शुक्र और बृहस्पति</translation>
    </message>
    <message>
        <source>Saturn And Jupiter</source>
        <translation>शनि और बृहस्पति</translation>
    </message>
    <message>
        <source>Venus And Mercury</source>
        <translation>शुक्र और बुध</translation>
    </message>
    <message>
        <source>Mercury And Venus</source>
        <translation>बुध और शुक्र</translation>
    </message>
    <message>
        <source>Moon And Mars</source>
        <translation>चंद्रमा और मंगल</translation>
    </message>
    <message>
        <source>Saturn And Mercury</source>
        <translation>शनि और बुध</translation>
    </message>
    <message>
        <source>Venus</source>
        <translation>शुक्र</translation>
    </message>
    <message>
        <source>Jupiter And Saturn</source>
        <translation>बृहस्पति और शनि</translation>
    </message>
    <message>
        <source>Mercury And Mars</source>
        <translation>बुध और मंगल</translation>
    </message>
    <message>
        <source>Venus And Moon</source>
        <translation>शुक्र और चंद्रमा</translation>
    </message>
    <message>
        <source>Mars And Jupiter</source>
        <translation>मंगल और बृहस्पति</translation>
    </message>
    <message>
        <source>Venus And Mars</source>
        <translation>शुक्र और मंगल</translation>
    </message>
    <message>
        <source>Saturn And Mars</source>
        <translation>शनि और मंगल</translation>
    </message>
    <message>
        <source>Independence, Leadership, Success</source>
        <translation>स्वतंत्रता, नेतृत्व, सफलता</translation>
    </message>
    <message>
        <source>Knowledge, Strength, Honor</source>
        <translation>ज्ञान, शक्ति, सम्मान</translation>
    </message>
    <message>
        <source>Danger, Differences, Violence</source>
        <translation>ख़तरा, मतभेद, हिंसा</translation>
    </message>
    <message>
        <source>Good or Bad Luck</source>
        <translation>सौभाग्य या दुर्भाग्य</translation>
    </message>
    <message>
        <source>Bad Luck, Misfortune, Violence</source>
        <translation>दुर्भाग्य, विपत्ति, हिंसा</translation>
    </message>
    <message>
        <source>Love, Emotions, Sadness</source>
        <translation>प्रेम, भावनाएँ, उदासी</translation>
    </message>
    <message>
        <source>Disgrace, Falseness, Loneliness</source>
        <translation>अपयश, कपट, अकेलापन</translation>
    </message>
    <message>
        <source>Prosperity, Success, Brashness</source>
        <translation>समृद्धि, सफलता, उतावलापन</translation>
    </message>
    <message>
        <source>Good Luck, Fortunes, Hope</source>
        <translation>सौभाग्य, धन-लाभ, आशा</translation>
    </message>
    <message>
        <source>Extreme Bad Luck, Misfortunes</source>
        <translation>घोर दुर्भाग्य, विपत्तियाँ</translation>
    </message>
    <message>
        <source>Accidents, Bad Vibes, Violence</source>
        <translation>दुर्घटनाएँ, नकारात्मक ऊर्जा, हिंसा</translation>
    </message>
    <message>
        <source>Joy, Wisdom, Glory</source>
        <translation>आनंद, बुद्धिमत्ता, गौरव</translation>
    </message>
    <message>
        <source>Pride, Ambition, Wealth, Danger</source>
        <translation>अभिमान, महत्वाकांक्षा, धन, ख़तरा</translation>
    </message>
    <message>
        <source>Curious, Open Minded, Strong</source>
        <translation>जिज्ञासु, खुले विचारों वाले, सशक्त</translation>
    </message>
    <message>
        <source>Bad Luck, Violence, Evaporation</source>
        <translation>दुर्भाग्य, हिंसा, वाष्पीकरण</translation>
    </message>
    <message>
        <source>Troubles, Losses, Ill-Health</source>
        <translation>कष्ट, हानियाँ, अस्वस्थता</translation>
    </message>
    <message>
        <source>Inspiration, Riches, Fame, Popularity</source>
        <translation>प्रेरणा, धन-संपत्ति, प्रसिद्धि, लोकप्रियता</translation>
    </message>
    <message>
        <source>Dignity, Literacy, Brilliance, Scandals</source>
        <translation>गरिमा, विद्वत्ता, प्रतिभा, बदनामी</translation>
    </message>
    <message>
        <source>Extreme Good Luck or Bad Luck</source>
        <translation>अत्यधिक सौभाग्य या दुर्भाग्य</translation>
    </message>
    <message>
        <source>You can hope to accomplish all your goals. You may become famous in your professional life.</source>
        <translation>आप अपने सभी लक्ष्य पूरे करने की आशा कर सकते हैं। अपने पेशेवर जीवन में आप प्रसिद्ध हो सकते हैं।</translation>
    </message>
    <message>
        <source>This star has an effect of bestowing courage, intelligence and honor in whichever part of the birth chart it is present in. </source>
        <translation>यह तारा जन्म कुंडली के जिस भी भाग में स्थित हो, वहाँ साहस, बुद्धि और सम्मान प्रदान करता है। </translation>
    </message>
    <message>
        <source>You will be very emotional and easily get into fights because of your brash nature.</source>
        <translation>आप बहुत भावुक होंगे और अपने उतावले स्वभाव के कारण आसानी से झगड़ों में पड़ जाएँगे।</translation>
    </message>
    <message>
        <source>You will have a lot of creative mental energy which may be positive or negative.</source>
        <translation>आपमें भरपूर रचनात्मक मानसिक ऊर्जा होगी, जो सकारात्मक भी हो सकती है और नकारात्मक भी।</translation>
    </message>
    <message>
        <source>You will be excessively obsessed with whichever field of the birth chart this star occupies.</source>
        <translation>यह तारा जन्म कुंडली के जिस भी क्षेत्र में स्थित हो, उस क्षेत्र को लेकर आप अत्यधिक जुनूनी रहेंगे।</translation>
    </message>
    <message>
        <source>You may face some sadness in life. You will need to let go of being attached to people.</source>
        <translation>जीवन में आपको कुछ दुःख झेलना पड़ सकता है। आपको लोगों से अपना मोह छोड़ना होगा।</translation>
    </message>
    <message>
        <source>This star gives you good luck and success in whatever you do.</source>
        <translation>यह तारा आपको हर काम में सौभाग्य और सफलता देता है।</translation>
    </message>
    <message>
        <source>This star shows your idealistic, optimistic and positive way of dealing with things.</source>
        <translation>यह तारा चीज़ों को संभालने के आपके आदर्शवादी, आशावादी और सकारात्मक ढंग को दर्शाता है।</translation>
    </message>
    <message>
        <source>You will be prone to looking at the negative part of any situation than looking at the positive side.</source>
        <translation>किसी भी स्थिति में आपकी प्रवृत्ति उसके सकारात्मक पक्ष की बजाय नकारात्मक पक्ष को देखने की होगी।</translation>
    </message>
    <message>
        <source>You have a tendency to day dream and will enjoy poetry and fantasies.</source>
        <translation>आपमें दिवास्वप्न देखने की प्रवृत्ति है और आपको कविता तथा कल्पनाओं में आनंद आएगा।</translation>
    </message>
    <message>
        <source>This is also known as the Dog Star. This shows that you may advance much farther in life than you have expected if you put in the hard work.</source>
        <translation>इसे लुब्धक या श्वान तारा (डॉग स्टार) भी कहा जाता है। यह दर्शाता है कि यदि आप कड़ी मेहनत करें, तो जीवन में अपनी अपेक्षा से कहीं आगे बढ़ सकते हैं।</translation>
    </message>
    <message>
        <source>You will have a love for learning and will be studious. You will succeed in material enterprises.</source>
        <translation>आपको सीखने से प्रेम होगा और आप अध्ययनशील होंगे। भौतिक उद्यमों में आपको सफलता मिलेगी।</translation>
    </message>
    <message>
        <source>This star will make you hasty, jealous and stubborn. It will also give you a sharp and active mind.</source>
        <translation>यह तारा आपको जल्दबाज़, ईर्ष्यालु और ज़िद्दी बनाएगा। साथ ही यह आपको तीक्ष्ण और सक्रिय बुद्धि भी देगा।</translation>
    </message>
    <message>
        <source>This star causes a lot of sickness and problems. It may give you spiritual powers and you will be respected.</source>
        <translation>यह तारा बहुत-सी बीमारियाँ और समस्याएँ लाता है। यह आपको आध्यात्मिक शक्तियाँ दे सकता है और आपको सम्मान मिलेगा।</translation>
    </message>
    <message>
        <source>You will accomplish a lot on life and will be successful and prosperous. But you may also strive to acquire justice through power.</source>
        <translation>आप जीवन में बहुत कुछ हासिल करेंगे और सफल व समृद्ध होंगे। किंतु आप शक्ति के बल पर न्याय पाने का प्रयास भी कर सकते हैं।</translation>
    </message>
    <message>
        <source>You may have artistic abilities. You will be dignified and honorable. You may be tempted to fall into bad company.</source>
        <translation>आपमें कलात्मक प्रतिभा हो सकती है। आप गरिमामय और सम्माननीय होंगे। बुरी संगति का प्रलोभन आपको घेर सकता है।</translation>
    </message>
    <message>
        <source>You may be very aggressive by nature. You may be patient and understanding or selfish and crafty.</source>
        <translation>आप स्वभाव से बहुत आक्रामक हो सकते हैं। आप धैर्यवान और समझदार हो सकते हैं, या फिर स्वार्थी और चालाक।</translation>
    </message>
    <message>
        <source>Raphael</source>
        <translation>राफाएल</translation>
    </message>
    <message>
        <source>Michael</source>
        <translation>मीकाएल</translation>
    </message>
    <message>
        <source>Oriel</source>
        <translation>ओरिएल</translation>
    </message>
    <message>
        <source>Gabriel</source>
        <translation>जिब्राईल</translation>
    </message>
    <message>
        <source>North</source>
        <translation>उत्तर</translation>
    </message>
    <message>
        <source>East</source>
        <translation>पूर्व</translation>
    </message>
    <message>
        <source>West</source>
        <translation>पश्चिम</translation>
    </message>
    <message>
        <source>South</source>
        <translation>दक्षिण</translation>
    </message>
    <message>
        <source>NA</source>
        <translation>उपलब्ध नहीं</translation>
    </message>
    <message>
        <source>Interpretation for this Fixed Star will be included in the next version.</source>
        <translation>इस स्थिर तारे की व्याख्या अगले संस्करण में शामिल की जाएगी।</translation>
    </message>
</context>
<context>
    <name>SkyChart</name>
    <message>
        <source>The picture could not be saved to %1: %2</source>
        <translation>चित्र %1 में सहेजा नहीं जा सका: %2</translation>
    </message>
    <message>
        <source>the size is empty</source>
        <translation>आकार खाली है</translation>
    </message>
    <message>
        <source>the picture is too large</source>
        <translation>चित्र बहुत बड़ा है</translation>
    </message>
    <message>
        <source>the PDF could not be started</source>
        <translation>PDF शुरू नहीं किया जा सका</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Ascendant: %1</source>
        <translation>लग्न: %1</translation>
    </message>
    <message>
        <source>Midheaven: %1</source>
        <translation>दशम भाव (मध्याकाश): %1</translation>
    </message>
    <message>
        <source>The reading&apos;s star, %1: %2</source>
        <translation>पाठ का तारा, %1: %2</translation>
    </message>
    <message>
        <source>Star %1: %2</source>
        <translation>तारा %1: %2</translation>
    </message>
    <message>
        <source>%1, in conjunction with %2</source>
        <translation>%1, %2 के साथ युति में</translation>
    </message>
    <message>
        <source>%1 rises at %2, azimuth %3°</source>
        <translation>%1 %2 बजे उदय होता है, दिगंश %3°</translation>
    </message>
    <message>
        <source>%1 does not rise that day</source>
        <translation>%1 उस दिन उदय नहीं होता</translation>
    </message>
    <message>
        <source>%1 culminates at %2, altitude %3°</source>
        <translation>%1 %2 बजे याम्योत्तर पर चरम पर होता है, उन्नतांश %3°</translation>
    </message>
    <message>
        <source>%1 sets at %2, azimuth %3°</source>
        <translation>%1 %2 बजे अस्त होता है, दिगंश %3°</translation>
    </message>
    <message>
        <source>%1 does not set that day</source>
        <translation>%1 उस दिन अस्त नहीं होता</translation>
    </message>
    <message>
        <source>At the birth, %1: %2 at altitude %3°, azimuth %4°</source>
        <translation>जन्म के समय, %1: %2 उन्नतांश %3° पर, दिगंश %4°</translation>
    </message>
    <message>
        <source>AC</source>
        <comment>the Ascendant on the wheel</comment>
        <translation>लग्न</translation>
    </message>
    <message>
        <source>MC</source>
        <comment>the Midheaven on the wheel</comment>
        <translation>दशम</translation>
    </message>
    <message>
        <source>N</source>
        <comment>north</comment>
        <translation>उ</translation>
    </message>
    <message>
        <source>E</source>
        <comment>east</comment>
        <translation>पू</translation>
    </message>
    <message>
        <source>S</source>
        <comment>south</comment>
        <translation>द</translation>
    </message>
    <message>
        <source>W</source>
        <comment>west</comment>
        <translation>प</translation>
    </message>
    <message>
        <source>rises %1</source>
        <translation>उदय %1</translation>
    </message>
    <message>
        <source>culminates %1</source>
        <translation>चरम %1</translation>
    </message>
    <message>
        <source>sets %1</source>
        <translation>अस्त %1</translation>
    </message>
    <message>
        <source>birth %1</source>
        <translation>जन्म %1</translation>
    </message>
    <message>
        <source>%1 stays above the horizon all day</source>
        <translation>%1 पूरे दिन क्षितिज के ऊपर रहता है</translation>
    </message>
    <message>
        <source>%1 stays below the horizon all day</source>
        <translation>%1 पूरे दिन क्षितिज के नीचे रहता है</translation>
    </message>
    <message>
        <source>The sky over the birthplace on the birth day</source>
        <translation>जन्म के दिन जन्मस्थान के ऊपर का आकाश</translation>
    </message>
    <message>
        <source>The birthplace and the day of birth are needed for the sky over the birthplace.</source>
        <translation>जन्मस्थान के ऊपर के आकाश के लिए जन्मस्थान और जन्म का दिन चाहिए।</translation>
    </message>
    <message>
        <source>The time of birth is needed for the bodies.</source>
        <translation>ग्रहों के लिए जन्म का समय चाहिए।</translation>
    </message>
</context>
<context>
    <name>asterine</name>
    <message>
        <source>Application is already running</source>
        <translation>Asterine पहले से चल रहा है</translation>
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
        <translation>Asterine की यह प्रति SVG चित्र नहीं लिख सकती; चार्ट को PNG के रूप में सहेजें।</translation>
    </message>
</context>
<context>
    <name>asterine::ChartSizeDialog</name>
    <message>
        <source>Size of the PNG Picture</source>
        <translation>PNG चित्र का आकार</translation>
    </message>
    <message>
        <source>Width in pixels</source>
        <translation>चौड़ाई पिक्सेल में</translation>
    </message>
    <message>
        <source>&amp;Width in pixels:</source>
        <translation>चौड़ाई पिक्सेल में(&amp;W):</translation>
    </message>
    <message>
        <source>Height in pixels:</source>
        <translation>ऊँचाई पिक्सेल में:</translation>
    </message>
    <message>
        <source>Height in pixels: %1</source>
        <translation>ऊँचाई पिक्सेल में: %1</translation>
    </message>
</context>
<context>
    <name>asterine::CommandLine</name>
    <message>
        <source>asterine reading: %1 Try “asterine --help”.
</source>
        <translation>asterine reading: %1 “asterine --help” चलाकर देखें।
</translation>
    </message>
    <message>
        <source>asterine reading: “%1” is not an option. Try “asterine --help”.
</source>
        <translation>asterine reading: “%1” कोई विकल्प नहीं है। “asterine --help” चलाकर देखें।
</translation>
    </message>
    <message>
        <source>asterine reading: --%1 is given more than once.
</source>
        <translation>asterine reading: --%1 एक से अधिक बार दिया गया है।
</translation>
    </message>
    <message>
        <source>asterine: “%1” is not a command. Try “asterine --help”.
</source>
        <translation>asterine: “%1” कोई कमांड नहीं है। “asterine --help” चलाकर देखें।
</translation>
    </message>
    <message>
        <source>asterine: standard output cannot be written: %1.
</source>
        <translation>asterine: मानक आउटपुट में नहीं लिखा जा सकता: %1।
</translation>
    </message>
    <message>
        <source>Copyright © 2026 Quorvane Softwares.
License GPLv3+: GNU GPL version 3 or later &lt;https://gnu.org/licenses/gpl.html&gt;.
This is free software: you are free to change and redistribute it.
There is NO WARRANTY, to the extent permitted by law.
</source>
        <translation>Copyright © 2026 Quorvane Softwares.
लाइसेंस GPLv3+: GNU GPL संस्करण 3 या उसके बाद का &lt;https://gnu.org/licenses/gpl.html&gt;।
यह मुक्त सॉफ़्टवेयर है: आप इसे बदलने और आगे बाँटने के लिए स्वतंत्र हैं।
कानून जहाँ तक अनुमति देता है, इसकी कोई वारंटी नहीं है।
</translation>
    </message>
    <message>
        <source>asterine: unknown option “%1”. Try “asterine --help”.
</source>
        <translation>asterine: अज्ञात विकल्प “%1”। “asterine --help” चलाकर देखें।
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
        <translation>उपयोग: asterine [QT-OPTION...]
       asterine reading (--latitude LATITUDE | --place PLACE)
                        (--year YEAR | --date YYYY-MM-DD)
                        [--longitude LONGITUDE] [--name NAME] [--format text|json]
                        [--time HH:MM[:SS] [--zone ZONE] [--offset ±HH:MM]
                        [--dst yes|no]] [--orb DEGREES]
                        [--paran-minutes MINUTES]
                        [--chart FILE.svg|FILE.png [--chart-size PIXELS]]
       asterine --help | --version

कोई कमांड न देने पर Asterine अपनी विंडो खोलता है; Qt के अपने विकल्प, जैसे
-platform और -style, उस पर लागू होते हैं।

reading    किसी अक्षांश और वर्ष का स्थिर तारा फलादेश, जैसा परिणाम फ़ॉर्म
           उसे दिखाता है, बिना विंडो खोले लिखता है
  --latitude LATITUDE     51:30:26N, 51 30 N, 51°30.5′N, N51.5 या -33.87
  --longitude LONGITUDE   0:07:39W, 0 7 39 W, 0°7.65′W, W0.13 या 151.21
  --year YEAR             1900 से 2050
  --date YYYY-MM-DD       जन्म दिन; वर्ष इसी से लिया जाता है
  --name NAME             अक्षर और रिक्त स्थान
  --place PLACE           ऑफ़लाइन एटलस का कोई स्थान, जैसे &quot;Pune&quot; या
                          &quot;London, Canada&quot;; --latitude और --longitude न दिए
                          जाने पर उसके अक्षांश और देशांतर लिए जाते हैं
  --time HH:MM[:SS]       जन्म का घड़ी-समय; इसके लिए --date और समय क्षेत्र चाहिए
  --zone ZONE             वह समय क्षेत्र जिसके अनुसार घड़ियाँ चलती थीं:
                          Europe/Berlin, LMT (देशांतर का स्थानीय माध्य समय) या
                          UTC+05:30; --place के साथ, न दिए जाने पर स्थान का
  --offset ±HH:MM         उस समय लागू UTC से अंतर, समय क्षेत्र के अंतर के ऊपर
  --dst yes|no            डेलाइट सेविंग लागू थी या नहीं, उस समय के लिए जिसे
                          समय क्षेत्र ने छोड़ा या दो बार दिखाया
  --orb DEGREES           युतियों का ऑर्ब, 0 से 10 (डिफ़ॉल्ट 1)
  --paran-minutes MINUTES पैरनों की सहनसीमा, 0 से 60 (डिफ़ॉल्ट 4)
  --chart FILE            जन्म के आकाश का चक्र लिखता है, फ़ाइल के एक्सटेंशन
                          के अनुसार SVG या PNG
  --chart-size PIXELS     उसकी चौड़ाई और ऊँचाई, 200 से 8000 (डिफ़ॉल्ट 1000)
  --format text|json      text (डिफ़ॉल्ट) या एक JSON ऑब्जेक्ट

निकास स्थिति: फलादेश मिलने पर 0, आउटपुट या चार्ट न लिखा जा सकने पर 1, अस्वीकृत
इनपुट या अज्ञात विकल्प पर 2, --place से कोई स्थान न मिलने या एटलस न होने पर 3।
देखें asterine(1)।
</translation>
    </message>
</context>
<context>
    <name>asterine::FileMenu</name>
    <message>
        <source>&amp;File</source>
        <translation>फ़ाइल(&amp;F)</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>बाहर निकलें(&amp;X)</translation>
    </message>
</context>
<context>
    <name>asterine::FrmAbout</name>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website.</source>
        <translation>घर बैठे व्यवसाय का अवसर। अपना इंटरनेट व्यवसाय शुरू करें और ऑनलाइन पैसे कमाएँ। यह सॉफ़्टवेयर पूरी तरह अपनी वेबसाइट के ब्रांड के साथ पाएँ।</translation>
    </message>
    <message>
        <source>Click here for more details</source>
        <translation>अधिक जानकारी के लिए यहाँ क्लिक करें</translation>
    </message>
    <message>
        <source>Click here to visit %1</source>
        <translation>%1 पर जाने के लिए यहाँ क्लिक करें</translation>
    </message>
    <message>
        <source>Copyright © 2026 Quorvane Softwares.
Asterine is free software: you may convey and modify it under the terms of the GNU General Public License, version 3 or any later version. It comes with ABSOLUTELY NO WARRANTY. Choose Licence to read the licence.</source>
        <translation>कॉपीराइट © 2026 Quorvane Softwares।
Asterine एक मुक्त सॉफ़्टवेयर है: आप GNU जनरल पब्लिक लाइसेंस, संस्करण 3 या उसके किसी भी बाद के संस्करण की शर्तों के अंतर्गत इसे वितरित और संशोधित कर सकते हैं। इसके साथ कोई भी वारंटी बिल्कुल नहीं दी जाती। लाइसेंस पढ़ने के लिए “लाइसेंस” चुनें।</translation>
    </message>
    <message>
        <source>Places: GeoNames, CC BY 4.0</source>
        <translation>स्थान: GeoNames, CC BY 4.0</translation>
    </message>
    <message>
        <source>&amp;Licence</source>
        <translation>लाइसेंस(&amp;L)</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>ठीक है(&amp;O)</translation>
    </message>
    <message>
        <source>Stars: the catalogue sefstars.txt of swe-basic-data, CC0-1.0</source>
        <translation>तारे: swe-basic-data की सूची sefstars.txt, CC0-1.0</translation>
    </message>
    <message>
        <source>The sky is worked out with ERFA, BSD-3-Clause</source>
        <translation>आकाश की गणना ERFA से होती है, BSD-3-Clause</translation>
    </message>
</context>
<context>
    <name>asterine::FrmBrowser</name>
    <message>
        <source>The built-in browser is not installed.</source>
        <translation>अंतर्निहित ब्राउज़र इंस्टॉल नहीं है।</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>पीछे</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>आगे</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>रोकें</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>ताज़ा करें</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>मुखपृष्ठ</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>खोजें</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Visit the Quorvane forum at %1</source>
        <translation>%1 पर Quorvane फ़ोरम देखें</translation>
    </message>
    <message>
        <source>Also from Quorvane Softwares: numerology, tarot and more</source>
        <translation>Quorvane Softwares की ओर से और भी: अंक ज्योतिष, टैरो और बहुत कुछ</translation>
    </message>
    <message>
        <source>&amp;Address:</source>
        <translation>पता(&amp;A):</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>पता</translation>
    </message>
    <message>
        <source>Working...</source>
        <translation>काम चल रहा है...</translation>
    </message>
    <message>
        <source>This page stopped working.</source>
        <translation>इस पेज ने काम करना बंद कर दिया।</translation>
    </message>
    <message>
        <source>Refresh loads it again; Home opens the home page.</source>
        <translation>“ताज़ा करें” से पेज फिर से लोड होगा; “मुखपृष्ठ” से होम पेज खुलेगा।</translation>
    </message>
</context>
<context>
    <name>asterine::FrmDisplay</name>
    <message>
        <source>Latin Name</source>
        <translation>लैटिन नाम</translation>
    </message>
    <message>
        <source>Designation</source>
        <translation>पदनाम</translation>
    </message>
    <message>
        <source>Gemstone</source>
        <translation>रत्न</translation>
    </message>
    <message>
        <source>Plant</source>
        <translation>वनस्पति</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>सायन स्थिति</translation>
    </message>
    <message>
        <source>Ruling Planet</source>
        <translation>स्वामी ग्रह</translation>
    </message>
    <message>
        <source>Keywords</source>
        <translation>मुख्य शब्द</translation>
    </message>
    <message>
        <source>Effect</source>
        <translation>प्रभाव</translation>
    </message>
    <message>
        <source>Angel</source>
        <translation>देवदूत</translation>
    </message>
    <message>
        <source>Direction</source>
        <translation>दिशा</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>बाहर निकलें(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>वापस(&amp;B)</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>प्रिंट करें(&amp;P)...</translation>
    </message>
    <message>
        <source>Print Pre&amp;view...</source>
        <translation>प्रिंट पूर्वावलोकन(&amp;V)...</translation>
    </message>
    <message>
        <source>&amp;Export as PDF...</source>
        <translation>PDF के रूप में निर्यात करें(&amp;E)...</translation>
    </message>
    <message>
        <source>&amp;Save as Text...</source>
        <translation>टेक्स्ट के रूप में सहेजें(&amp;S)...</translation>
    </message>
    <message>
        <source>&amp;Copy Reading</source>
        <translation>फलादेश कॉपी करें(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Check for Software Update</source>
        <translation>सॉफ़्टवेयर अपडेट जाँचें(&amp;C)</translation>
    </message>
    <message>
        <source>Asterine Results</source>
        <translation>Asterine परिणाम</translation>
    </message>
    <message>
        <source>Fixed Star</source>
        <translation>स्थिर तारा</translation>
    </message>
    <message>
        <source>Export the Reading as PDF</source>
        <translation>फलादेश को PDF के रूप में निर्यात करें</translation>
    </message>
    <message>
        <source>Save the Reading as Text</source>
        <translation>फलादेश को टेक्स्ट के रूप में सहेजें</translation>
    </message>
    <message>
        <source>PDF documents (*.pdf)</source>
        <translation>PDF दस्तावेज़ (*.pdf)</translation>
    </message>
    <message>
        <source>Text files (*.txt)</source>
        <translation>टेक्स्ट फ़ाइलें (*.txt)</translation>
    </message>
    <message>
        <source>The reading is copied.</source>
        <translation>फलादेश कॉपी हो गया।</translation>
    </message>
    <message>
        <source>Save C&amp;hart...</source>
        <translation>चार्ट सहेजें(&amp;H)...</translation>
    </message>
    <message>
        <source>Wheel</source>
        <translation>चक्र</translation>
    </message>
    <message>
        <source>Horizon</source>
        <translation>क्षितिज</translation>
    </message>
    <message>
        <source>&amp;Copy Chart</source>
        <translation>चार्ट कॉपी करें(&amp;C)</translation>
    </message>
    <message>
        <source>Wheel of the birth&apos;s sky</source>
        <translation>जन्म के आकाश का चक्र</translation>
    </message>
    <message>
        <source>Save the Chart</source>
        <translation>चार्ट सहेजें</translation>
    </message>
    <message>
        <source>SVG pictures (*.svg)</source>
        <translation>SVG चित्र (*.svg)</translation>
    </message>
    <message>
        <source>PNG pictures (*.png)</source>
        <translation>PNG चित्र (*.png)</translation>
    </message>
    <message>
        <source>The chart is copied.</source>
        <translation>चार्ट कॉपी हो गया है।</translation>
    </message>
    <message>
        <source>Ed&amp;it</source>
        <translation>संपादन(&amp;I)</translation>
    </message>
    <message>
        <source>Sky</source>
        <translation>आकाश</translation>
    </message>
    <message>
        <source>Working out the sky…</source>
        <translation>आकाश की गणना हो रही है…</translation>
    </message>
</context>
<context>
    <name>asterine::FrmMain</name>
    <message>
        <source>&amp;Open Person...</source>
        <translation>व्यक्ति खोलें(&amp;O)...</translation>
    </message>
    <message>
        <source>&amp;Save Person</source>
        <translation>व्यक्ति सहेजें(&amp;S)</translation>
    </message>
    <message>
        <source>Open &amp;Recent</source>
        <translation>हाल ही में खोले गए(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Clear Recent</source>
        <translation>हाल की सूची साफ़ करें(&amp;C)</translation>
    </message>
    <message>
        <source>“%1” is saved already. Replace it?</source>
        <translation>“%1” पहले से सहेजा हुआ है। क्या इसे बदल दें?</translation>
    </message>
    <message>
        <source>Get My Fixed Stars Astrology Reading</source>
        <translation>मेरा स्थिर तारा ज्योतिष फलादेश देखें</translation>
    </message>
    <message>
        <source>Check for Software &amp;Update</source>
        <translation>सॉफ़्टवेयर अपडेट जाँचें(&amp;U)</translation>
    </message>
    <message>
        <source>Enter Your Details</source>
        <translation>अपना विवरण दर्ज करें</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>नाम</translation>
    </message>
    <message>
        <source>Month of birth</source>
        <translation>जन्म का महीना</translation>
    </message>
    <message>
        <source>Day of birth</source>
        <translation>जन्म का दिन</translation>
    </message>
    <message>
        <source>Year of birth</source>
        <translation>जन्म का वर्ष</translation>
    </message>
    <message>
        <source>Date of Birth</source>
        <translation>जन्म दिन</translation>
    </message>
    <message>
        <source>Hour</source>
        <translation>घंटा</translation>
    </message>
    <message>
        <source>Minute</source>
        <translation>मिनट</translation>
    </message>
    <message>
        <source>Second</source>
        <translation>सेकंड</translation>
    </message>
    <message>
        <source>Time of Birth</source>
        <translation>जन्म समय</translation>
    </message>
    <message>
        <source>HH:MM:SS</source>
        <translation>HH:MM:SS</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>देशांतर</translation>
    </message>
    <message>
        <source>East</source>
        <translation>पूर्व</translation>
    </message>
    <message>
        <source>West</source>
        <translation>पश्चिम</translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation>अक्षांश</translation>
    </message>
    <message>
        <source>North</source>
        <translation>उत्तर</translation>
    </message>
    <message>
        <source>South</source>
        <translation>दक्षिण</translation>
    </message>
    <message>
        <source>Enter Your Longitude and Latitude Correctly</source>
        <translation>अपना देशांतर और अक्षांश सही-सही दर्ज करें</translation>
    </message>
    <message>
        <source>City</source>
        <translation>शहर</translation>
    </message>
    <message>
        <source>State</source>
        <translation>राज्य</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>देश</translation>
    </message>
    <message>
        <source>Click Here To Find Latitude &amp;&amp; Longitude</source>
        <translation>अक्षांश और देशांतर जानने के लिए यहाँ क्लिक करें</translation>
    </message>
    <message>
        <source>Click Here To Find Latitude &amp; Longitude</source>
        <translation>अक्षांश और देशांतर जानने के लिए यहाँ क्लिक करें</translation>
    </message>
    <message>
        <source>Deg</source>
        <translation>अंश</translation>
    </message>
    <message>
        <source>Min</source>
        <translation>कला</translation>
    </message>
    <message>
        <source>Sec</source>
        <translation>विकला</translation>
    </message>
    <message>
        <source>degrees</source>
        <translation>अंश</translation>
    </message>
    <message>
        <source>minutes</source>
        <translation>कला</translation>
    </message>
    <message>
        <source>seconds</source>
        <translation>विकला</translation>
    </message>
    <message>
        <source>Please Enter City</source>
        <translation>कृपया शहर दर्ज करें</translation>
    </message>
    <message>
        <source>Please Enter State</source>
        <translation>कृपया राज्य दर्ज करें</translation>
    </message>
    <message>
        <source>Please Enter Country</source>
        <translation>कृपया देश दर्ज करें</translation>
    </message>
    <message>
        <source>“%1” is saved.</source>
        <translation>“%1” सहेजा गया।</translation>
    </message>
    <message>
        <source>Time zone of birth</source>
        <translation>जन्म का समय क्षेत्र</translation>
    </message>
    <message>
        <source>Time zones</source>
        <translation>समय क्षेत्र</translation>
    </message>
    <message>
        <source>Time zone</source>
        <translation>समय क्षेत्र</translation>
    </message>
</context>
<context>
    <name>asterine::FrmTellAFriend</name>
    <message>
        <source>Click Here To Visit %1 Now</source>
        <translation>अभी %1 पर जाने के लिए यहाँ क्लिक करें</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>बाहर निकलें(&amp;X)</translation>
    </message>
    <message>
        <source>Refer A Friend</source>
        <translation>मित्र को सुझाएँ</translation>
    </message>
    <message>
        <source>Refer A Friend &amp;Now</source>
        <translation>अभी मित्र को सुझाएँ(&amp;N)</translation>
    </message>
    <message>
        <source>Download Quorvane Softwares</source>
        <translation>Quorvane Softwares डाउनलोड करें</translation>
    </message>
    <message>
        <source>Click Here To Visit Quorvane Softwares</source>
        <translation>Quorvane Softwares पर जाने के लिए यहाँ क्लिक करें</translation>
    </message>
    <message>
        <source>Email Address Cannot Contain Space</source>
        <translation>ईमेल पते में रिक्त स्थान नहीं हो सकता</translation>
    </message>
</context>
<context>
    <name>asterine::HelpMenus</name>
    <message>
        <source>&amp;Help</source>
        <translation>सहायता(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>ऑनलाइन सहायता(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>हमारी वेबसाइट पर आएँ(&amp;V)</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>सॉफ़्टवेयर के बारे में(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <translation>दान करें(&amp;D)</translation>
    </message>
</context>
<context>
    <name>asterine::LicenceWindow</name>
    <message>
        <source>Asterine Licence</source>
        <translation>Asterine लाइसेंस</translation>
    </message>
    <message>
        <source>Licence</source>
        <translation>लाइसेंस</translation>
    </message>
</context>
<context>
    <name>asterine::Links</name>
    <message>
        <source>The desktop could not open this address in a web browser:

%1

Copy the address to the clipboard, to paste it into a browser yourself?</source>
        <translation>डेस्कटॉप इस पते को वेब ब्राउज़र में नहीं खोल सका:

%1

क्या पते को क्लिपबोर्ड पर कॉपी कर दें, ताकि आप उसे स्वयं किसी ब्राउज़र में चिपका सकें?</translation>
    </message>
</context>
<context>
    <name>asterine::PeopleWindow</name>
    <message>
        <source>People</source>
        <translation>व्यक्ति</translation>
    </message>
    <message>
        <source>&amp;Search:</source>
        <translation>खोजें(&amp;S):</translation>
    </message>
    <message>
        <source>Search people by name or place</source>
        <translation>नाम या स्थान से व्यक्ति खोजें</translation>
    </message>
    <message>
        <source>Name or place</source>
        <translation>नाम या स्थान</translation>
    </message>
    <message>
        <source>Date of Birth</source>
        <translation>जन्म दिन</translation>
    </message>
    <message>
        <source>Last Used</source>
        <translation>अंतिम उपयोग</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>खोलें(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>हटाएँ(&amp;D)</translation>
    </message>
    <message>
        <source>&amp;Import...</source>
        <translation>आयात करें(&amp;I)...</translation>
    </message>
    <message>
        <source>Export &amp;All...</source>
        <translation>सभी निर्यात करें(&amp;A)...</translation>
    </message>
    <message>
        <source>Export S&amp;elected...</source>
        <translation>चुने हुए निर्यात करें(&amp;E)...</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>बंद करें(&amp;C)</translation>
    </message>
    <message>
        <source>Remove “%1” from the people Asterine remembers?</source>
        <translation>क्या “%1” को Asterine द्वारा याद रखे गए व्यक्तियों में से हटा दें?</translation>
    </message>
    <message>
        <source>Import People</source>
        <translation>व्यक्ति आयात करें</translation>
    </message>
    <message>
        <source>CSV files (*.csv);;All files (*)</source>
        <translation>CSV फ़ाइलें (*.csv);;सभी फ़ाइलें (*)</translation>
    </message>
    <message>
        <source>“%1” could not be read: %2.</source>
        <translation>“%1” को पढ़ा नहीं जा सका: %2।</translation>
    </message>
    <message>
        <source>Reading “%1”...</source>
        <translation>“%1” पढ़ी जा रही है...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>रद्द करें</translation>
    </message>
    <message>
        <source>Importing “%1”...</source>
        <translation>“%1” आयात की जा रही है...</translation>
    </message>
    <message>
        <source>Export People</source>
        <translation>व्यक्ति निर्यात करें</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>CSV फ़ाइलें (*.csv)</translation>
    </message>
    <message>
        <source>No people are saved yet. To add one, type the details on the main window and choose File, Save Person; or bring people from a CSV file with Import.</source>
        <translation>अभी कोई व्यक्ति सहेजा नहीं गया है। किसी को जोड़ने के लिए मुख्य विंडो में विवरण लिखें और फ़ाइल, व्यक्ति सहेजें चुनें; या आयात करें से किसी CSV फ़ाइल के व्यक्ति ले आएँ।</translation>
    </message>
    <message numerus="yes">
        <source>%n people exported to “%1”.</source>
        <translation>
            <numerusform>%n व्यक्ति “%1” में निर्यात किया गया।</numerusform>
            <numerusform>%n व्यक्ति “%1” में निर्यात किए गए।</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>asterine::PlaceSuggestions</name>
    <message>
        <source>Places</source>
        <translation>स्थान</translation>
    </message>
</context>
<context>
    <name>asterine::Printing</name>
    <message>
        <source>No printer was found. Set one up in the desktop&apos;s printer settings, or choose Export as PDF to save the reading as a file you can print.</source>
        <translation>कोई प्रिंटर नहीं मिला। डेस्कटॉप की प्रिंटर सेटिंग में कोई प्रिंटर जोड़ें, या फलादेश को ऐसी फ़ाइल के रूप में सहेजने के लिए जिसे आप प्रिंट कर सकें, “PDF के रूप में निर्यात करें” चुनें।</translation>
    </message>
    <message>
        <source>Printing is not installed with this copy of Asterine. Export as PDF saves the reading as a file you can print.</source>
        <translation>Asterine की इस प्रति के साथ प्रिंटिंग इंस्टॉल नहीं है। “PDF के रूप में निर्यात करें” फलादेश को ऐसी फ़ाइल के रूप में सहेजता है जिसे आप प्रिंट कर सकते हैं।</translation>
    </message>
</context>
<context>
    <name>asterine::ReadingCommand</name>
    <message>
        <source>asterine reading: the format “%1” is neither text nor json.</source>
        <translation>asterine reading: फ़ॉर्मेट “%1” न text है, न json।</translation>
    </message>
    <message>
        <source>asterine reading: --place names no place.</source>
        <translation>asterine reading: --place में कोई स्थान नहीं दिया गया है।</translation>
    </message>
    <message>
        <source>asterine reading: there is no atlas on this system (Debian&apos;s libgeonames), so --place cannot be looked up.</source>
        <translation>asterine reading: इस सिस्टम पर कोई एटलस (Debian का libgeonames) नहीं है, इसलिए --place का स्थान खोजा नहीं जा सकता।</translation>
    </message>
    <message>
        <source>asterine reading: no place in the atlas matches “%1”.</source>
        <translation>asterine reading: एटलस का कोई भी स्थान “%1” से मेल नहीं खाता।</translation>
    </message>
    <message>
        <source>asterine reading: took %1, the most populous of %2 places that match “%3”; to take another, name its state or country too, as in “%4, %5”.</source>
        <translation>asterine reading: “%3” से मेल खाने वाले %2 स्थानों में से सबसे अधिक आबादी वाला %1 लिया गया; कोई दूसरा स्थान लेने के लिए उसका राज्य या देश भी बताएँ, जैसे “%4, %5”।</translation>
    </message>
    <message>
        <source>asterine reading: the longitude “%1” is neither degrees, minutes and seconds with E or W (73:51:19E) nor decimal degrees (-73.86).</source>
        <translation>asterine reading: देशांतर “%1” न तो E या W सहित अंश, कला और विकला (73:51:19E) में है, न दशमलव अंशों (-73.86) में।</translation>
    </message>
    <message>
        <source>asterine reading: the year “%1” is not one of the years the form offers, %2 to %3.</source>
        <translation>asterine reading: वर्ष “%1” फ़ॉर्म में दिए गए वर्षों (%2 से %3) में से नहीं है।</translation>
    </message>
    <message>
        <source>asterine reading: the date “%1” is not a date written YYYY-MM-DD.</source>
        <translation>asterine reading: दिन “%1” YYYY-MM-DD रूप में लिखा दिन नहीं है।</translation>
    </message>
    <message>
        <source>asterine reading: the year %1 and the date %2 disagree.</source>
        <translation>asterine reading: वर्ष %1 और दिन %2 आपस में मेल नहीं खाते।</translation>
    </message>
    <message>
        <source>asterine reading: give the year of birth (--year) or the date (--date).</source>
        <translation>asterine reading: जन्म का वर्ष (--year) या दिन (--date) दें।</translation>
    </message>
    <message>
        <source>asterine reading: the latitude “%1” is neither degrees, minutes and seconds with N or S (51:30:26N, 51 30 N, 51°30.5′N) nor decimal degrees (-33.87, N51.5).</source>
        <translation>asterine reading: अक्षांश “%1” न तो N या S सहित अंश, कला और विकला (51:30:26N, 51 30 N, 51°30.5′N) में है, न दशमलव अंशों (-33.87, N51.5) में।</translation>
    </message>
    <message>
        <source>asterine reading: %1</source>
        <translation>asterine reading: %1</translation>
    </message>
    <message>
        <source>asterine reading: --time needs the date of birth: give --date too.</source>
        <translation>asterine reading: --time के लिए जन्म की तारीख़ चाहिए: --date भी दें।</translation>
    </message>
    <message>
        <source>asterine reading: the time “%1” is not a time of day written HH:MM or HH:MM:SS, from 00:00 to 23:59:59.</source>
        <translation>asterine reading: समय “%1” HH:MM या HH:MM:SS में लिखा दिन का कोई समय नहीं है (00:00 से 23:59:59)।</translation>
    </message>
    <message>
        <source>asterine reading: --%1 tells the offset of a clock time: give the time of birth (--time) too.</source>
        <translation>asterine reading: --%1 किसी घड़ी-समय का UTC से अंतर बताता है: जन्म का समय (--time) भी दें।</translation>
    </message>
    <message>
        <source>asterine reading: --time needs the zone the clocks kept: give --zone, such as Europe/Berlin, LMT or UTC+05:30.</source>
        <translation>asterine reading: --time के लिए वह समय क्षेत्र चाहिए जिसके अनुसार घड़ियाँ चलती थीं: --zone दें, जैसे Europe/Berlin, LMT या UTC+05:30।</translation>
    </message>
    <message>
        <source>asterine reading: the orb “%1” is not a number of degrees from 0 to 10.</source>
        <translation>asterine reading: ऑर्ब “%1” 0 से 10 तक अंशों की कोई संख्या नहीं है।</translation>
    </message>
    <message>
        <source>asterine reading: the paran tolerance “%1” is not a number of minutes from 0 to 60.</source>
        <translation>asterine reading: पैरन की सहनसीमा “%1” 0 से 60 तक मिनटों की कोई संख्या नहीं है।</translation>
    </message>
    <message>
        <source>asterine reading: --chart-size is the size of the chart: give --chart too.</source>
        <translation>asterine reading: --chart-size चार्ट का आकार है: --chart भी दें।</translation>
    </message>
    <message>
        <source>asterine reading: --chart names no file.</source>
        <translation>asterine reading: --chart में कोई फ़ाइल नहीं दी गई है।</translation>
    </message>
    <message>
        <source>asterine reading: the chart “%1” has no extension: name it .svg or .png.</source>
        <translation>asterine reading: चार्ट “%1” का कोई एक्सटेंशन नहीं है: उसका नाम .svg या .png रखें।</translation>
    </message>
    <message>
        <source>asterine reading: the chart is written as .svg or .png, not as “.%1”.</source>
        <translation>asterine reading: चार्ट .svg या .png के रूप में लिखा जाता है, “.%1” के रूप में नहीं।</translation>
    </message>
    <message>
        <source>asterine reading: the chart size “%1” is not a number of pixels from 200 to 8000.</source>
        <translation>asterine reading: चार्ट का आकार “%1” 200 से 8000 तक पिक्सेल की कोई संख्या नहीं है।</translation>
    </message>
    <message>
        <source>asterine reading: the chart cannot be drawn: the chart module, lib/asterine/asterine_chart.so beside the program&apos;s folder, is missing.</source>
        <translation>asterine reading: चार्ट नहीं बन सकता: चार्ट मॉड्यूल, प्रोग्राम के फ़ोल्डर के पास lib/asterine/asterine_chart.so, मौजूद नहीं है।</translation>
    </message>
    <message>
        <source>asterine reading: %1 Say which with --offset %2 or --offset %3, or with --dst yes or --dst no.</source>
        <translation>asterine reading: %1 --offset %2 या --offset %3 से, या --dst yes या --dst no से बताएँ कि कौन-सा।</translation>
    </message>
    <message>
        <source>asterine reading: --zone LMT is the local mean time of the birthplace&apos;s longitude: give --longitude or --place too.</source>
        <translation>asterine reading: --zone LMT जन्मस्थान के देशांतर का स्थानीय माध्य समय है: --longitude या --place भी दें।</translation>
    </message>
</context>
<context>
    <name>asterine::Referral</name>
    <message>
        <source>Your Name</source>
        <translation>आपका नाम</translation>
    </message>
    <message>
        <source>Your Email Address</source>
        <translation>आपका ईमेल पता</translation>
    </message>
    <message>
        <source>Your Message</source>
        <translation>आपका संदेश</translation>
    </message>
    <message>
        <source>Friend&apos;s Name</source>
        <translation>मित्र का नाम</translation>
    </message>
    <message>
        <source>Friend&apos;s Email Address</source>
        <translation>मित्र का ईमेल पता</translation>
    </message>
    <message>
        <source>Please Enter Distinct Email Addresses</source>
        <translation>कृपया अलग-अलग ईमेल पते दर्ज करें</translation>
    </message>
    <message>
        <source>Please Enter Proper Email Address</source>
        <translation>कृपया सही ईमेल पता दर्ज करें</translation>
    </message>
    <message>
        <source>Please Enter Your Name</source>
        <translation>कृपया अपना नाम दर्ज करें</translation>
    </message>
    <message>
        <source>Please Enter Your Email</source>
        <translation>कृपया अपना ईमेल दर्ज करें</translation>
    </message>
    <message>
        <source>Please Enter Your Message</source>
        <translation>कृपया अपना संदेश दर्ज करें</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Name</source>
        <translation>कृपया अपने मित्र का नाम दर्ज करें</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Email</source>
        <translation>कृपया अपने मित्र का ईमेल दर्ज करें</translation>
    </message>
</context>
<context>
    <name>asterine::UpdatePrompt</name>
    <message>
        <source>There maybe an update to this software available<byte value="xd"/>Do you want to check for an update?</source>
        <translation>इस सॉफ़्टवेयर का कोई अपडेट उपलब्ध हो सकता है<byte value="xd"/>क्या आप अपडेट की जाँच करना चाहते हैं?</translation>
    </message>
</context>
<context>
    <name>asterine::Validation</name>
    <message>
        <source>Please Enter Name</source>
        <translation>कृपया नाम दर्ज करें</translation>
    </message>
    <message>
        <source>Please Enter Degree of Longitude</source>
        <translation>कृपया देशांतर का अंश दर्ज करें</translation>
    </message>
    <message>
        <source>Please Enter Minute of Longitude</source>
        <translation>कृपया देशांतर की कला दर्ज करें</translation>
    </message>
    <message>
        <source>Please Enter Second of Longitude</source>
        <translation>कृपया देशांतर की विकला दर्ज करें</translation>
    </message>
    <message>
        <source>Please Enter Degree of Latitude</source>
        <translation>कृपया अक्षांश का अंश दर्ज करें</translation>
    </message>
    <message>
        <source>Please Enter Minute of Latitude</source>
        <translation>कृपया अक्षांश की कला दर्ज करें</translation>
    </message>
    <message>
        <source>Please Enter Second of Latitude</source>
        <translation>कृपया अक्षांश की विकला दर्ज करें</translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month!</source>
        <translation>कृपया सही दिन या महीना दर्ज करें!</translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month !</source>
        <translation>कृपया सही दिन या महीना दर्ज करें !</translation>
    </message>
    <message>
        <source>Please Enter only Letters</source>
        <translation>कृपया केवल अक्षर दर्ज करें</translation>
    </message>
    <message>
        <source>Only Numbers Are Accepted</source>
        <translation>केवल अंक स्वीकार किए जाते हैं</translation>
    </message>
    <message>
        <source>Please Enter Correct Degree of Latitude</source>
        <translation>कृपया अक्षांश का सही अंश दर्ज करें</translation>
    </message>
    <message>
        <source>Please Enter Correct Minute of Latitude</source>
        <translation>कृपया अक्षांश की सही कला दर्ज करें</translation>
    </message>
</context>
<context>
    <name>birth::Moment</name>
    <message>
        <source>%1 or %2</source>
        <translation>%1 या %2</translation>
    </message>
    <message>
        <source>The clocks of %1 skipped %2 on %3: was it %4?</source>
        <translation>%1 की घड़ियों ने %3 को %2 छोड़ दिया: क्या यह %4 था?</translation>
    </message>
    <message>
        <source>The clocks of %1 showed %2 twice on %3: was it %4?</source>
        <translation>%1 की घड़ियों ने %3 को %2 दो बार दिखाया: क्या यह %4 था?</translation>
    </message>
    <message>
        <source>The time zone %1 gives no reading of this clock time.</source>
        <translation>समय क्षेत्र %1 इस घड़ी-समय का कोई अर्थ नहीं देता।</translation>
    </message>
    <message>
        <source>%1 · %2 UT</source>
        <translation>%1 · %2 UT</translation>
    </message>
    <message>
        <source>The moment of birth needs its date and its time.</source>
        <translation>जन्म के क्षण के लिए उसकी तारीख़ और उसका समय चाहिए।</translation>
    </message>
    <message>
        <source>The longitude %1 is out of range: longitudes run from 180° west to 180° east.</source>
        <translation>देशांतर %1 सीमा से बाहर है: देशांतर 180° पश्चिम से 180° पूर्व तक होते हैं।</translation>
    </message>
    <message>
        <source>Daylight saving was in force in %1 on %2: the clocks showed %3.</source>
        <translation>%1 में %2 को डेलाइट सेविंग लागू था: घड़ियाँ %3 दिखा रही थीं।</translation>
    </message>
    <message>
        <source>Daylight saving was not in force in %1 on %2: the clocks showed %3.</source>
        <translation>%1 में %2 को डेलाइट सेविंग लागू नहीं था: घड़ियाँ %3 दिखा रही थीं।</translation>
    </message>
    <message>
        <source>Daylight saving does not tell %1 apart: give the offset in force.</source>
        <translation>डेलाइट सेविंग से %1 में अंतर नहीं होता: लागू ऑफ़सेट बताइए।</translation>
    </message>
    <message>
        <source>The clocks of %1 kept local mean time then, which needs the birthplace&apos;s longitude.</source>
        <translation>%1 की घड़ियाँ तब स्थानीय माध्य समय पर चलती थीं, जिसके लिए जन्मस्थान का देशांतर चाहिए।</translation>
    </message>
</context>
<context>
    <name>birth::Zone</name>
    <message>
        <source>Unknown time zone %1: give a zone such as Europe/Berlin, LMT or UTC+05:30.</source>
        <translation>अज्ञात समय क्षेत्र %1: Europe/Berlin, LMT या UTC+05:30 जैसा कोई क्षेत्र बताइए।</translation>
    </message>
    <message>
        <source>%1 is not an offset from UTC: write it as +05:30 or -03:00.</source>
        <translation>%1 UTC से कोई ऑफ़सेट नहीं है: इसे +05:30 या -03:00 की तरह लिखिए।</translation>
    </message>
    <message>
        <source>The offset %1 is not a time: its minutes run from 00 to 59.</source>
        <translation>ऑफ़सेट %1 कोई समय नहीं है: उसके मिनट 00 से 59 तक होते हैं।</translation>
    </message>
    <message>
        <source>The offset %1 is out of range: offsets from UTC run from -14:00 to +14:00.</source>
        <translation>ऑफ़सेट %1 सीमा से बाहर है: UTC से ऑफ़सेट -14:00 से +14:00 तक होते हैं।</translation>
    </message>
    <message>
        <source>Local mean time</source>
        <translation>स्थानीय माध्य समय</translation>
    </message>
    <message>
        <source>No time zone was given: give a zone such as Europe/Berlin, LMT or UTC+05:30.</source>
        <translation>कोई समय क्षेत्र नहीं दिया गया: Europe/Berlin, LMT या UTC+05:30 जैसा कोई क्षेत्र बताइए।</translation>
    </message>
    <message>
        <source>The time zone given is too long to be one (%1 characters; a zone&apos;s name has at most %2).</source>
        <translation>दिया गया समय क्षेत्र इतना लंबा है कि वह समय क्षेत्र हो ही नहीं सकता (%1 अक्षर; किसी क्षेत्र के नाम में अधिकतम %2 अक्षर होते हैं)।</translation>
    </message>
    <message>
        <source>The offset given is too long to be one: write it as +05:30 or -03:00.</source>
        <translation>दिया गया ऑफ़सेट इतना लंबा है कि वह ऑफ़सेट हो ही नहीं सकता: इसे +05:30 या -03:00 की तरह लिखिए।</translation>
    </message>
    <message>
        <source>Daylight saving is yes or no, not %1.</source>
        <translation>डेलाइट सेविंग “yes” या “no” होता है, %1 नहीं।</translation>
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
        <translation>Asterine हमारी जन्म कुंडली में उपस्थित स्थिर तारों की गणना करता है। ये तारे हमारे भाग्य के अतिरिक्त सूचक हैं। स्थिर तारे अपनी जगह पर टिके हुए प्रतीत होते हैं और ग्रहों की तरह चलते हुए नहीं दिखते। कहा जाता है कि इन स्थिर तारों की दृष्टि व्यक्ति के मूल स्वभाव को प्रभावित करती है।</translation>
    </message>
    <message>
        <source>Join the Quorvane forum at www.quorvane.com, a free online discussion forum on esoteric subjects. Click here to visit it now!</source>
        <translation>www.quorvane.com पर Quorvane फ़ोरम से जुड़ें, जो गूढ़ विषयों पर एक निःशुल्क ऑनलाइन चर्चा मंच है। अभी वहाँ जाने के लिए यहाँ क्लिक करें!</translation>
    </message>
    <message>
        <source>Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your site&apos;s name &amp;&amp;  link here. See &quot;Help&quot; for details.    Click Here for more info on co-branding.</source>
        <translation>इस सॉफ़्टवेयर को अपनी साइट के लिए को-ब्रांड करें।  अपनी साइट के प्रति निष्ठा और ट्रैफ़िक बढ़ाएँ। अपनी साइट का नाम और लिंक यहाँ लगाएँ। विवरण के लिए “सहायता” देखें।    को-ब्रांडिंग के बारे में अधिक जानकारी के लिए यहाँ क्लिक करें।</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. Click here for more details.</source>
        <translation>घर बैठे व्यवसाय का अवसर। अपना इंटरनेट व्यवसाय शुरू करें और ऑनलाइन पैसे कमाएँ। यह सॉफ़्टवेयर पूरी तरह अपनी वेबसाइट के ब्रांड के साथ पाएँ। अधिक जानकारी के लिए यहाँ क्लिक करें।</translation>
    </message>
    <message>
        <source>Programs like this one can be created and maintained only with your support. The best way to support Quorvane is to visit its forum at www.quorvane.com regularly and take part in the discussions and other activities on the board.</source>
        <translation>ऐसे प्रोग्राम केवल आपके सहयोग से ही बनाए और चलाए जा सकते हैं। Quorvane का सहयोग करने का सबसे अच्छा तरीका है www.quorvane.com पर उसके फ़ोरम पर नियमित रूप से आना और वहाँ की चर्चाओं व अन्य गतिविधियों में भाग लेना।</translation>
    </message>
    <message>
        <source>Please visit the Quorvane forum at www.quorvane.com regularly and support it by taking part in the discussions and other activities. These programs cannot be supported and maintained without your regular visits.</source>
        <translation>कृपया www.quorvane.com पर Quorvane फ़ोरम पर नियमित रूप से आएँ और चर्चाओं व अन्य गतिविधियों में भाग लेकर उसका सहयोग करें। आपके नियमित आगमन के बिना इन प्रोग्रामों को सहयोग देना और चलाते रहना संभव नहीं है।</translation>
    </message>
    <message>
        <source>The Quorvane forum at www.quorvane.com is a free online discussion forum on esoteric subjects. To help develop and maintain this program, please visit it regularly.</source>
        <translation>www.quorvane.com पर Quorvane फ़ोरम गूढ़ विषयों पर एक निःशुल्क ऑनलाइन चर्चा मंच है। इस प्रोग्राम के विकास और रखरखाव में सहायता के लिए कृपया वहाँ नियमित रूप से आएँ।</translation>
    </message>
    <message>
        <source>The Quorvane forum at www.quorvane.com needs your help. Visiting it regularly and taking part in its discussions and activities helps maintain and develop more Quorvane Softwares.</source>
        <translation>www.quorvane.com पर Quorvane फ़ोरम को आपकी सहायता की ज़रूरत है। वहाँ नियमित रूप से आने और उसकी चर्चाओं व गतिविधियों में भाग लेने से Quorvane के और अधिक सॉफ़्टवेयर के रखरखाव और विकास में मदद मिलती है।</translation>
    </message>
    <message>
        <source>If you enjoyed this program, you will like the other Quorvane Softwares too. They cover astrology, psychic matters, tarot, numerology and the occult, and they are simple, fun and informative. Share them with your friends and family!</source>
        <translation>यदि आपको यह प्रोग्राम पसंद आया, तो आपको Quorvane के अन्य सॉफ़्टवेयर भी पसंद आएँगे। वे ज्योतिष, परामनोविज्ञान, टैरो, अंक ज्योतिष और गुह्य विद्या से जुड़े हैं, और सरल, मज़ेदार व ज्ञानवर्धक हैं। इन्हें अपने मित्रों और परिवार के साथ साझा करें!</translation>
    </message>
</context>
<context>
    <name>document::DocumentFile</name>
    <message>
        <source>“%1” could not be saved: %2.</source>
        <translation>“%1” को सहेजा नहीं जा सका: %2।</translation>
    </message>
    <message>
        <source>a folder of that name is in its place</source>
        <translation>उसकी जगह उसी नाम का एक फ़ोल्डर मौजूद है</translation>
    </message>
</context>
<context>
    <name>document::ReadingDocument</name>
    <message>
        <source>Latin Name</source>
        <translation>लैटिन नाम</translation>
    </message>
    <message>
        <source>Designation</source>
        <translation>पदनाम</translation>
    </message>
    <message>
        <source>Gemstone</source>
        <translation>रत्न</translation>
    </message>
    <message>
        <source>Plant</source>
        <translation>वनस्पति</translation>
    </message>
    <message>
        <source>Keywords</source>
        <translation>मुख्य शब्द</translation>
    </message>
    <message>
        <source>Effect</source>
        <translation>प्रभाव</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>सायन स्थिति</translation>
    </message>
    <message>
        <source>Ruling Planet</source>
        <translation>स्वामी ग्रह</translation>
    </message>
    <message>
        <source>Direction</source>
        <translation>दिशा</translation>
    </message>
    <message>
        <source>Angel</source>
        <translation>देवदूत</translation>
    </message>
    <message>
        <source>%1 %2, %3</source>
        <extracomment>A date of birth: %1 the month&apos;s name, %2 the day, %3 the year, in the order and form of the language (&quot;10. Dezember 1815&quot;, &quot;10 de diciembre de 1815&quot;).</extracomment>
        <translation>%2 %1 %3</translation>
    </message>
    <message>
        <source>Asterine Results</source>
        <translation>Asterine परिणाम</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>नाम</translation>
    </message>
    <message>
        <source>Date of Birth</source>
        <translation>जन्म दिन</translation>
    </message>
    <message>
        <source>Time of Birth</source>
        <translation>जन्म समय</translation>
    </message>
    <message>
        <source>Place of Birth</source>
        <translation>जन्म स्थान</translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation>अक्षांश</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>देशांतर</translation>
    </message>
    <message>
        <source>Year for the Catalogue</source>
        <translation>तारा-सूची का वर्ष</translation>
    </message>
    <message>
        <source>Fixed Star</source>
        <translation>स्थिर तारा</translation>
    </message>
    <message>
        <source>Made with Asterine %1 on %2</source>
        <translation>%2 को Asterine %1 से बनाया गया</translation>
    </message>
    <message>
        <source>Reading</source>
        <translation>फलादेश</translation>
    </message>
    <message>
        <source>N</source>
        <comment>north</comment>
        <extracomment>The letter for north after a latitude, as in 51° 30′ 26″ N.</extracomment>
        <translation>उ</translation>
    </message>
    <message>
        <source>S</source>
        <comment>south</comment>
        <extracomment>The letter for south after a latitude, as in 33° 52′ 0″ S.</extracomment>
        <translation>द</translation>
    </message>
    <message>
        <source>E</source>
        <comment>east</comment>
        <extracomment>The letter for east after a longitude, as in 151° 12′ 0″ E.</extracomment>
        <translation>पू</translation>
    </message>
    <message>
        <source>W</source>
        <comment>west</comment>
        <extracomment>The letter for west after a longitude, as in 0° 7′ 39″ W.</extracomment>
        <translation>प</translation>
    </message>
    <message>
        <source>Sky</source>
        <translation>आकाश</translation>
    </message>
</context>
<context>
    <name>document::Sky</name>
    <message>
        <source>Ascendant</source>
        <translation>लग्न</translation>
    </message>
    <message>
        <source>Midheaven</source>
        <translation>दशम भाव (मध्य आकाश)</translation>
    </message>
    <message>
        <source>Descendant</source>
        <translation>सप्तम भाव (अस्त लग्न)</translation>
    </message>
    <message>
        <source>Imum Coeli</source>
        <translation>चतुर्थ भाव (पाताल)</translation>
    </message>
    <message>
        <source>rises</source>
        <extracomment>A paran: the star or body rises.</extracomment>
        <translation>उदय होता है</translation>
    </message>
    <message>
        <source>culminates</source>
        <extracomment>A paran: the star or body culminates (crosses the meridian, highest).</extracomment>
        <translation>शिखर पर होता है</translation>
    </message>
    <message>
        <source>sets</source>
        <translation>अस्त होता है</translation>
    </message>
    <message>
        <source>anti-culminates</source>
        <extracomment>A paran: the star or body crosses the meridian at its lowest.</extracomment>
        <translation>निम्न याम्योत्तर पर होता है</translation>
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
        <translation>परिध्रुवीय: पूरे दिन क्षितिज के ऊपर</translation>
    </message>
    <message>
        <source>Rises and sets</source>
        <translation>उदय और अस्त होता है</translation>
    </message>
    <message>
        <source>Never rises</source>
        <translation>कभी उदय नहीं होता</translation>
    </message>
    <message>
        <source>%1, altitude %2, azimuth %3</source>
        <extracomment>When the star culminates: %1 the time, %2 its altitude, %3 its azimuth.</extracomment>
        <translation>%1, ऊँचाई %2, दिगंश %3</translation>
    </message>
    <message>
        <source>%1, azimuth %2</source>
        <extracomment>When the star rises or sets: %1 the time, %2 the azimuth.</extracomment>
        <translation>%1, दिगंश %2</translation>
    </message>
    <message>
        <source>Not that day: above the horizon all day</source>
        <translation>उस दिन नहीं: पूरे दिन क्षितिज के ऊपर</translation>
    </message>
    <message>
        <source>Not that day: below the horizon all day</source>
        <translation>उस दिन नहीं: पूरे दिन क्षितिज के नीचे</translation>
    </message>
    <message>
        <source>Not that day</source>
        <translation>उस दिन नहीं</translation>
    </message>
    <message>
        <source>Always visible: seen on every night of the year</source>
        <translation>सदा दृश्य: वर्ष की हर रात दिखाई देता है</translation>
    </message>
    <message>
        <source>Never visible: it never rises here</source>
        <translation>कभी दृश्य नहीं: यहाँ यह कभी उदय नहीं होता</translation>
    </message>
    <message>
        <source>Arising and lying hidden: last seen in the evening on %1, seen again in the morning on %2, hidden for %3 nights</source>
        <extracomment>The star&apos;s phase: %1 the day of its heliacal setting, %2 that of its heliacal rising, %3 the number of nights between them.</extracomment>
        <translation>उदित और छिपा हुआ: अंतिम बार %1 की शाम को दिखा, %2 की सुबह फिर दिखा, %3 रातें छिपा रहा</translation>
    </message>
    <message>
        <source>Curtailed passage: seen on every night; from %1 to %2 only on its passage, neither rising nor setting in the dark</source>
        <extracomment>The star&apos;s phase: %1 and %2 the first and last nights on which it is seen neither rising nor setting.</extracomment>
        <translation>संक्षिप्त मार्ग: हर रात दिखाई देता है; %1 से %2 तक केवल अपने मार्ग पर, अँधेरे में न उदय होता है न अस्त</translation>
    </message>
    <message>
        <source>Curtailed passage: seen on every night of the year</source>
        <translation>संक्षिप्त मार्ग: वर्ष की हर रात दिखाई देता है</translation>
    </message>
    <message>
        <source>None: the catalogue gives it no magnitude</source>
        <translation>कोई नहीं: सूची इसका कांतिमान नहीं देती</translation>
    </message>
    <message>
        <source>%1 in the Sky</source>
        <extracomment>The heading of the reading&apos;s star in the real sky: %1 its name.</extracomment>
        <translation>आकाश में %1</translation>
    </message>
    <message>
        <source>The star catalogue has no entry for %1: its place in the sky is not known.</source>
        <translation>तारा सूची में %1 की कोई प्रविष्टि नहीं है: आकाश में इसका स्थान ज्ञात नहीं है।</translation>
    </message>
    <message>
        <source>Its place is that of the middle of %1.</source>
        <translation>इसका स्थान %1 के मध्य का है।</translation>
    </message>
    <message>
        <source>Right Ascension</source>
        <translation>विषुवांश</translation>
    </message>
    <message>
        <source>Declination</source>
        <translation>क्रांति</translation>
    </message>
    <message>
        <source>Ecliptic Longitude</source>
        <translation>भोगांश</translation>
    </message>
    <message>
        <source>Magnitude</source>
        <translation>कांतिमान</translation>
    </message>
    <message>
        <source>not given</source>
        <translation>नहीं दिया गया</translation>
    </message>
    <message>
        <source>Visibility</source>
        <extracomment>How the star stands to the horizon: %1 that, %2 the latitude (&quot;51°30′ N&quot;).</extracomment>
        <translation>दृश्यता</translation>
    </message>
    <message>
        <source>%1 at %2</source>
        <translation>%2 पर %1</translation>
    </message>
    <message>
        <source>Rises</source>
        <translation>उदय</translation>
    </message>
    <message>
        <source>Culminates</source>
        <translation>शिखर</translation>
    </message>
    <message>
        <source>Sets</source>
        <translation>अस्त</translation>
    </message>
    <message>
        <source>At Birth</source>
        <extracomment>Where the star stood at the moment of birth: %1 its altitude, %2 its azimuth.</extracomment>
        <translation>जन्म के समय</translation>
    </message>
    <message>
        <source>altitude %1, azimuth %2</source>
        <translation>ऊँचाई %1, दिगंश %2</translation>
    </message>
    <message>
        <source>Phase in %1</source>
        <translation>%1 में चरण</translation>
    </message>
    <message>
        <source>Bodies at Birth</source>
        <translation>जन्म के समय ग्रह</translation>
    </message>
    <message>
        <source>Conjunctions within %1</source>
        <extracomment>The heading of the stars near a body or an angle: %1 the orb (&quot;1°&quot;).</extracomment>
        <translation>%1 के भीतर युतियाँ</translation>
    </message>
    <message>
        <source>%1 with %2</source>
        <extracomment>A star in conjunction: %1 the star, %2 the body or angle.</extracomment>
        <translation>%2 के साथ %1</translation>
    </message>
    <message>
        <source>orb %1, %2</source>
        <extracomment>%1 the distance in longitude, %2 the star&apos;s place.</extracomment>
        <translation>अंतर %1, %2</translation>
    </message>
    <message>
        <source>No star of the catalogue is within the orb of a body or an angle.</source>
        <translation>सूची का कोई तारा किसी ग्रह या कोण के अंतर के भीतर नहीं है।</translation>
    </message>
    <message>
        <source>More</source>
        <translation>और</translation>
    </message>
    <message>
        <source>%1 wider conjunctions</source>
        <translation>%1 और चौड़ी युतियाँ</translation>
    </message>
    <message>
        <source>Parans within %1 Minutes</source>
        <extracomment>The heading of the parans: %1 the tolerance in minutes.</extracomment>
        <translation>%1 मिनट के भीतर पैरान</translation>
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
        <translation>%1, %2 मिनट के अंतर पर</translation>
    </message>
    <message>
        <source>All Parans of the Day</source>
        <extracomment>How many parans the day holds: %1 all of them, %2 those of the reading&apos;s star %3.</extracomment>
        <translation>दिन के सभी पैरान</translation>
    </message>
    <message>
        <source>%1, of which %2 with %3</source>
        <translation>%1, जिनमें से %2 %3 के साथ</translation>
    </message>
    <message>
        <source>Without the date and the time of birth, the bodies, the angles, the conjunctions and the star at the moment of birth are left out.</source>
        <translation>जन्म की तिथि और समय के बिना ग्रह, कोण, युतियाँ और जन्म के क्षण का तारा छोड़ दिए गए हैं।</translation>
    </message>
    <message>
        <source>Without the zone the birthplace&apos;s clocks kept, the bodies, the angles, the conjunctions, the star at the moment of birth, its day and the parans are left out.</source>
        <translation>जन्मस्थान के समय क्षेत्र के बिना ग्रह, कोण, युतियाँ, जन्म के क्षण का तारा, उसका दिन और पैरान छोड़ दिए गए हैं।</translation>
    </message>
    <message>
        <source>Without the longitude of the birthplace, the Ascendant, the Midheaven, the star&apos;s day and the parans are left out.</source>
        <translation>जन्मस्थान के देशांतर के बिना लग्न, दशम भाव, तारे का दिन और पैरान छोड़ दिए गए हैं।</translation>
    </message>
    <message>
        <source>Without the zone the birthplace&apos;s clocks kept, the star&apos;s day and the parans are left out.</source>
        <translation>जन्मस्थान के समय क्षेत्र के बिना तारे का दिन और पैरान छोड़ दिए गए हैं।</translation>
    </message>
    <message>
        <source>Without the date of birth, the star&apos;s day and the parans are left out.</source>
        <translation>जन्म तिथि के बिना तारे का दिन और पैरान छोड़ दिए गए हैं।</translation>
    </message>
</context>
<context>
    <name>people::Csv</name>
    <message>
        <source>%1 fields, where the header has %2</source>
        <translation>%1 फ़ील्ड, जबकि शीर्ष पंक्ति में %2 फ़ील्ड हैं</translation>
    </message>
    <message>
        <source>the text is not UTF-8 (save the file as UTF-8)</source>
        <translation>टेक्स्ट UTF-8 में नहीं है (फ़ाइल को UTF-8 में सहेजें)</translation>
    </message>
    <message>
        <source>the name is empty</source>
        <translation>नाम ख़ाली है</translation>
    </message>
    <message>
        <source>the date “%1” is not written YYYY-MM-DD</source>
        <translation>दिन “%1” YYYY-MM-DD रूप में नहीं लिखा है</translation>
    </message>
    <message>
        <source>the year %1 is not one from %2 to %3</source>
        <translation>वर्ष %1, %2 से %3 के बीच का नहीं है</translation>
    </message>
    <message>
        <source>“%1” is not a date</source>
        <translation>“%1” कोई दिन नहीं है</translation>
    </message>
    <message>
        <source>%1 %2 %3 is not a date</source>
        <translation>%1 %2 %3 कोई दिन नहीं है</translation>
    </message>
    <message>
        <source>the time “%1” is not HH:MM:SS</source>
        <translation>समय “%1” HH:MM:SS रूप में नहीं है</translation>
    </message>
    <message>
        <source>latitude degrees</source>
        <translation>अक्षांश के अंश</translation>
    </message>
    <message>
        <source>latitude minutes</source>
        <translation>अक्षांश की कला</translation>
    </message>
    <message>
        <source>latitude seconds</source>
        <translation>अक्षांश की विकला</translation>
    </message>
    <message>
        <source>longitude degrees</source>
        <translation>देशांतर के अंश</translation>
    </message>
    <message>
        <source>longitude minutes</source>
        <translation>देशांतर की कला</translation>
    </message>
    <message>
        <source>longitude seconds</source>
        <translation>देशांतर की विकला</translation>
    </message>
    <message>
        <source>the %1 are missing</source>
        <translation>%1 का मान नहीं दिया गया है</translation>
    </message>
    <message>
        <source>%1 “%2” are not a number</source>
        <translation>%1 का मान “%2” संख्या नहीं है</translation>
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
        <translation>अक्षांश की दिशा “%1” न N है, न S</translation>
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
        <translation>देशांतर की दिशा “%1” न E है, न W</translation>
    </message>
    <message>
        <source>“%1” is not a CSV file of people: it is not text.</source>
        <translation>“%1” व्यक्तियों की CSV फ़ाइल नहीं है: यह टेक्स्ट नहीं है।</translation>
    </message>
    <message>
        <source>“%1” is not a CSV file of people: it has no header row.</source>
        <translation>“%1” व्यक्तियों की CSV फ़ाइल नहीं है: इसमें शीर्षक पंक्ति नहीं है।</translation>
    </message>
    <message>
        <source>“%1” is not a CSV file of people: its first line is not the header “%2”.</source>
        <translation>“%1” व्यक्तियों की CSV फ़ाइल नहीं है: इसकी पहली पंक्ति शीर्षक “%2” नहीं है।</translation>
    </message>
    <message>
        <source>a quoted field is not closed, or goes on after its closing quote</source>
        <translation>उद्धरण चिह्न में लिखा कोई फ़ील्ड बंद नहीं हुआ है, या समापन उद्धरण चिह्न के बाद भी जारी है</translation>
    </message>
    <message>
        <source>the name “%1” is also on line %2</source>
        <translation>नाम “%1” पंक्ति %2 पर भी है</translation>
    </message>
    <message>
        <source>%1 “%2” are longer than 3 digits</source>
        <translation>%1 का मान “%2” 3 अंकों से लंबा है</translation>
    </message>
</context>
<context>
    <name>people::PeopleImport</name>
    <message numerus="yes">
        <source>%n of the people in “%1” are saved already: %2.

Replace them? No keeps the saved ones; Cancel imports nobody.</source>
        <translation>
            <numerusform>“%1” का %n व्यक्ति पहले से सहेजा हुआ है: %2।

क्या उसे बदल दें? “नहीं” (No) चुनने पर सहेजा हुआ व्यक्ति ही रहेगा; “रद्द करें” (Cancel) चुनने पर किसी का आयात नहीं होगा।</numerusform>
            <numerusform>“%1” के %n व्यक्ति पहले से सहेजे हुए हैं: %2।

क्या उन्हें बदल दें? “नहीं” (No) चुनने पर सहेजे हुए व्यक्ति ही रहेंगे; “रद्द करें” (Cancel) चुनने पर किसी का आयात नहीं होगा।</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n people imported from “%1”.</source>
        <translation>
            <numerusform>“%1” से %n व्यक्ति आयात किया गया।</numerusform>
            <numerusform>“%1” से %n व्यक्ति आयात किए गए।</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n rows could not be imported:</source>
        <translation>
            <numerusform>%n पंक्ति आयात नहीं की जा सकी:</numerusform>
            <numerusform>%n पंक्तियाँ आयात नहीं की जा सकीं:</numerusform>
        </translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>पंक्ति %1: %2</translation>
    </message>
    <message numerus="yes">
        <source>and %n more.</source>
        <translation>
            <numerusform>और %n अन्य।</numerusform>
            <numerusform>और %n अन्य।</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>and %n more</source>
        <translation>
            <numerusform>और %n अन्य</numerusform>
            <numerusform>और %n अन्य</numerusform>
        </translation>
    </message>
    <message>
        <source>These columns are not of a person and were passed over: %1.</source>
        <translation>ये स्तंभ किसी व्यक्ति के नहीं हैं और छोड़ दिए गए: %1।</translation>
    </message>
</context>
<context>
    <name>people::PeopleModel</name>
    <message>
        <source>Name</source>
        <translation>नाम</translation>
    </message>
    <message>
        <source>Date of Birth</source>
        <translation>जन्म दिन</translation>
    </message>
    <message>
        <source>Place of Birth</source>
        <translation>जन्म स्थान</translation>
    </message>
    <message>
        <source>Last Used</source>
        <translation>अंतिम उपयोग</translation>
    </message>
</context>
<context>
    <name>people::PeopleStore</name>
    <message>
        <source>the file or its folder cannot be written to</source>
        <translation>फ़ाइल या उसके फ़ोल्डर में लिखा नहीं जा सकता</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>डिस्क भरी हुई है</translation>
    </message>
    <message>
        <source>the file cannot be opened or made there</source>
        <translation>फ़ाइल वहाँ खोली या बनाई नहीं जा सकती</translation>
    </message>
    <message>
        <source>The people could not be kept in “%1”: %2.</source>
        <translation>व्यक्तियों को “%1” में संग्रहीत नहीं किया जा सका: %2।</translation>
    </message>
    <message>
        <source>its folder cannot be made</source>
        <translation>इसका फ़ोल्डर नहीं बनाया जा सकता</translation>
    </message>
    <message>
        <source>it cannot be read</source>
        <translation>इसे पढ़ा नहीं जा सकता</translation>
    </message>
    <message>
        <source>it is not an SQLite database, or a damaged one: %1</source>
        <translation>यह SQLite डेटाबेस नहीं है, या क्षतिग्रस्त है: %1</translation>
    </message>
    <message>
        <source>it was made by a newer version of Asterine, which this one cannot use</source>
        <translation>इसे Asterine के नए संस्करण ने बनाया है, जिसे यह संस्करण इस्तेमाल नहीं कर सकता</translation>
    </message>
    <message>
        <source>it holds the tables of another program</source>
        <translation>इसमें किसी अन्य प्रोग्राम की तालिकाएँ हैं</translation>
    </message>
    <message>
        <source>it could not be brought up to date: %1</source>
        <translation>इसे अद्यतन नहीं किया जा सका: %1</translation>
    </message>
    <message>
        <source>its table of people is not the one Asterine keeps</source>
        <translation>इसकी व्यक्तियों की तालिका वैसी नहीं है जैसी Asterine रखता है</translation>
    </message>
    <message>
        <source>“%1” is not a store of people that Asterine can use (%2). It is kept, unchanged, as “%3”, and a new, empty store takes its place.</source>
        <translation>“%1” व्यक्तियों का ऐसा भंडार नहीं है जिसका Asterine उपयोग कर सके (%2)। इसे बिना बदले “%3” के रूप में रख दिया गया है, और इसकी जगह एक नया, ख़ाली भंडार बनाया गया है।</translation>
    </message>
    <message>
        <source>“%1” is not a store of people that Asterine can use (%2), and it cannot be set aside; it is left as it is, and no people can be kept until it is moved.</source>
        <translation>“%1” व्यक्तियों का ऐसा भंडार नहीं है जिसका Asterine उपयोग कर सके (%2), और इसे अलग नहीं रखा जा सकता; इसे जैसा है वैसा ही छोड़ दिया गया है, और जब तक इसे कहीं और न ले जाया जाए, तब तक किसी व्यक्ति को संग्रहीत नहीं किया जा सकता।</translation>
    </message>
    <message>
        <source>it cannot be opened</source>
        <translation>इसे खोला नहीं जा सकता</translation>
    </message>
    <message>
        <source>the save was cancelled</source>
        <translation>सहेजना रद्द कर दिया गया</translation>
    </message>
    <message>
        <source>another program is using it; try again when it is done</source>
        <translation>कोई दूसरा प्रोग्राम इसे इस्तेमाल कर रहा है; उसके समाप्त होने पर फिर से कोशिश करें</translation>
    </message>
</context>
<context>
    <name>people::PersonRules</name>
    <message>
        <source>the name is longer than the %L1 characters the Name box takes</source>
        <translation>नाम उन %L1 अक्षरों से लंबा है जितने नाम बॉक्स में आते हैं</translation>
    </message>
    <message>
        <source>the name has “%1” (%2), which the Name box does not take</source>
        <translation>नाम में “%1” (%2) है, जिसे नाम बॉक्स स्वीकार नहीं करता</translation>
    </message>
    <message>
        <source>the name has the character %1, which the Name box does not take</source>
        <translation>नाम में वर्ण %1 है, जिसे नाम बॉक्स स्वीकार नहीं करता</translation>
    </message>
</context>
<context>
    <name>skynames::SkyNames</name>
    <message>
        <source>Aries</source>
        <translation>मेष</translation>
    </message>
    <message>
        <source>Taurus</source>
        <translation>वृषभ</translation>
    </message>
    <message>
        <source>Gemini</source>
        <translation>मिथुन</translation>
    </message>
    <message>
        <source>Cancer</source>
        <translation>कर्क</translation>
    </message>
    <message>
        <source>Leo</source>
        <translation>सिंह</translation>
    </message>
    <message>
        <source>Virgo</source>
        <translation>कन्या</translation>
    </message>
    <message>
        <source>Libra</source>
        <translation>तुला</translation>
    </message>
    <message>
        <source>Scorpio</source>
        <translation>वृश्चिक</translation>
    </message>
    <message>
        <source>Sagittarius</source>
        <translation>धनु</translation>
    </message>
    <message>
        <source>Capricorn</source>
        <translation>मकर</translation>
    </message>
    <message>
        <source>Aquarius</source>
        <translation>कुंभ</translation>
    </message>
    <message>
        <source>Pisces</source>
        <translation>मीन</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>सूर्य</translation>
    </message>
    <message>
        <source>Moon</source>
        <translation>चंद्रमा</translation>
    </message>
    <message>
        <source>Mercury</source>
        <translation>बुध</translation>
    </message>
    <message>
        <source>Venus</source>
        <translation>शुक्र</translation>
    </message>
    <message>
        <source>Mars</source>
        <translation>मंगल</translation>
    </message>
    <message>
        <source>Jupiter</source>
        <translation>बृहस्पति</translation>
    </message>
    <message>
        <source>Saturn</source>
        <translation>शनि</translation>
    </message>
    <message>
        <source>Uranus</source>
        <translation>अरुण</translation>
    </message>
    <message>
        <source>Neptune</source>
        <translation>वरुण</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>sign and degree</comment>
        <extracomment>A place in the zodiac: %1 the sign, %2 its degrees and minutes (&quot;Leo 29°50′&quot;).</extracomment>
        <translation>%1 %2</translation>
    </message>
</context>
</TS>
