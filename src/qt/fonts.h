// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The faces the screens were designed with, mapped to installed Japanese
// faces: the gothic body face to IPA P Gothic, the brush face to Kouzan
// Mouhitsu, drawn heavier than its hairline design so that it reads at 1x,
// with IPA P Mincho for the characters the brush face cannot draw as it should.

#include <QFont>
#include <QString>

#include "ui/widget.h"

namespace qtview {

QFont fontFor(const ui::Font& font);
bool isBrush(const ui::Font& font);
// Rich text that draws `text` in the brush face, switching to the fallback face
// for each character the brush face leaves blank or draws at the wrong width;
// empty when no character needs it.
QString brushRichText(const QString& text, const ui::Font& font);

}  // namespace qtview
