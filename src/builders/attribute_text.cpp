#include "builders/attribute_text.h"

namespace quillane {

std::string PlainAttribute(std::string_view name, std::string_view value) {
    std::string out = " ";
    out += name;
    out += '=';
    out += value;
    return out;
}

std::string QuotedAttribute(std::string_view name, std::string_view value) {
    std::string quoted = "\"";
    quoted += value;
    quoted += '"';
    return PlainAttribute(name, quoted);
}

std::string OptionalQuotedAttribute(std::string_view name, std::string_view value) {
    return value.empty() ? std::string() : QuotedAttribute(name, value);
}

std::string OptionalPlainAttribute(std::string_view name, std::string_view value) {
    return value.empty() ? std::string() : PlainAttribute(name, value);
}

}  // namespace quillane
