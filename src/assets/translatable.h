// Marks on the texts a person sees or hears. The English text stays the key: the platform looks
// its translation up by context and text when it is shown, and the catalogue tools collect
// these marks from the sources. Both arguments must be plain string literals for them.
#pragma once

#define PV_TEXT(context, text) text
// A text holding %n, asked for with a count so that the catalogue can choose the form.
#define PV_TEXT_N(context, text) text
