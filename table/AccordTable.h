#ifndef VEXAL_TABLE_ACCORDTABLE_H
#define VEXAL_TABLE_ACCORDTABLE_H

#include <QString>

#include <memory>
#include <string>
#include <vector>

class DocumentPersonnage;

// One character's part of an award given to several at once: its document, or why its file could not be read.
struct PartAttribution
{
    std::shared_ptr<DocumentPersonnage> mpoDocument;
    QString moFichier;
    QString moRaison;
    int mnPA = 0;
};

struct IssueAttribution
{
    bool mbFaite = false;
    // What the player is told: why nothing changed, or what was done, and which characters wait to be saved.
    QString moMessage;
};

// The same award for several characters, all or nothing. Every file is locked and read first, every award asked of
// the rules: a file another VEXAL has open, one that could not be read, one written by somebody else since it was
// read, or an award the rules refuse, and nothing is written. Then each character gets one award as one step of its
// document and is saved, its previous version kept as "<name>~"; a write that fails puts back the files already
// written, their "~" too. A character with changes not yet saved gets its award all the same and stays unsaved.
IssueAttribution AccorderATous(const std::vector<PartAttribution>& oParts, const std::string& oDate,
                               const std::string& oRaison);

#endif
