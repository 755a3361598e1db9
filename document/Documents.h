#ifndef VEXAL_DOCUMENT_DOCUMENTS_H
#define VEXAL_DOCUMENT_DOCUMENTS_H

#include <QString>

#include <memory>

class DocumentPersonnage;

// The characters open in this program, whoever shows them (the sheet, the table of a campaign): one document per
// file, so that an edit, an award or a save made in one view is the character every view shows.
namespace Documents
{
// A new document, which Pour finds once it is tied to a file.
std::shared_ptr<DocumentPersonnage> Nouveau();
// The document tied to this file (a canonical name), when one is open; none otherwise.
std::shared_ptr<DocumentPersonnage> Pour(const QString& oFichier);
}

#endif
