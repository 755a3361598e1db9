#ifndef VEXAL_MODEL_GRADE_H
#define VEXAL_MODEL_GRADE_H

// The caps of each grade, the same for angels and demons. A grade outside 0 to 3 caps everything at 0.
namespace Grade
{
float LimitCaractMax(int nGrade);
float LimitTalentMax(int nGrade);
float LimitPouvoirMax(int nGrade);
int LimitPPMax(int nGrade);
}

#endif
