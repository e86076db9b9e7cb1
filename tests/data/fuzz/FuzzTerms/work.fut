Meeting with Anna
Dentist appointment
Lunch