#pragma once

class DataWriter;

// Problem set 1: the New Year tree that grows festive with every right answer,
// its looping animation for a faultless set, and the marks 0 … 5.
void RenderSet1Pictures(const DataWriter& out);
