// The error box's rendering of a message.
#include "core/errors.h"

namespace gearpair {

std::string ErrorBoxText(std::string_view message) {
    std::string text(message);
    if (!text.empty() && static_cast<unsigned char>(text.back()) > '.') text += '.';
    return text;
}

}  // namespace gearpair
