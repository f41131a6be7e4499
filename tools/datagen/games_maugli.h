#pragma once

class DataWriter;

// Every picture of the garden game in the folder "GTM".
void RenderMaugliPictures(const DataWriter& out);
