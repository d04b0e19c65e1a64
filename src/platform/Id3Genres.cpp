#include "Id3Genres.h"

#include <QHash>

#include <array>
#include <cmath>

namespace twinsweep {

namespace {

// The list as Winamp extended it, with a few names shortened to fit the program's lists.
constexpr std::array<const char*, Id3Genres::Count> Names = {
    "Blues",
    "Classic Rock",
    "Country",
    "Dance",
    "Disco",
    "Funk",
    "Grunge",
    "Hip-Hop",
    "Jazz",
    "Metal",
    "New Age",
    "Oldies",
    "Other",
    "Pop",
    "R&B",
    "Rap",
    "Reggae",
    "Rock",
    "Techno",
    "Industrial",
    "Alternative",
    "Ska",
    "Death Metal",
    "Pranks",
    "Soundtrack",
    "Euro-Techno",
    "Ambient",
    "Trip-Hop",
    "Vocal",
    "Jazz+Funk",
    "Fusion",
    "Trance",
    "Classical",
    "Instrumental",
    "Acid",
    "House",
    "Game",
    "Sound Clip",
    "Gospel",
    "Noise",
    "Alt. Rock",
    "Bass",
    "Soul",
    "Punk",
    "Space",
    "Meditative",
    "Instrum. Pop",
    "Instrum. Rock",
    "Ethnic",
    "Gothic",
    "Darkwave",
    "Techno-Indust.",
    "Electronic",
    "Pop-Folk",
    "Eurodance",
    "Dream",
    "Southern Rock",
    "Comedy",
    "Cult",
    "Gangsta",
    "Top 40",
    "Christian Rap",
    "Pop/Funk",
    "Jungle",
    "Native American",
    "Cabaret",
    "New Wave",
    "Psychadelic",
    "Rave",
    "Showtunes",
    "Trailer",
    "Lo-Fi",
    "Tribal",
    "Acid Punk",
    "Acid Jazz",
    "Polka",
    "Retro",
    "Musical",
    "Rock & Roll",
    "Hard Rock",
    "Folk",
    "Folk/Rock",
    "National Folk",
    "Swing",
    "Fusion",
    "Bebob",
    "Latin",
    "Revival",
    "Celtic",
    "Bluegrass",
    "Avantgarde",
    "Gothic Rock",
    "Progress. Rock",
    "Psychadel. Rock",
    "Symphonic Rock",
    "Slow Rock",
    "Big Band",
    "Chorus",
    "Easy Listening",
    "Acoustic",
    "Humour",
    "Speech",
    "Chanson",
    "Opera",
    "Chamber Music",
    "Sonata",
    "Symphony",
    "Booty Bass",
    "Primus",
    "Porn Groove",
    "Satire",
    "Slow Jam",
    "Club",
    "Tango",
    "Samba",
    "Folklore",
    "Ballad",
    "Power Ballad",
    "Rhythmic Soul",
    "Freestyle",
    "Duet",
    "Punk Rock",
    "Drum Solo",
    "A Capella",
    "Euro-House",
    "Dance Hall",
    "Goa",
    "Drum & Bass",
    "Club-House",
    "Hardcore",
    "Terror",
    "Indie",
    "BritPop",
    "Afro-Punk",
    "Polsk Punk",
    "Beat",
    "Christian Gangsta Rap",
    "Heavy Metal",
    "Black Metal",
    "Crossover",
    "Contemporary Christian",
    "Christian Rock",
    "Merengue",
    "Salsa",
    "Thrash Metal",
    "Anime",
    "Jpop",
    "Synthpop",
};

// The names that other taggers (TagLib, LAME, eyeD3, mutagen) write for the codes whose
// name our list shortens or spells otherwise.
constexpr std::pair<int, const char*> OtherTaggersNames[] = {
    {29, "Jazz-Funk"},        {40, "Alternative Rock"},   {40, "AlternRock"},
    {46, "Instrumental Pop"}, {47, "Instrumental Rock"},  {51, "Techno-Industrial"},
    {59, "Gangsta Rap"},      {62, "Pop / Funk"},         {64, "Native US"},
    {67, "Psychedelic"},      {81, "Folk Rock"},          {81, "Folk-Rock"},
    {84, "Fast Fusion"},      {84, "Fast-Fusion"},        {85, "Bebop"},
    {90, "Avant-garde"},      {92, "Progressive Rock"},   {93, "Psychedelic Rock"},
    {123, "A Cappella"},      {125, "Dancehall"},         {129, "Hardcore Techno"},
    {133, "Worldbeat"},       {136, "Christian Gangsta"},
};

/// Lower-case name to code; a name listed twice ("Fusion") keeps its first code.
QHash<QString, int> buildCodesByName()
{
    QHash<QString, int> codes;
    for (const auto& [code, name] : OtherTaggersNames)
        codes.insert(QString::fromLatin1(name).toLower(), code);
    for (int code = Id3Genres::Count - 1; code >= 0; --code)
        codes.insert(QString::fromLatin1(Names[size_t(code)]).toLower(), code);
    return codes;
}

/// The code a number gives (its whole part), `NoGenre` outside 0 to 255; nothing for a
/// text that is no number.
std::optional<int> codeOfNumber(QStringView text)
{
    bool isNumber = false;
    const double number = text.toDouble(&isNumber);
    if (!isNumber || !std::isfinite(number))
        return std::nullopt;
    return number >= 0 && number < 256 ? int(number) : Id3Genres::NoGenre;
}

/// The number inside a version 2.3 reference, which may lead a refinement ("(13)Pop");
/// any other text as it is.
QStringView referencedNumber(QStringView text)
{
    const qsizetype close = text.indexOf(u')');
    return text.startsWith(u'(') && close > 0 ? text.sliced(1, close - 1) : text;
}

} // namespace

QString Id3Genres::name(int code)
{
    if (code < 0 || code >= Count)
        return {};
    return QString::fromLatin1(Names[size_t(code)]);
}

int Id3Genres::codeOf(const QString& genreName)
{
    static const QHash<QString, int> codes = buildCodesByName();
    return codes.value(genreName.toLower(), NoGenre);
}

std::optional<int> Id3Genres::codeOfText(const QString& genre)
{
    const QString text = genre.trimmed();
    if (const std::optional<int> code = codeOfNumber(referencedNumber(text)))
        return code;
    const int code = codeOf(text);
    return code != NoGenre ? std::optional(code) : std::nullopt;
}

} // namespace twinsweep
