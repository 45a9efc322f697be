#pragma once

// Loading of stored descriptions: the initial property values of a window's view and
// camera, in the text format of DESCRIPTION-FORMAT.md.

#include "OGLStored.h"

#include <string_view>

// Assigns the values of text to the named components, in the order read, without range
// tests or change notifications. Raises EDescriptionError (message with the line number)
// for a malformed description; values before the faulty line stay assigned.
void CarregaDescricao(std::string_view text, const TComponentMap& components);
