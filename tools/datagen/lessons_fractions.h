#pragma once

class DataWriter;

// The lessons on GCD and LCM, common denominators, arithmetic with fractions
// and addition of fractions: a reward picture per level revealed stage by
// stage ("NDD", "OZ", "Add", "dd"), their mark strips and the fraction bar.
void RenderFractionLessonsPictures(const DataWriter& out);
