#include "FigureObject.h"

#include "../figures/FigureCollection.h"

namespace zc {

FigureObject::FigureObject(FigureCollection& figures, qint32 number)
    : m_figures(figures)
    , m_number(number)
{ }

FigureObject::~FigureObject() = default;

Figure* FigureObject::figure() const
{
    return m_figures.find(m_number);
}

bool FigureObject::Selected() const
{
    const Figure* f = figure();
    return f && f->Selected;
}

void FigureObject::setSelected(bool New_Selected)
{
    if (Figure* f = figure())
        f->Selected = New_Selected;
}

} // namespace zc
