#include "trame_options.h"

#include "exercise_set.h"

#include <QCommandLineParser>
#include <QFileInfo>
#include <algorithm>
#include <array>
#include <cmath>
#include <optional>
#include <utility>

namespace quarnel::trame {

namespace {

// One table gives the parser its options and the help its lines.
struct OptionSpec {
    const char* name;
    const char* valueName; // empty for a switch
    const char* help;
};

constexpr std::array kOptions{
    OptionSpec{"debit", "N", "débit en bit/s, de 1 à 10000000 (19200)"},
    OptionSpec{"donnees", "N", "bits de données, de 5 à 9 (8)"},
    OptionSpec{"parite", "P", "paire, impaire, aucune, marque ou espace (paire)"},
    OptionSpec{"stop", "N", "bits de stop : 1, 1.5 ou 2 (1)"},
    OptionSpec{"ordre", "O", "ordre des bits : lsb (poids faible d'abord) ou msb (lsb)"},
    OptionSpec{"niveaux", "L", "niveaux de la ligne : rs232, ttl ou ttl-inverse (rs232)"},
    OptionSpec{"tension", "V", "tension RS-232 de 3 à 25 V, ou niveau haut TTL 5 ou 3.3 (5)"},
    OptionSpec{"encodage", "E", "encodage du texte : utf-8, latin1 ou ascii (utf-8)"},
    OptionSpec{"hex", "", "le texte est une suite de valeurs hexadécimales (« 41 0D 0A »)"},
    OptionSpec{"pause", "N", "temps de repos entre deux trames, en bits, de 0 à 1000 (0)"},
    OptionSpec{"frequence", "HZ", "échantillons par seconde du CSV (100 par bit)"},
    OptionSpec{"debut-a-droite", "", "dessine le début de la trame à droite, comme la fenêtre"},
    OptionSpec{"format", "F", "svg, pdf, png, vcd, csv, csv-fr ou json (selon l'extension, sinon vcd)"},
    OptionSpec{"recepteur", "N", "débit du récepteur en bit/s (celui de l'émetteur)"},
    OptionSpec{"ecart", "P", "écart du débit du récepteur en %, de -50 à +50 (0)"},
    OptionSpec{"verdict", "", "écrit ce que le récepteur lit, une ligne par trame"},
    OptionSpec{"tolerance", "", "écrit l'écart de débit que le format supporte"},
    OptionSpec{"inverser", "N,M", "bits envoyés inversés : 0 à 8 (données) ou P (parité)"},
    OptionSpec{"trame", "K", "numéro de la trame qui porte les erreurs (toutes)"},
    OptionSpec{"stop-faux", "", "envoie le bit de stop à l'espace (0)"},
    OptionSpec{"pause-ligne", "N", "après la dernière trame, ligne tenue à l'espace (break), en bits, de 1 à 1000"},
    OptionSpec{"exercice", "N", "écrit une feuille de N exercices (PDF), de 1 à 100"},
    OptionSpec{"graine", "S", "graine de la feuille d'exercices : la même graine donne la même feuille"},
    OptionSpec{"formats", "LISTE", "formats des exercices, comme 8E1,7O2,8N1.5 (8E1)"},
};

QString helpText() {
    QString text = QStringLiteral(
        "Usage : quarnel-trame [options] TEXTE\n"
        "        quarnel-trame --tolerance [options]\n"
        "        quarnel-trame --exercice N [options] -o FEUILLE.pdf\n"
        "Écrit les trames série d'un texte : document (SVG, PDF, PNG) ou fichier pour les\n"
        "analyseurs logiques (VCD), les tableurs (CSV) et WaveDrom (JSON).\n"
        "TEXTE vaut - pour lire l'entrée standard.\n\n"
        "Options :\n");
    const auto line = [&](const QString& left, const QString& help) {
        text += QStringLiteral("  %1 %2\n").arg(left, -24).arg(help);
    };
    line(QStringLiteral("-o FICHIER"), QStringLiteral("fichier à écrire, - pour la sortie standard (-)"));
    for (const OptionSpec& option : kOptions) {
        QString left = QStringLiteral("--") + QLatin1String(option.name);
        if (*option.valueName)
            left += QLatin1Char(' ') + QLatin1String(option.valueName);
        line(left, QString::fromUtf8(option.help));
    }
    line(QStringLiteral("-h, --help"), QStringLiteral("affiche cette aide"));
    line(QStringLiteral("--version"), QStringLiteral("affiche la version"));
    text += QStringLiteral("\nCode de sortie : 0 si tout va bien, 1 pour une entrée incorrecte,\n"
                           "2 pour une ligne de commande incorrecte.\n");
    return text;
}

// An option's value that is not one the option accepts.
struct BadValue {
    QString message;
};

QString quoted(const QString& text) {
    return QStringLiteral("« %1 »").arg(text);
}

template <typename Value>
Value choice(const QString& option, const QString& given,
             std::initializer_list<std::pair<const char*, Value>> choices) {
    QStringList names;
    for (const auto& [name, value] : choices) {
        if (given == QLatin1String(name))
            return value;
        names << QLatin1String(name);
    }
    throw BadValue{QStringLiteral("--%1 : valeur %2 inconnue ; valeurs possibles : %3")
                       .arg(option, quoted(given), names.join(QStringLiteral(", ")))};
}

std::uint64_t wholeNumber(const QString& option, const QString& given, std::uint64_t least,
                          std::uint64_t most, const QString& what) {
    bool ok = false;
    const qlonglong value = given.toLongLong(&ok);
    if (!ok)
        throw BadValue{QStringLiteral("--%1 : %2 n'est pas un nombre entier (%3)")
                           .arg(option, quoted(given), what)};
    if (value < static_cast<qlonglong>(least) || static_cast<std::uint64_t>(value) > most)
        throw BadValue{QStringLiteral("--%1 : %2 est hors limites (%3)")
                           .arg(option, quoted(given), what)};
    return static_cast<std::uint64_t>(value);
}

// A decimal number, with a point or a comma.
std::optional<double> decimal(QString given) {
    given.replace(QLatin1Char(','), QLatin1Char('.'));
    bool ok = false;
    const double value = given.toDouble(&ok);
    return ok ? std::optional(value) : std::nullopt;
}

frame::LineLevels lineLevels(const QCommandLineParser& parser) {
    frame::LineLevels levels;
    if (parser.isSet(QStringLiteral("niveaux")))
        levels.kind = choice<frame::LevelKind>(QStringLiteral("niveaux"), parser.value(QStringLiteral("niveaux")),
                                               {{"rs232", frame::LevelKind::Rs232},
                                                {"ttl", frame::LevelKind::Ttl},
                                                {"ttl-inverse", frame::LevelKind::TtlInverted}});
    if (!parser.isSet(QStringLiteral("tension")))
        return levels;
    const QString given = parser.value(QStringLiteral("tension"));
    const auto volts = decimal(given);
    if (levels.kind == frame::LevelKind::Rs232) {
        if (!volts || *volts < 3.0 || *volts > 25.0)
            throw BadValue{QStringLiteral("--tension : %1 ne convient pas ; une tension RS-232 va de 3 à 25 V")
                               .arg(quoted(given))};
    } else if (!volts || (*volts != 5.0 && *volts != 3.3)) {
        throw BadValue{QStringLiteral("--tension : %1 ne convient pas ; le niveau haut TTL vaut 5 ou 3.3 V")
                           .arg(quoted(given))};
    }
    levels.volts = *volts;
    return levels;
}

std::optional<OutputKind> kindNamed(const QString& name) {
    static const std::pair<const char*, OutputKind> kinds[] = {
        {"svg", OutputKind::Svg},        {"pdf", OutputKind::Pdf}, {"png", OutputKind::Png},
        {"vcd", OutputKind::Vcd},        {"csv", OutputKind::Csv}, {"csv-fr", OutputKind::CsvFrench},
        {"json", OutputKind::WaveJson},
    };
    for (const auto& [text, kind] : kinds)
        if (name == QLatin1String(text))
            return kind;
    return std::nullopt;
}

OutputKind outputKind(const QCommandLineParser& parser, const QString& path) {
    if (parser.isSet(QStringLiteral("format"))) {
        const QString name = parser.value(QStringLiteral("format"));
        if (const auto kind = kindNamed(name))
            return *kind;
        throw BadValue{QStringLiteral("--format : valeur %1 inconnue ; valeurs possibles : "
                                      "svg, pdf, png, vcd, csv, csv-fr, json")
                           .arg(quoted(name))};
    }
    const QString suffix = path == QLatin1String("-") ? QString() : QFileInfo(path).suffix().toLower();
    if (suffix.isEmpty())
        return OutputKind::Vcd;
    if (const auto kind = kindNamed(suffix))
        return *kind;
    throw BadValue{QStringLiteral("-o : l'extension %1 ne dit pas quel format écrire ; "
                                  "choisissez-le avec --format")
                       .arg(quoted(QLatin1Char('.') + suffix))};
}

// "+3", "-2,5", "4 %": a mismatch in hundredths of a percent.
int mismatchHundredths(const QString& given) {
    QString text = given.trimmed();
    if (text.endsWith(QLatin1Char('%')))
        text = text.chopped(1).trimmed();
    const auto percent = decimal(text);
    const double hundredths = percent ? *percent * 100 : 0;
    if (!percent || !std::isfinite(hundredths) || std::abs(hundredths - std::round(hundredths)) > 1e-6)
        throw BadValue{QStringLiteral("--ecart : %1 n'est pas un écart en %, comme 3, -2,5 ou +4 % "
                                      "(deux décimales au plus)")
                           .arg(quoted(given))};
    if (std::abs(*percent) > kMaxMismatchPercent)
        throw BadValue{QStringLiteral("--ecart : %1 est hors limites (de -50 à +50 %)").arg(quoted(given))};
    return static_cast<int>(std::lround(hundredths));
}

std::optional<frame::ReceiverRate> receiverRate(const QCommandLineParser& parser, std::uint32_t senderRate) {
    const bool byRate = parser.isSet(QStringLiteral("recepteur"));
    const bool byMismatch = parser.isSet(QStringLiteral("ecart"));
    if (byRate && byMismatch)
        throw BadValue{QStringLiteral("--recepteur et --ecart disent tous deux le débit du récepteur : "
                                      "donnez l'un ou l'autre")};
    if (byMismatch)
        return frame::ReceiverRate::fromMismatch(senderRate, mismatchHundredths(parser.value(QStringLiteral("ecart"))));
    if (!byRate)
        return std::nullopt;
    const QString given = parser.value(QStringLiteral("recepteur"));
    const std::uint64_t rate = wholeNumber(QStringLiteral("recepteur"), given, 1, frame::kMaxBitRate,
                                           QStringLiteral("débit en bit/s de 1 à 10000000"));
    if (2 * rate < senderRate || 2 * rate > 3 * std::uint64_t{senderRate})
        throw BadValue{QStringLiteral("--recepteur : %1 bit/s s'écarte de plus de 50 % du débit de "
                                      "l'émetteur (%2 bit/s)")
                           .arg(rate)
                           .arg(senderRate)};
    return frame::ReceiverRate{rate, 1};
}

// "3,P": data bits by weight and the parity bit, sent flipped.
void flippedBits(const QString& given, const frame::FrameFormat& format, frame::FrameFaults& faults) {
    const bool hasParity = format.parity != frame::Parity::None;
    const QString bits = QStringLiteral("une trame de %1 bits de données a les bits 0 à %2%3")
                             .arg(format.dataBits)
                             .arg(format.dataBits - 1)
                             .arg(hasParity ? QStringLiteral(" et P") : QString());
    for (const QString& word : given.split(QLatin1Char(','))) {
        const QString bit = word.trimmed();
        if (bit.compare(QLatin1String("P"), Qt::CaseInsensitive) == 0) {
            if (!hasParity)
                throw BadValue{QStringLiteral("--inverser : la trame n'a pas de bit de parité (--parite aucune)")};
            faults.flippedParity = true;
            continue;
        }
        bool ok = false;
        const int weight = bit.toInt(&ok);
        if (!ok || weight < 0 || weight >= format.dataBits)
            throw BadValue{QStringLiteral("--inverser : le bit %1 n'existe pas ; %2").arg(quoted(bit), bits)};
        faults.flippedData = static_cast<std::uint16_t>(faults.flippedData | (1u << weight));
    }
}

void faultsFrom(const QCommandLineParser& parser, TrameRequest& request) {
    frame::LineTiming& timing = request.timing;
    if (parser.isSet(QStringLiteral("inverser")))
        flippedBits(parser.value(QStringLiteral("inverser")), request.format, timing.faults);
    timing.faults.falseStop = parser.isSet(QStringLiteral("stop-faux"));
    if (parser.isSet(QStringLiteral("trame"))) {
        if (!timing.faults.any())
            throw BadValue{QStringLiteral("--trame dit quelle trame porte les erreurs : donnez aussi "
                                          "--inverser ou --stop-faux")};
        timing.faultyFrame = wholeNumber(QStringLiteral("trame"), parser.value(QStringLiteral("trame")), 1,
                                         1'000'000'000, QStringLiteral("numéro de trame à partir de 1")) -
                             1;
    }
    if (parser.isSet(QStringLiteral("pause-ligne")))
        timing.breakBits = static_cast<std::uint32_t>(
            wholeNumber(QStringLiteral("pause-ligne"), parser.value(QStringLiteral("pause-ligne")), 1,
                        frame::kMaxBreak, QStringLiteral("de 1 à 1000 temps de bit")));
}

// "8E1", "7O2", "8N1.5": data bits, parity letter, stop bits.
frame::FrameFormat exerciseFormat(const QString& given, const frame::FrameFormat& base) {
    frame::FrameFormat format = base;
    const QString word = given.trimmed().toUpper();
    const QString stop = word.mid(2);
    const auto bad = [&] {
        return BadValue{QStringLiteral("--formats : %1 n'est pas un format comme 8E1, 7O2 ou 8N1.5 "
                                       "(bits de données 5 à 9 ; parité N, E, O, M ou S ; stop 1, 1.5 ou 2)")
                            .arg(quoted(given.trimmed()))};
    };
    if (word.size() < 3 || word[0] < QLatin1Char('5') || word[0] > QLatin1Char('9'))
        throw bad();
    format.dataBits = word[0].digitValue();
    static const std::pair<char, frame::Parity> parities[] = {
        {'N', frame::Parity::None}, {'E', frame::Parity::Even}, {'O', frame::Parity::Odd},
        {'M', frame::Parity::Mark}, {'S', frame::Parity::Space}};
    const auto parity = std::find_if(std::begin(parities), std::end(parities),
                                     [&](const auto& p) { return word[1] == QLatin1Char(p.first); });
    if (parity == std::end(parities))
        throw bad();
    format.parity = parity->second;
    if (stop == QLatin1String("1"))
        format.stopHalfBits = 2;
    else if (stop == QLatin1String("1.5") || stop == QLatin1String("1,5"))
        format.stopHalfBits = 3;
    else if (stop == QLatin1String("2"))
        format.stopHalfBits = 4;
    else
        throw bad();
    return format;
}

void exercisesFrom(const QCommandLineParser& parser, TrameRequest& request) {
    ExerciseRequest& exercises = request.exercises;
    const bool seed = parser.isSet(QStringLiteral("graine"));
    const bool formats = parser.isSet(QStringLiteral("formats"));
    if (!parser.isSet(QStringLiteral("exercice"))) {
        if (seed || formats)
            throw BadValue{QStringLiteral("--%1 va avec --exercice N").arg(seed ? QStringLiteral("graine")
                                                                                : QStringLiteral("formats"))};
        return;
    }
    request.task = TrameRequest::Task::Exercises;
    exercises.count = static_cast<int>(wholeNumber(QStringLiteral("exercice"), parser.value(QStringLiteral("exercice")),
                                                   1, kMaxExercises, QStringLiteral("de 1 à 100 exercices")));
    if (seed) {
        const QString given = parser.value(QStringLiteral("graine"));
        bool ok = false;
        const qulonglong value = given.toULongLong(&ok);
        if (!ok)
            throw BadValue{QStringLiteral("--graine : %1 n'est pas un nombre entier (de 0 à 18446744073709551615)")
                               .arg(quoted(given))};
        exercises.seed = value;
    }
    if (formats) {
        for (const QString& word : parser.value(QStringLiteral("formats")).split(QLatin1Char(','))) {
            exercises.formats.push_back(exerciseFormat(word, request.format));
            if (exercises.formats.back().dataBits < frame::kExerciseMinDataBits)
                throw BadValue{QStringLiteral("--formats : %1 a %2 bits de données ; les lettres a à w "
                                              "(0x61 à 0x77) en demandent au moins 7")
                                   .arg(quoted(word.trimmed()))
                                   .arg(exercises.formats.back().dataBits)};
        }
    } else {
        if (request.format.dataBits < frame::kExerciseMinDataBits)
            throw BadValue{QStringLiteral("--exercice : %1 bits de données ne suffisent pas ; les lettres a à w "
                                          "(0x61 à 0x77) en demandent au moins 7")
                               .arg(request.format.dataBits)};
        exercises.formats.push_back(request.format);
    }
}

TrameRequest requestFrom(const QCommandLineParser& parser) {
    TrameRequest request;
    frame::FrameFormat& format = request.format;
    const auto value = [&](const char* name) { return parser.value(QLatin1String(name)); };
    const auto isSet = [&](const char* name) { return parser.isSet(QLatin1String(name)); };
    if (isSet("debit"))
        format.bitRate = static_cast<std::uint32_t>(
            wholeNumber(QStringLiteral("debit"), value("debit"), 1, frame::kMaxBitRate,
                        QStringLiteral("débit en bit/s de 1 à 10000000")));
    if (isSet("donnees"))
        format.dataBits = static_cast<int>(wholeNumber(QStringLiteral("donnees"), value("donnees"),
                                                       frame::kMinDataBits, frame::kMaxDataBits,
                                                       QStringLiteral("de 5 à 9 bits de données")));
    if (isSet("parite"))
        format.parity = choice<frame::Parity>(QStringLiteral("parite"), value("parite"),
                                              {{"paire", frame::Parity::Even},
                                               {"impaire", frame::Parity::Odd},
                                               {"aucune", frame::Parity::None},
                                               {"marque", frame::Parity::Mark},
                                               {"espace", frame::Parity::Space}});
    if (isSet("stop"))
        format.stopHalfBits = choice<int>(QStringLiteral("stop"), value("stop"),
                                          {{"1", 2}, {"1.5", 3}, {"1,5", 3}, {"2", 4}});
    if (isSet("ordre"))
        format.order = choice<frame::BitOrder>(QStringLiteral("ordre"), value("ordre"),
                                               {{"lsb", frame::BitOrder::LsbFirst},
                                                {"msb", frame::BitOrder::MsbFirst}});
    format.levels = lineLevels(parser);
    if (isSet("encodage"))
        request.encoding = choice<frame::TextEncoding>(QStringLiteral("encodage"), value("encodage"),
                                                       {{"utf-8", frame::TextEncoding::Utf8},
                                                        {"latin1", frame::TextEncoding::Latin1},
                                                        {"ascii", frame::TextEncoding::Ascii}});
    if (isSet("pause"))
        request.timing.pause = static_cast<std::uint32_t>(
            wholeNumber(QStringLiteral("pause"), value("pause"), 0, frame::kMaxPause,
                        QStringLiteral("de 0 à 1000 temps de bit")));
    request.sampleRate = 100 * std::uint64_t{format.bitRate};
    if (isSet("frequence"))
        request.sampleRate = wholeNumber(QStringLiteral("frequence"), value("frequence"), 1,
                                         4'000'000'000ull, QStringLiteral("de 1 à 4000000000 Hz"));
    request.hex = isSet("hex");
    request.beginAtRight = isSet("debut-a-droite");
    request.outputPath = parser.isSet(QStringLiteral("o")) ? parser.value(QStringLiteral("o"))
                                                           : QStringLiteral("-");
    if (request.outputPath.isEmpty())
        throw BadValue{QStringLiteral("-o : le nom du fichier est vide")};
    request.receiver = receiverRate(parser, format.bitRate);
    faultsFrom(parser, request);
    exercisesFrom(parser, request);
    if (isSet("tolerance")) {
        if (request.task == TrameRequest::Task::Exercises)
            throw BadValue{QStringLiteral("--tolerance et --exercice sont deux travaux : donnez l'un ou l'autre")};
        request.task = TrameRequest::Task::Tolerance;
    }
    // A receiver and errors act on the frames of a text: a tolerance or a sheet has none.
    if (request.task != TrameRequest::Task::Frames)
        for (const char* option : {"recepteur", "ecart", "verdict", "inverser", "stop-faux", "trame", "pause-ligne"})
            if (isSet(option))
                throw BadValue{QStringLiteral("--%1 va avec un texte à envoyer").arg(QLatin1String(option))};
    request.verdicts = isSet("verdict");
    if (request.verdicts) {
        if (request.outputPath == QLatin1String("-") && parser.isSet(QStringLiteral("o")))
            throw BadValue{QStringLiteral("--verdict écrit sur la sortie standard : donnez à -o un fichier")};
        request.writeFile = parser.isSet(QStringLiteral("o"));
    }
    request.kind = outputKind(parser, request.outputPath);
    if (request.task == TrameRequest::Task::Exercises) {
        if (!parser.isSet(QStringLiteral("format")) && !parser.isSet(QStringLiteral("o")))
            request.kind = OutputKind::Pdf;
        if (request.kind != OutputKind::Pdf)
            throw BadValue{QStringLiteral("--exercice écrit un PDF : donnez -o FEUILLE.pdf")};
    }
    return request;
}

ParsedArguments usageError(const QString& message) {
    return {ParsedArguments::Outcome::UsageError, {}, message};
}

} // namespace

bool isHandout(OutputKind kind) {
    return kind == OutputKind::Svg || kind == OutputKind::Pdf || kind == OutputKind::Png;
}

ParsedArguments parseArguments(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.setOptionsAfterPositionalArgumentsMode(QCommandLineParser::ParseAsOptions);
    parser.addOption(QCommandLineOption(QStringList{QStringLiteral("o")}, QString(), QStringLiteral("FICHIER")));
    for (const OptionSpec& option : kOptions)
        parser.addOption(QCommandLineOption(QStringList{QLatin1String(option.name)}, QString(),
                                            QLatin1String(option.valueName)));
    parser.addOption(QCommandLineOption(QStringList{QStringLiteral("h"), QStringLiteral("help")}));
    parser.addOption(QCommandLineOption(QStringList{QStringLiteral("version")}));

    if (!parser.parse(arguments)) {
        if (const QStringList unknown = parser.unknownOptionNames(); !unknown.isEmpty())
            return usageError(QStringLiteral("option inconnue : %1%2 (voir --help)")
                                  .arg(unknown.first().size() == 1 ? QStringLiteral("-") : QStringLiteral("--"),
                                       unknown.first()));
        // The parser's other refusal is an option given without its value; its English
        // message names the option between single quotes.
        const QString error = parser.errorText();
        const qsizetype open = error.indexOf(QLatin1Char('\''));
        const qsizetype close = error.indexOf(QLatin1Char('\''), open + 1);
        const QString option = open >= 0 && close > open ? error.mid(open + 1, close - open - 1) : QString();
        return usageError(QStringLiteral("l'option %1 attend une valeur (voir --help)").arg(quoted(option)));
    }
    if (parser.isSet(QStringLiteral("help")))
        return {ParsedArguments::Outcome::Help, {}, helpText()};
    if (parser.isSet(QStringLiteral("version")))
        return {ParsedArguments::Outcome::Version, {}, QStringLiteral("quarnel-trame " QUARNEL_VERSION "\n")};

    ParsedArguments parsed{ParsedArguments::Outcome::Run, {}, {}};
    try {
        parsed.request = requestFrom(parser);
    } catch (const BadValue& bad) {
        return usageError(bad.message);
    }
    const QStringList positional = parser.positionalArguments();
    if (parsed.request.task != TrameRequest::Task::Frames) {
        if (!positional.isEmpty())
            return usageError(QStringLiteral("--%1 n'envoie pas de texte : retirez %2")
                                  .arg(parsed.request.task == TrameRequest::Task::Tolerance ? QStringLiteral("tolerance")
                                                                                           : QStringLiteral("exercice"),
                                       quoted(positional.first())));
        return parsed;
    }
    if (positional.isEmpty())
        return usageError(QStringLiteral("il manque le texte à envoyer (- pour lire l'entrée standard ; voir --help)"));
    if (positional.size() > 1)
        return usageError(QStringLiteral("un seul texte est attendu, %1 sont donnés ; mettez le texte entre guillemets")
                              .arg(positional.size()));
    parsed.request.text = positional.first();
    return parsed;
}

} // namespace quarnel::trame
