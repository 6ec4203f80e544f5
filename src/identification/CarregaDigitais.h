#pragma once

class TDMXAL;

// Loads the enrolled prints into fresh fingerprint slots: employees (COD_FUN > 0) into slot 1,
// the others into slot 2 under COD_CLI. Runs at every activation of the main window when
// fingerprint is switched on; any failure leaves the slots as far as they were filled.
void InicializaSisBiometrico(TDMXAL& dm);
