#include "tax/withholding_tax_calculator.h"

#include "common/strict_double.h"

WithholdingTaxCalculator::WithholdingTaxCalculator() = default;

WithholdingTaxCalculator::~WithholdingTaxCalculator() = default;
