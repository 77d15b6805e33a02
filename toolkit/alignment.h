#pragma once

// Horizontal placement of a text in its control.
enum class TAlignment { taLeftJustify, taRightJustify, taCenter };
