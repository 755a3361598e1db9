#ifndef VEXAL_PAGE_HTML_H
#define VEXAL_PAGE_HTML_H

#include <QString>

#include <string>

// Text and elements of a page, as UTF-8.
namespace Html
{
// The text as a page shows it, whatever it holds: & < > " and ' are written as character references, so that no
// name, reason or note can open or close an element or an attribute.
std::string Echapper(const QString& oTexte);

// <balise attributs>texte</balise>, the text escaped; oAttributs is written as it is, after a space.
std::string Element(const char* oBalise, const QString& oTexte, const char* oAttributs = nullptr);
}

#endif
