#ifndef VEXAL_MODEL_ANGE_H
#define VEXAL_MODEL_ANGE_H

#include "model/Personnage.h"

// An angel starts with 100 PA and buys from the angels' catalogue.
class Ange : public Personnage
{
public:
    Ange();

    int GetBL() const override;
};

#endif
