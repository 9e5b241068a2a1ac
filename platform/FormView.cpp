#include "platform/FormView.h"

namespace plovex {

FormView::FormView(const DialogTemplate& dialogTemplate, QWidget* parent)
    : QWidget(parent)
{
    m_size = m_controls.Create(*this, dialogTemplate);
    setFixedSize(m_size);
}

bool FormView::UpdateData(bool saveAndValidate)
{
    DataExchange exchange(*this, m_controls,
        saveAndValidate ? DataExchange::Direction::ToFields : DataExchange::Direction::ToControls);
    DoDataExchange(exchange);
    return !exchange.Failed();
}

std::vector<QWidget*> FormView::PushFields()
{
    DataExchange exchange(*this, m_controls, DataExchange::Direction::ToControls);
    DoDataExchange(exchange);
    return exchange.Changed();
}

void FormView::ReadControlsQuietly()
{
    DataExchange exchange(
        *this, m_controls, DataExchange::Direction::ToFields, DataExchange::Prompting::Quiet);
    DoDataExchange(exchange);
}

QWidget* FormView::GetDlgItem(int id) const
{
    return m_controls.Item(id);
}

void FormView::SetDlgItemText(int id, const std::string& text)
{
    DataExchange exchange(*this, m_controls, DataExchange::Direction::ToControls);
    std::string field = text;
    exchange.Text(id, field);
}

QSize FormView::sizeHint() const
{
    return m_size;
}

} // namespace plovex
