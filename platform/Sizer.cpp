#include "platform/Sizer.h"

#include <array>
#include <cstddef>
#include <utility>

namespace {

// How far each of x, width, y and height follows the parent's growth.
struct AnchorFactors {
    float x, width, y, height;
};

// The fixed types 1..9 are the proportional anchor with whole factors.
constexpr std::array<AnchorFactors, 10> kTypeFactors{{
    {0, 0, 0, 0}, // kAnchorProportional: its own factors, never read from here
    {0, 0, 0, 0}, // kAnchorFixed
    {1, 0, 1, 0}, // kAnchorBottomRight
    {0, 1, 0, 1}, // kAnchorGrow
    {0, 0, 0, 1}, // kAnchorGrowDown
    {0, 1, 0, 0}, // kAnchorGrowRight
    {1, 0, 0, 1}, // kAnchorRightGrowDown
    {0, 1, 1, 0}, // kAnchorBottomGrowRight
    {0, 0, 1, 0}, // kAnchorBottom
    {1, 0, 0, 0}, // kAnchorRight
}};

// The sum in floating point, truncated toward zero as the conversion does.
int Follow(int start, int growth, float factor) {
    return static_cast<int>(static_cast<float>(start) + static_cast<float>(growth) * factor);
}

} // namespace

CSizer::CSizer(int controlId, SizerRect rect, int parentWidth, int parentHeight, int anchorType)
    : m_controlId(controlId), m_anchorType(anchorType), m_rect(rect), m_parentWidth(parentWidth),
      m_parentHeight(parentHeight) {}

CSizer::CSizer(int controlId, SizerRect rect, int parentWidth, int parentHeight, float xFactor,
               float widthFactor, float yFactor, float heightFactor)
    : m_xFactor(xFactor), m_widthFactor(widthFactor), m_yFactor(yFactor),
      m_heightFactor(heightFactor), m_controlId(controlId), m_anchorType(kAnchorProportional),
      m_rect(rect), m_parentWidth(parentWidth), m_parentHeight(parentHeight) {}

bool CSizer::Reposition(int clientWidth, int clientHeight, SizerRect& rect) const {
    if (m_anchorType < 0 || m_anchorType >= static_cast<int>(kTypeFactors.size()))
        return false;
    const AnchorFactors factors =
        m_anchorType == kAnchorProportional
            ? AnchorFactors{m_xFactor, m_widthFactor, m_yFactor, m_heightFactor}
            : kTypeFactors[static_cast<std::size_t>(m_anchorType)];
    const int dx = clientWidth - m_parentWidth;
    const int dy = clientHeight - m_parentHeight;
    rect = {Follow(m_rect.left, dx, factors.x), Follow(m_rect.top, dy, factors.y),
            Follow(m_rect.width, dx, factors.width), Follow(m_rect.height, dy, factors.height)};
    return true;
}

void CSizerGroup::Add(std::unique_ptr<CSizer> sizer) {
    m_sizers.push_back(std::move(sizer));
}

void CSizerGroup::ClampSizing(int edge, SizerWindowRect& rect) const {
    if (rect.right - rect.left < m_minimumWidth) {
        if (edge == kEdgeRight || edge == kEdgeTopRight || edge == kEdgeBottomRight)
            rect.right = rect.left + m_minimumWidth;
        else if (edge == kEdgeLeft || edge == kEdgeTopLeft || edge == kEdgeBottomLeft)
            rect.left = rect.right - m_minimumWidth;
    }
    if (rect.bottom - rect.top < m_minimumHeight) {
        if (edge == kEdgeBottom || edge == kEdgeBottomLeft || edge == kEdgeBottomRight)
            rect.bottom = rect.top + m_minimumHeight;
        else if (edge == kEdgeTop || edge == kEdgeTopLeft || edge == kEdgeTopRight)
            rect.top = rect.bottom - m_minimumHeight;
    }
}
