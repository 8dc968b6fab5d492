#include "builders/special_characters.h"

#include <algorithm>

namespace quillane {

namespace {

// The cells as drawn. Codes of the Latin-1 range without a named entity are
// written as numeric references.
const std::vector<SpecialCharacterRow> kVowelsRows = {
    {{"&Agrave;", "À"}, {"&Aacute;", "Á"}, {"&Acirc;", "Â"}, {"&Atilde;", "Ã"}, {"&Auml;", "Ä"}, {"&Aring;", "Å"}, {"&AElig;", "Æ"}},
    {{"&agrave;", "à"}, {"&aacute;", "á"}, {"&acirc;", "â"}, {"&atilde;", "ã"}, {"&auml;", "ä"}, {"&aring;", "å"}, {"&aelig;", "æ"}},
    {{"&Egrave;", "È"}, {"&Eacute;", "É"}, {"&Ecirc;", "Ê"}, {"&Euml;", "Ë"}, {"&Igrave;", "Ì"}, {"&Iacute;", "Í"}, {"&Icirc;", "Î"}, {"&Iuml;", "Ï"}},
    {{"&egrave;", "è"}, {"&eacute;", "é"}, {"&ecirc;", "ê"}, {"&euml;", "ë"}, {"&igrave;", "ì"}, {"&iacute;", "í"}, {"&icirc;", "î"}, {"&iuml;", "ï"}},
    {{"&Ograve;", "Ò"}, {"&Oacute;", "Ó"}, {"&Ocirc;", "Ô"}, {"&Otilde;", "Õ"}, {"&Ouml;", "Ö"}, {"&Ugrave;", "Ù"}, {"&Uacute;", "Ú"}, {"&Ucirc;", "Û"}, {"&Uuml;", "Ü"}, {"&Yacute;", "Ý"}},
    {{"&ograve;", "ò"}, {"&oacute;", "ó"}, {"&ocirc;", "ô"}, {"&otilde;", "õ"}, {"&ouml;", "ö"}, {"&ugrave;", "ù"}, {"&uacute;", "ú"}, {"&ucirc;", "û"}, {"&uuml;", "ü"}, {"&yacute;", "ý"}, {"&yuml;", "ÿ"}},
};

const std::vector<SpecialCharacterRow> kVariousRows = {
    {{"&#185;", "¹"}, {"&#178;", "²"}, {"&#179;", "³"}, {"&#176;", "°"}, {"&#188;", "¼"}, {"&#189;", "½"}, {"&#190;", "¾"}, {"&#177;", "±"}, {"&copy;", "©"}, {"&reg;", "®"}, {"&trade;", "™"}},
    {{"&#191;", "¿"}, {"&#161;", "¡"}, {"&lt;", "<"}, {"&gt;", ">"}, {"&#171;", "«"}, {"&#187;", "»"}, {"", ""}, {"&#166;", "¦"}, {"&#182;", "¶"}, {"&#167;", "§"}, {"", ""}},
    {{"&#163;", "£"}, {"&#162;", "¢"}, {"&#165;", "¥"}, {"&#164;", "¤"}, {"&#168;", "¨"}, {"&quot;", "\""}, {"&#180;", "´"}, {"&#184;", "¸"}, {"&#181;", "µ"}, {"&amp;", "&"}, {"", ""}},
    {{"&Ccedil;", "Ç"}, {"&Ntilde;", "Ñ"}, {"&Oslash;", "Ø"}, {"&THORN;", "Þ"}, {"&ETH;", "Ð"}, {"&szlig;", "ß"}, {"", ""}, {"", ""}, {"", ""}, {"", ""}, {"", ""}},
    {{"&ccedil;", "ç"}, {"&ntilde;", "ñ"}, {"&oslash;", "ø"}, {"&thorn;", "þ"}, {"&eth;", "ð"}, {"", ""}, {"", ""}, {"", ""}, {"", ""}, {"", ""}, {"", ""}},
};

const std::vector<SpecialCharacterRow> kMathRows = {
    {{"&Alpha;", "Α"}, {"&Beta;", "Β"}, {"&Chi;", "Χ"}, {"&Delta;", "Δ"}, {"&Epsilon;", "Ε"}, {"&Phi;", "Φ"}, {"&Gamma;", "Γ"}, {"&Eta;", "Η"}, {"&Iota;", "Ι"}, {"", ""}, {"&Kappa;", "Κ"}, {"&Lambda;", "Λ"}, {"&Mu;", "Μ"}},
    {{"&Nu;", "Ν"}, {"&Omicron;", "Ο"}, {"&Pi;", "Π"}, {"&Theta;", "Θ"}, {"&Rho;", "Ρ"}, {"&Sigma;", "Σ"}, {"&Tau;", "Τ"}, {"&Upsilon;", "Υ"}, {"", ""}, {"&Omega;", "Ω"}, {"&Xi;", "Ξ"}, {"&Psi;", "Ψ"}, {"&Zeta;", "Ζ"}},
    {{"&alpha;", "α"}, {"&beta;", "β"}, {"&chi;", "χ"}, {"&delta;", "δ"}, {"&epsilon;", "ε"}, {"&phi;", "φ"}, {"&gamma;", "γ"}, {"&eta;", "η"}, {"&iota;", "ι"}, {"", ""}, {"&kappa;", "κ"}, {"&lambda;", "λ"}, {"&mu;", "μ"}},
    {{"&nu;", "ν"}, {"&omicron;", "ο"}, {"&pi;", "π"}, {"&theta;", "θ"}, {"&rho;", "ρ"}, {"&sigma;", "σ"}, {"&tau;", "τ"}, {"&upsilon;", "υ"}, {"", ""}, {"&omega;", "ω"}, {"&xi;", "ξ"}, {"&psi;", "ψ"}, {"&zeta;", "ζ"}},
    {{"", ""}, {"", ""}, {"", ""}, {"", ""}, {"", ""}, {"", ""}, {"", ""}, {"", ""}, {"&equiv;", "≡"}, {"&nequiv;", "≢"}},
    {{"&lt;", "<"}, {"&gt;", ">"}, {"&le;", "≤"}, {"&ge;", "≥"}, {"&empty;", "∅"}, {"&inf;", "∞"}},
};
}  // namespace

std::span<const SpecialCharacterPage> SpecialCharacterPages() {
    static const SpecialCharacterPage pages[] = {
        {"Vowels", 424, 160, kVowelsRows},
        {"Various", 283, 128, kVariousRows},
        {"Math", 361, 166, kMathRows},
    };
    return pages;
}

std::size_t ColumnCount(const SpecialCharacterPage& page) {
    std::size_t columns = 0;
    for (const SpecialCharacterRow& row : page.rows) columns = std::max(columns, row.size());
    return columns;
}

std::optional<SpecialCharacter> SpecialCharacterAt(const SpecialCharacterPage& page, int x, int y) {
    const std::size_t columns = ColumnCount(page);
    if (x < 0 || y < 0 || x >= page.width || y >= page.height || page.rows.empty() || columns == 0)
        return std::nullopt;
    const std::size_t row = static_cast<std::size_t>(y) * page.rows.size() / static_cast<std::size_t>(page.height);
    const std::size_t cell = static_cast<std::size_t>(x) * columns / static_cast<std::size_t>(page.width);
    if (cell >= page.rows[row].size()) return std::nullopt;
    return page.rows[row][cell];
}

}  // namespace quillane
