// Schedule calculation.
