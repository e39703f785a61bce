#pragma once

#include <memory>
#include <vector>

// The anchoring layout of resizable dialogs, as plain geometry: each control keeps the place it
// had when its anchor was built and follows the right and bottom edges of its parent by its
// anchor type; the dialog cannot be made smaller than it was when the anchors were set up.
// Nothing here knows of windows: a control is known by an id, and the caller moves it.

// Which edges of a control follow the parent's right and bottom edges (dx, dy: the change of
// the parent's client width and height since the anchor was built).
enum SizerAnchor {
    kAnchorProportional = 0, // each of x, width, y, height moves by dx or dy times its factor
    kAnchorFixed = 1,
    kAnchorBottomRight = 2,     // x + dx, y + dy
    kAnchorGrow = 3,            // width + dx, height + dy
    kAnchorGrowDown = 4,        // height + dy
    kAnchorGrowRight = 5,       // width + dx
    kAnchorRightGrowDown = 6,   // x + dx, height + dy
    kAnchorBottomGrowRight = 7, // y + dy, width + dx
    kAnchorBottom = 8,          // y + dy
    kAnchorRight = 9,           // x + dx
};

struct SizerRect {
    int left = 0, top = 0, width = 0, height = 0;
    bool operator==(const SizerRect&) const = default;
};

// A window's outer rectangle while one of its edges is dragged.
struct SizerWindowRect {
    int left = 0, top = 0, right = 0, bottom = 0;
    bool operator==(const SizerWindowRect&) const = default;
};

// The edge being dragged, numbered as the desktop numbers them.
enum SizerEdge {
    kEdgeLeft = 1,
    kEdgeRight = 2,
    kEdgeTop = 3,
    kEdgeTopLeft = 4,
    kEdgeTopRight = 5,
    kEdgeBottom = 6,
    kEdgeBottomLeft = 7,
    kEdgeBottomRight = 8,
};

// The anchor of one control.
class CSizer {
public:
    // The control `controlId` at `rect` in a parent client area of that size.
    CSizer(int controlId, SizerRect rect, int parentWidth, int parentHeight, int anchorType);
    // The proportional anchor (type 0) with its four factors.
    CSizer(int controlId, SizerRect rect, int parentWidth, int parentHeight, float xFactor,
           float widthFactor, float yFactor, float heightFactor);
    virtual ~CSizer() = default;

    int ControlId() const { return m_controlId; }
    // Where the control belongs for a parent client area of this size, always computed from
    // the captured place. False for an anchor type outside 0..9: the control stays where it is.
    bool Reposition(int clientWidth, int clientHeight, SizerRect& rect) const;

private:
    float m_xFactor = 0, m_widthFactor = 0, m_yFactor = 0, m_heightFactor = 0;
    int m_controlId;
    int m_anchorType;
    SizerRect m_rect;
    int m_parentWidth, m_parentHeight;
};

// The anchors of one dialog and its minimum size.
class CSizerGroup {
public:
    // The minimum is the dialog's outer size now, frame included.
    CSizerGroup(int minimumWidth, int minimumHeight)
        : m_minimumWidth(minimumWidth), m_minimumHeight(minimumHeight) {}
    virtual ~CSizerGroup() = default;

    void Add(std::unique_ptr<CSizer> sizer);
    const std::vector<std::unique_ptr<CSizer>>& Sizers() const { return m_sizers; }
    int MinimumWidth() const { return m_minimumWidth; }
    int MinimumHeight() const { return m_minimumHeight; }

    // Calls `move` for every anchor, in the order added, with its control's new place.
    template <class Move>
    void Reposition(int clientWidth, int clientHeight, Move&& move) const {
        for (const auto& sizer : m_sizers) {
            SizerRect rect;
            if (sizer->Reposition(clientWidth, clientHeight, rect))
                move(sizer->ControlId(), rect);
        }
    }

    // Corrects a proposed outer rectangle that is smaller than the minimum, moving only the
    // dragged edge; the edge that is not dragged never moves.
    void ClampSizing(int edge, SizerWindowRect& rect) const;

private:
    std::vector<std::unique_ptr<CSizer>> m_sizers;
    int m_minimumWidth, m_minimumHeight;
};
