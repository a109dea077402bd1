#include "trame_options.h"

#include <QCommandLineParser>
#include <QFileInfo>
#include <array>
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
};

QString helpText() {
    QString text = QStringLiteral(
        "Usage : quarnel-trame [options] TEXTE\n"
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
    request.kind = outputKind(parser, request.outputPath);
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

    const QStringList positional = parser.positionalArguments();
    if (positional.isEmpty())
        return usageError(QStringLiteral("il manque le texte à envoyer (- pour lire l'entrée standard ; voir --help)"));
    if (positional.size() > 1)
        return usageError(QStringLiteral("un seul texte est attendu, %1 sont donnés ; mettez le texte entre guillemets")
                              .arg(positional.size()));
    try {
        ParsedArguments parsed{ParsedArguments::Outcome::Run, requestFrom(parser), {}};
        parsed.request.text = positional.first();
        return parsed;
    } catch (const BadValue& bad) {
        return usageError(bad.message);
    }
}

} // namespace quarnel::trame
