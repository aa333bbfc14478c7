#include "snapshot/ProgressGauge.h"

#include <algorithm>

namespace lumivane {

void ProgressGauge::setValue(int value)
{
    m_value = std::max(0, std::min(value, m_maximum));
    show();
}

void ProgressGauge::setMaximum(int maximum)
{
    m_maximum = maximum;
    m_value = std::max(0, std::min(m_value, m_maximum));
    show();
}

void ProgressGauge::show()
{
    if (m_display)
        m_display->showGauge(m_value, m_maximum);
}

} // namespace lumivane
