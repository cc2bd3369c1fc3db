// SPDX-License-Identifier: GPL-3.0-or-later
#include "ShownText.h"

#include <atomic>

namespace tavolin {

namespace {

std::atomic<TextTranslator> installedTranslator{nullptr};

}  // namespace

void installTextTranslator(TextTranslator translator) {
    installedTranslator.store(translator, std::memory_order_release);
}

std::string_view shownText(const char* context, const char* french) {
    const TextTranslator translator = installedTranslator.load(std::memory_order_acquire);
    return translator ? translator(context, french) : std::string_view(french);
}

std::string_view ShownText::text() const {
    return shownText(context, french);
}

}  // namespace tavolin
