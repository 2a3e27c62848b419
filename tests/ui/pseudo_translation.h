// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A pseudo-translation of the program's own texts: each comes out wrapped in brackets,
// its letters accented and its length grown by a third ("Gross Barrels" ->
// "[Ğŕöšš Bāŕŕēlš~~~~~]"). A text that does not come out so never went through tr(); a
// window that cuts one off will cut off a real translation too. Qt's own texts (key names,
// standard buttons) stay as they are.

#include <QCoreApplication>
#include <QTranslator>

#include <cstring>

namespace dravex::test {

class PseudoTranslator : public QTranslator
{
public:
    // A wrapped text starts with kStart and ends with kEnd.
    static constexpr QChar kStart = u'[';
    static constexpr QChar kEnd = u']';

    static QString pseudo(const QString &text)
    {
        static const QString plain = QStringLiteral("aceginorsuyzACEGINORSUYZ");
        static const QString accented = QStringLiteral("āčēğīñöŕšūÿžĀČĒĞĪÑÖŔŠŪŸŽ");
        QString out(kStart);
        bool inTag = false;
        for (qsizetype i = 0; i < text.size(); ++i) {
            const QChar c = text[i];
            if (c == u'<')
                inTag = true;
            // An entity (&amp;) stays as it is.
            if (c == u'&') {
                const qsizetype semicolon = text.indexOf(u';', i);
                if (semicolon > i + 1 && semicolon - i < 10) {
                    out += text.mid(i, semicolon - i + 1);
                    i = semicolon;
                    continue;
                }
            }
            // Placeholders (%1), access keys (&C) and markup stay as they are.
            const bool kept = i > 0 && (text[i - 1] == u'%' || text[i - 1] == u'&');
            const qsizetype at = inTag || kept ? -1 : plain.indexOf(c);
            out += at < 0 ? c : accented[at];
            if (c == u'>')
                inTag = false;
        }
        out += QString((text.size() + 2) / 3, u'~');
        out += kEnd;
        return out;
    }

    bool isEmpty() const override { return false; }

    QString translate(const char *context, const char *sourceText, const char *disambiguation = nullptr,
                      int n = -1) const override
    {
        Q_UNUSED(disambiguation);
        Q_UNUSED(n);
        if (!sourceText || !*sourceText || std::strncmp(context, "dravex::", 8) != 0)
            return {};
        return pseudo(QString::fromUtf8(sourceText));
    }
};

// Installs the pseudo-translation when DRAVEX_PSEUDO_TRANSLATION is set (as one run of the
// window tests does); true when it is installed.
inline bool installPseudoTranslationIfAsked()
{
    if (qEnvironmentVariableIsEmpty("DRAVEX_PSEUDO_TRANSLATION"))
        return false;
    static PseudoTranslator translator;
    QCoreApplication::installTranslator(&translator);
    return true;
}

} // namespace dravex::test
