#pragma once

#include <QString>
#include <QtGlobal>

namespace talco {

// Colours are kept the way the program writes them: blue-green-red, as in "&H0080FF".
struct Colour {
    quint32 bgr = 0xFFFFFF;

    constexpr int red() const { return int(bgr & 0xFF); }
    constexpr int green() const { return int((bgr >> 8) & 0xFF); }
    constexpr int blue() const { return int((bgr >> 16) & 0xFF); }
    friend constexpr bool operator==(Colour, Colour) = default;
};

inline constexpr Colour FigureColour{0xFFFFFF}; // white
inline constexpr Colour ResultColour{0x0080FF}; // orange: red 255, green 128, blue 0

enum class CellKind { Op, Nombre };

// One cell of the tape: the operator cell Op(row) or the number cell Nombre(row).
struct CellId {
    CellKind kind = CellKind::Nombre;
    int row = 0;

    static constexpr CellId Op(int row) { return {CellKind::Op, row}; }
    static constexpr CellId Nombre(int row) { return {CellKind::Nombre, row}; }
    friend constexpr bool operator==(CellId, CellId) = default;
};

// Geometry is in twips (15 to a logical pixel).
inline constexpr int RowPitch = 250;
inline constexpr int OpCellRaise = 50;
inline constexpr int ArrangedNombreWidth = 1800;

struct Cell {
    QString text;
    Colour colour = FigureColour;
    bool bold = false;
    int fontSize = 10; // points
    bool visible = true;
    bool centred = false; // operator cells are centred once arranged
    int left = 0;
    int top = 0;
    int width = 0;
    int height = RowPitch;
    int caret = 0;     // selection start, in characters
    int selLength = 0; // characters selected after the caret
};

struct TapeRow {
    Cell op;
    Cell nombre;
    QString note; // a person's words beside the figure; never read by the recalculation
};

// The longest note a row keeps, in characters.
inline constexpr int MaxNoteLength = 200;

} // namespace talco
