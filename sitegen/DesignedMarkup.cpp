#include "sitegen/Fragments.h"
#include "sitegen/PageMarkup.h"

namespace palimora {

std::string DesignedMarkup::AlignOpen(const std::string& alignment) const {
    return palimora::AlignOpen(alignment, language_);
}

std::string DesignedMarkup::TextOpen(const std::string& face, int size, int colour, const std::string& style,
                                     bool) const {
    return StyleOpen(style, language_) + FontOpen(face, size, colour, language_);
}

std::string DesignedMarkup::TextClose(const std::string& style, bool) const {
    return "</FONT>" + StyleClose(style, language_);
}

std::string DesignedMarkup::ImageOpen(int border, int borderColour) const {
    return "<img border=\"" + std::to_string(border) + "\" bordercolor=\"" + HtmlColour(borderColour) + "\"  ";
}

}  // namespace palimora
