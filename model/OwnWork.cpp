#include "OwnWork.h"

void OwnWork::Start(const State& state)
{
    m_state = state;
    m_history.Clear();
}
